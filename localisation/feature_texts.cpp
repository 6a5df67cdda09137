#include "localisation/feature_texts.h"

#include <optional>

#include "engine/file_access.h"
#include "engine/text_record.h"
#include "localisation/code_page.h"
#include "localisation/language_tables.h"

namespace tervalo {

namespace {

const std::string kNoText;

// Caption files hold a few dozen short lines; anything far larger is not one.
constexpr std::size_t kFeatureFileLimit = 1u << 20;

// Up to `count` texts of a file in reading order; fewer when the file is missing, short or too large.
std::vector<std::string> ReadItems(const std::string& fileName, int count) {
    std::vector<std::string> items;
    const std::optional<std::string> bytes = ReadLanguageFileBytes(fileName, kFeatureFileLimit);
    if (!bytes) return items;
    TextRecordReader reader{std::string_view(*bytes)};
    std::string text;
    while (static_cast<int>(items.size()) < count && reader.ReadText(text)) items.push_back(text);
    return items;
}

}  // namespace

const std::string& FeatureTexts::operator[](int item) const {
    return item >= 1 && item <= size() ? items_[static_cast<std::size_t>(item - 1)] : kNoText;
}

std::string FeatureFileName(const FeatureFile& file, std::string_view languageCode) {
    return std::string(file.name) + "." + std::string(languageCode);
}

FeatureTexts LoadFeatureTexts(const FeatureFile& file, std::string_view languageCode) {
    const int codePage = CodePageOf(languageCode);
    const int count = file.itemCount > 0 ? file.itemCount : 0;
    std::vector<std::string> items = ReadItems(FeatureFileName(file, languageCode), count);
    items.resize(static_cast<std::size_t>(count));
    std::optional<std::vector<std::string>> english;
    for (std::size_t n = 0; n < items.size(); ++n) {
        if (!items[n].empty() && DecodesCleanly(items[n], codePage)) continue;
        items[n].clear();
        if (!english) english = ReadItems(FeatureFileName(file, "ENG"), count);
        if (n < english->size())
            items[n] = Utf8ToCodePage(CodePageToUtf8((*english)[n], CodePageOf("ENG")), codePage);
    }
    return FeatureTexts(std::move(items), codePage);
}

}  // namespace tervalo
