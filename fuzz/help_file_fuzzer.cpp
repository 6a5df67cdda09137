// An arbitrary help file and a text to store: the page read, stored and read again.
#include "fuzz_input.h"
#include "help/help_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto parts = fuzz::Parts(data, size, 2);
    fuzz::LayDown("Kelvhelp.FZA", parts[0]);
    const tervalo::HelpPage page = tervalo::PageForTopic(tervalo::ProductHelpTopic("Fuzz"), "Fuzz");
    tervalo::ReadHelpPage("Kelvhelp.FZA", page);
    tervalo::StoreHelpPage("Kelvhelp.FZA", page, parts[1]);
    tervalo::ReadHelpPage("Kelvhelp.FZA", page);
    tervalo::StoreHelpPage("Kelvhelp.FZA", {static_cast<long>(parts[1].size() % 97), 3}, parts[1]);
    return 0;
}
