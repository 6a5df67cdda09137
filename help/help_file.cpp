#include "help/help_file.h"

#include "engine/file_access.h"
#include "engine/fixed_record.h"

namespace tervalo {

namespace {

constexpr long kProductPageFirstRecord = 1;
constexpr long kProductPageRecords = 40;

// A help file holds 40 records of 128 bytes; a file far above that is no help file and is neither read nor
// overwritten.
constexpr std::size_t kHelpFileByteLimit = 1u << 20;

}  // namespace

std::string HelpFileName(std::string_view languageCode) {
    return "Kelvhelp." + std::string(languageCode);
}

std::string ProductHelpTopic(std::string_view productName) {
    return std::string(productName) + "-Software";
}

HelpPage PageForTopic(std::string_view topic, std::string_view productName) {
    if (topic == ProductHelpTopic(productName)) return {kProductPageFirstRecord, kProductPageRecords};
    return {kProductPageFirstRecord, 0};
}

std::string ReadHelpPage(const std::filesystem::path& file, const HelpPage& page) {
    const FixedRecordFile records(ReadFileBytes(file, kHelpFileByteLimit).value_or(std::string()),
                                  kHelpRecordLength);
    std::string text;
    for (long i = 0; i < page.recordCount; ++i) {
        const std::string record = records.Record(page.firstRecord + i);
        if (record.front() == kHelpRecordMarker) text.append(record, 1, kHelpPieceLength);
    }
    return text;
}

bool StoreHelpPage(const std::filesystem::path& file, const HelpPage& page, std::string_view text) {
    if (page.recordCount <= 0) return true;
    // The records outside the page are kept, so a file that exists but cannot be read is not overwritten.
    std::string bytes;
    if (const auto existing = FindFileNoCase(file)) {
        auto read = ReadFileBytes(*existing, kHelpFileByteLimit);
        if (!read) return false;
        bytes = std::move(*read);
    }
    FixedRecordFile records(std::move(bytes), kHelpRecordLength);
    // One piece more than the whole 127-character pieces: a text of exactly 127 characters takes two records,
    // the second holding the marker alone.
    const std::size_t pieces = text.size() / kHelpPieceLength + 1;
    for (long i = 0; i < page.recordCount; ++i) {
        const std::size_t piece = static_cast<std::size_t>(i);
        if (piece < pieces) {
            const std::size_t start = std::min(text.size(), piece * kHelpPieceLength);
            records.SetRecord(page.firstRecord + i,
                              kHelpRecordMarker + std::string(text.substr(start, kHelpPieceLength)));
        } else {
            records.SetRecord(page.firstRecord + i, std::string(kHelpRecordLength, ' '));
        }
    }
    return records.Save(file);
}

}  // namespace tervalo
