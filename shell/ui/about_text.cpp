#include "shell/ui/about_text.h"

#include "config/run_settings.h"
#include "engine/file_access.h"
#include "engine/text_record.h"
#include "localisation/language_tables.h"
#include "localisation/title_texts.h"

namespace tervalo {

namespace {

std::string BuiltInText() {
    const std::string& lineBreak = Settings.LineBreak;
    std::string text =
        Settings.ProductName + lineBreak + HeatCaption(kHeatProgramPurpose) + lineBreak + lineBreak;
    text += Settings.ProductName + " " + kProgramVersion + lineBreak + Settings.NoticeLine + lineBreak +
            lineBreak;
    for (const std::string& owner : Settings.OwnerLines) {
        if (!owner.empty()) text += owner + lineBreak;
    }
    return text + Settings.WebAddress;
}

}  // namespace

std::string AboutFileName(const std::string& languageCode) {
    return languageCode + ".dat";
}

std::string AboutBoxTitle() {
    std::string title = TitleText(titles_texts::kInfoTitle, Settings.LanguageCode);
    if (const auto at = title.find("%1"); at != std::string::npos) title.replace(at, 2, Settings.ProductName);
    return title;
}

std::string AboutBoxText() {
    const auto bytes = ReadLanguageFileBytes(AboutFileName(Settings.LanguageCode));
    if (!bytes || bytes->empty()) return BuiltInText();

    // Items the file does not hold stay empty.
    TextRecordReader in(*bytes);
    const auto next = [&in] {
        std::string item;
        in.ReadText(item);
        return item;
    };
    const std::string& lineBreak = Settings.LineBreak;
    const auto& owners = Settings.OwnerLines;
    next();
    const std::string l1 = Settings.ProductName + lineBreak + HeatCaption(kHeatProgramPurpose);
    next();
    const std::string l3 = next();
    const std::string l4 = Settings.NoticeLine + lineBreak + lineBreak;
    const std::string l5 = owners[0] + lineBreak;
    const std::string l6 = owners[1] + lineBreak;
    const std::string l7 = owners[2].empty() ? std::string() : owners[2] + lineBreak;
    const std::string l8 = next();
    const std::string l9 = Settings.WebAddress + lineBreak + lineBreak;
    const std::string l10 = next();
    const std::string l11 = next();
    return l1 + lineBreak + lineBreak + l3 + lineBreak + l4 + l5 + l6 + l7 + l8 + lineBreak + l9 + lineBreak +
           l10 + lineBreak + l11 + lineBreak;
}

}  // namespace tervalo
