// Arbitrary bytes as kparam.dat: the start-up read, the welcome window's own read, the full read, and the
// save round trip, which must settle: what a save wrote reads back and saves to the same bytes.
#include <cstdlib>
#include <string>

#include "config/run_settings.h"
#include "config/settings_file.h"
#include "engine/file_access.h"
#include "fuzz_input.h"
#include "localisation/languages.h"

namespace {

std::string SaveAndRead() {
    if (!tervalo::SaveSettings(',')) return {};
    return tervalo::ReadFileBytes(tervalo::kSettingsFileName).value_or(std::string());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    for (const bool fullRead : {false, true}) {
        fuzz::LayDown(tervalo::kSettingsFileName, fuzz::Bytes(data, size));
        std::string saved;
        // The first save may normalise what the format cannot hold (a double quote inside a text); from then
        // on a saved file reads back and saves to the same bytes.
        for (int round = 0; round < 3; ++round) {
            tervalo::ResetRunSettings();
            tervalo::ReadStoredChoice(tervalo::KnownLanguage);
            fullRead ? tervalo::FullReadSettings(tervalo::KnownLanguage)
                     : tervalo::StartupReadSettings(tervalo::KnownLanguage);
            const std::string again = SaveAndRead();
            if (round == 2 && again != saved) std::abort();  // a saved file does not read back as written
            saved = again;
        }
    }
    return 0;
}
