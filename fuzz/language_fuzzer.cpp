// Arbitrary language files (captions, component and heat-pump captions, info texts of one language, heat-pump
// captions of a second) and a stored text: the loads, the translation between the two languages, and the
// code-page conversions in both directions, in a code page chosen by the text.
#include <string>

#include "fuzz_input.h"
#include "localisation/code_page.h"
#include "localisation/language_tables.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto parts = fuzz::Parts(data, size, 6);
    fuzz::LayDown("Caption.FZA", parts[0]);
    fuzz::LayDown("VerbCapt.FZA", parts[1]);
    fuzz::LayDown("heatcap.FZA", parts[2]);
    fuzz::LayDown("infoTXT.FZA", parts[3]);
    fuzz::LayDown("heatcap.FZB", parts[4]);
    tervalo::ResetLanguageTables();
    tervalo::LoadCaptionFile("FZA");
    tervalo::LoadComponentCaptions("FZA");
    tervalo::LoadHeatCaptions("FZA");
    tervalo::LoadInfoTexts("FZA");
    tervalo::CaptionFileUsable("FZA");
    const std::string translated = tervalo::TranslateText(parts[5], "FZA", "FZB");
    constexpr const char* kCodes[] = {"GER", "POL", "RUS", "GRE", "TRK", "ARA"};
    const int codePage = tervalo::CodePageOf(kCodes[parts[5].size() % (sizeof kCodes / sizeof kCodes[0])]);
    const std::string utf8 = tervalo::CodePageToUtf8(translated + tervalo::Caption(1), codePage);
    tervalo::Utf8ToCodePage(utf8, codePage);
    tervalo::Utf8ToCodePage(parts[5], codePage);
    return 0;
}
