// An arbitrary catalogue list with the data and index file of the catalogue "FUZZ_VD": the refrigerant's list
// file built from them, and the catalogue's type read or written.
#include <filesystem>

#include "catalogue/catalogue_index.h"
#include "fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto parts = fuzz::Parts(data, size, 3);
    fuzz::LayDown(tervalo::kCatalogueListFileName, parts[0]);
    fuzz::LayDown("FUZZ_VDN.rdm", parts[1]);
    fuzz::LayDown("FUZZ_VDI.rdm", parts[2]);
    fuzz::LayDown("R22.LST", "");
    tervalo::BuildRefrigerantList("R22");
    tervalo::CatalogueType("FUZZ_VD");
    tervalo::DosToWindowsText(parts[2]);
    return 0;
}
