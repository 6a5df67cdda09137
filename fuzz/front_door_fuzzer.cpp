// A whole program directory from one input, then a session as tervalo-calc runs it: start-up, the project
// window opened, calculated, saved, the prices stored, the report written and laid out, and a switch of
// language that rewrites the project.
#include "catalogue/catalogue_index.h"
#include "config/run_settings.h"
#include "fuzz_input.h"
#include "localisation/language_tables.h"
#include "project/project_actions.h"
#include "project/project_record.h"
#include "report/page_layout.h"
#include "report/results_file.h"
#include "report/results_writer.h"
#include "shell/language_session.h"

namespace {

// The files of the directory, in the order of the input's parts: the run's language is German (as the seeds'
// settings file names it) and the switch goes to English. Last the journal of a switch a kill interrupted.
constexpr const char* kFiles[] = {
    "kparam.dat",   "Caption.GER", "heatcap.GER", "VerbCapt.GER",   "infoTXT.GER", "R22.DAT",
    "TempPart.dat", "SpezBK.dat",  "energk.dat",  "KELVData.dat",   "katalg.lst",  "rechOpt.dat",
    "rechPar.dat",  "Caption.ENG", "heatcap.ENG", "LangSwitch.dat",
};
constexpr std::size_t kFileCount = sizeof kFiles / sizeof kFiles[0];

void ResetRun() {
    tervalo::ResetRunSettings();
    tervalo::ResetLanguageTables();
}

void OpenProjectWindow(tervalo::ProjectRecord& record) {
    tervalo::ClearProjectWindow(record);
    tervalo::OnWindowLoad(record);
    tervalo::OnWindowActivate(record);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tervalo;
    const auto parts = fuzz::Parts(data, size, kFileCount);
    for (std::size_t i = 0; i < kFileCount; ++i) fuzz::LayDown(kFiles[i], parts[i]);
    fuzz::LayDown("R22.LST", "");
    fuzz::LayDown(kResultsFileName, "");

    ResetRun();
    StartupLoad(HandOverFile::Consume);
    ProjectRecord record;
    OpenProjectWindow(record);
    OnCalculateCommand(record);
    OnAcceptCommand(record);
    OnFuelPriceCommand(record);
    OnFuelPriceAccept(record);
    OnPrintCommand(record);
    WriteResultsFile(record);
    OnWindowActivate(record);
    const auto records = ReadResultsFile();
    LayOutResultsPage(records);

    LanguageSwitchSteps steps;
    steps.rewriteProject = [](const std::string& from, const std::string& to) {
        return RewriteProjectForLanguage(from, to);
    };
    SwitchLanguage("ENG", steps);
    OpenProjectWindow(record);
    OnCalculateCommand(record);
    return 0;
}
