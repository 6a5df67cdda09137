// Arbitrary project files (TempPart.dat, SpezBK.dat) and heat-pump captions of two languages: the project and
// the prices read and saved, and the project rewritten from one language into the other.
#include "fuzz_input.h"
#include "localisation/language_tables.h"
#include "project/project_files.h"
#include "project/project_record.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto parts = fuzz::Parts(data, size, 4);
    fuzz::LayDown(tervalo::kProjectFileName, parts[0]);
    fuzz::LayDown(tervalo::kFuelPriceFileName, parts[1]);
    fuzz::LayDown("heatcap.FZA", parts[2]);
    fuzz::LayDown("heatcap.FZB", parts[3]);
    tervalo::ProjectRecord record;
    tervalo::ReadProjectFile(record);
    tervalo::ReadFuelPrices(record);
    tervalo::WriteProjectFile(record);
    tervalo::WriteFuelPrices(record);
    tervalo::RewriteProjectFileForLanguage("FZA", "FZB");
    return 0;
}
