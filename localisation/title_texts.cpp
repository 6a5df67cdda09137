#include "localisation/title_texts.h"

namespace tervalo {

namespace {

// What the windows showed before the texts were translated; ASCII, so the same bytes in every code page.
const char* EnglishTitle(int item) {
    switch (item) {
        case titles_texts::kInfoTitle:
            return "The things, that you ever want to know about %1...";
        case titles_texts::kSimulation:
            return "Simulation";
        case titles_texts::kPrinterSetup:
            return "Printer Setup";
        case titles_texts::kPrinterWidth:
            return "Printer Width =";
        case titles_texts::kPrinterHeight:
            return "Printer Height =";
        case titles_texts::kScreenWidth:
            return "Screen Width =";
        case titles_texts::kScreenHeight:
            return "Screen Height =";
        case titles_texts::kDots:
            return "dots";
        default:
            return "";
    }
}

}  // namespace

std::string TitleText(int item, std::string_view languageCode) {
    std::string text = LoadFeatureTexts(titles_texts::kFile, languageCode)[item];
    return text.empty() ? EnglishTitle(item) : text;
}

}  // namespace tervalo
