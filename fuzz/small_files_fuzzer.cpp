// The program's small data files from arbitrary bytes: energk.dat (energy factors), KELVData.dat (the
// hand-over file, read and emptied) and the about file of the language.
#include <array>

#include "config/run_settings.h"
#include "fuzz_input.h"
#include "project/energy_factors.h"
#include "shell/handover_file.h"
#include "shell/ui/about_text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto parts = fuzz::Parts(data, size, 3);
    tervalo::ResetRunSettings();
    fuzz::LayDown(tervalo::kEnergyFactorFileName, parts[0]);
    std::array<double, 5> factors{};
    tervalo::ReadEnergyFactors(factors);
    fuzz::LayDown(tervalo::kHandOverFileName, parts[1]);
    tervalo::ConsumeHandOverFile();
    tervalo::Settings.LanguageCode = "FZA";
    fuzz::LayDown(tervalo::AboutFileName("FZA"), parts[2]);
    tervalo::AboutBoxText();
    return 0;
}
