#pragma once

// The caption files of the features beyond the four specified language files: "<Feature>." + language code,
// one quoted text per line in the language's code page, written by the language-file generator together with
// a header of item names (e.g. "localisation/lifetime_texts.h"). A feature's texts are loaded where its
// window or page needs them and handed on as a value.

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tervalo {

// A feature's caption file: its name before the language code and the number of items it holds.
struct FeatureFile {
    std::string_view name;
    int itemCount;
};

// The texts of one feature in one language, as bytes of that language's code page.
class FeatureTexts {
  public:
    FeatureTexts() = default;
    FeatureTexts(std::vector<std::string> items, int codePage)
        : items_(std::move(items)), codePage_(codePage) {}

    // Item 1 to the file's item count; any other number gives an empty text.
    const std::string& operator[](int item) const;
    int codePage() const { return codePage_; }
    int size() const { return static_cast<int>(items_.size()); }

  private:
    std::vector<std::string> items_;
    int codePage_ = 1252;
};

std::string FeatureFileName(const FeatureFile& file, std::string_view languageCode);

// The texts of `file` in the language. An item the language's file lacks (missing, short or damaged file,
// empty text, bytes its code page leaves undefined) is taken from the English file and carried into the
// language's code page; an item neither file holds stays empty.
FeatureTexts LoadFeatureTexts(const FeatureFile& file, std::string_view languageCode);

}  // namespace tervalo
