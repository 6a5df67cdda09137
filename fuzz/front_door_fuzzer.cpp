// A whole program directory from one input, then a session as tervalo-calc runs it: start-up, the project
// window opened, calculated, saved, the prices stored, the report written and laid out, and a switch of
// language that rewrites the project.
#include <chrono>
#include <filesystem>

#include "catalogue/catalogue_index.h"
#include "engine/cycle_state.h"
#include "engine/dialog_mode.h"
#include "engine/refrigerant_catalogue.h"
#include "engine/saturation_lookup.h"
#include "engine/saturation_table.h"
#include "fuzz_input.h"
#include "help/help_file.h"
#include "localisation/language_tables.h"
#include "project/project_actions.h"
#include "project/project_record.h"
#include "report/page_layout.h"
#include "report/results_file.h"
#include "report/results_writer.h"
#include "shell/language_session.h"
#include "shell/run_settings.h"

namespace {

// The files of the directory, in the order of the input's parts.
constexpr const char* kFiles[] = {
    "kparam.dat", "Caption.FZA",  "heatcap.FZA", "VerbCapt.FZA", "infoTXT.FZA",
    "R22.DAT",    "TempPart.dat", "SpezBK.dat",  "energk.dat",   "KELVData.dat",
    "katalg.lst", "rechOpt.dat",  "rechPar.dat", "Caption.FZB",  "heatcap.FZB",
};
constexpr std::size_t kFileCount = sizeof kFiles / sizeof kFiles[0];

void ResetRun() {
    using namespace tervalo;
    ResetProject();
    ResetRunSettings();
    ResetLanguageTables();
    ResetCycleState();
    ResetRefrigerantSelection();
    ResetSaturationLookup();
    ClearSaturationTableCache();
    ResetHelpTopic();
    DialogMode = 0;
}

void OpenProjectWindow() {
    tervalo::ClearProjectWindow();
    tervalo::OnWindowLoad();
    tervalo::OnWindowActivate();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tervalo;
    const auto parts = fuzz::Parts(data, size, kFileCount);
    for (std::size_t i = 0; i < kFileCount; ++i) fuzz::LayDown(kFiles[i], parts[i]);
    // Aged, so that the table is parsed once per run rather than at every lookup as a file just written is;
    // the cache is cleared below.
    std::error_code ignored;
    std::filesystem::last_write_time(
        "R22.DAT", std::filesystem::file_time_type::clock::now() - std::chrono::hours(1), ignored);
    fuzz::LayDown("R22.LST", "");
    fuzz::LayDown(kResultsFileName, "");

    ResetRun();
    StartupLoad(HandOverFile::Consume);
    OpenProjectWindow();
    OnCalculateCommand();
    OnAcceptCommand();
    OnFuelPriceCommand();
    OnFuelPriceAccept();
    OnPrintCommand();
    WriteResultsFile(Project());
    OnWindowActivate();
    const auto records = ReadResultsFile();
    LayOutResultsPage(records, PageTarget::Paper);

    LanguageSwitchSteps steps;
    steps.rewriteProject = RewriteProjectForLanguage;
    SwitchLanguage("FZB", steps);
    OpenProjectWindow();
    OnCalculateCommand();
    return 0;
}
