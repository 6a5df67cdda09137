#pragma once

// Help files "Kelvhelp." followed by the language code: 128-byte records, each either "#" and 127 characters
// of help text or anything else (usually blanks), which carries nothing. A help page is a run of records
// whose carried texts, joined, make the page text.

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

namespace tervalo {

inline constexpr std::size_t kHelpRecordLength = 128;
inline constexpr std::size_t kHelpPieceLength = kHelpRecordLength - 1;
inline constexpr char kHelpRecordMarker = '#';

struct HelpPage {
    long firstRecord = 1;
    long recordCount = 0;

    // The most text the page holds.
    std::size_t Capacity() const { return kHelpPieceLength * static_cast<std::size_t>(recordCount); }
};

std::string HelpFileName(std::string_view languageCode);

// The page of a help topic: the product topic (product name followed by "-Software") is records 1 to 40;
// any other topic has no records and so an empty page.
HelpPage PageForTopic(std::string_view topic, std::string_view productName);
std::string ProductHelpTopic(std::string_view productName);

// The carried texts of the page's records joined in order. A missing file gives an empty text.
std::string ReadHelpPage(const std::filesystem::path& file, const HelpPage& page);

// Writes the text in 127-character pieces into the page's records, the records after the last piece becoming
// blanks, so no stale text of a longer page survives; text beyond the page's capacity is not stored. Records
// outside the page stay as they are; a missing file is created. Returns false when the file could not be
// written (it is then left as it was).
bool StoreHelpPage(const std::filesystem::path& file, const HelpPage& page, std::string_view text);

}  // namespace tervalo
