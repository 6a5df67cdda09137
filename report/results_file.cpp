#include "report/results_file.h"

#include <algorithm>

#include "engine/file_access.h"
#include "engine/text_record.h"

namespace tervalo {

std::vector<std::string> ParseResultsRecords(std::string_view bytes) {
    std::vector<std::string> records;
    TextRecordReader reader(bytes);
    std::string record;
    while (reader.ReadText(record)) records.push_back(std::move(record));
    return records;
}

std::vector<std::string> ReadResultsFile(const std::filesystem::path& name) {
    const auto bytes = ReadFileBytes(name, kResultsFileLimit);
    if (!bytes) return {};
    return ParseResultsRecords(*bytes);
}

std::string EncodeResultsRecords(const std::vector<std::string>& records) {
    TextRecordWriter writer;
    for (std::string record : records) {
        std::replace(record.begin(), record.end(), '"', '\'');
        writer.Text(record);
        writer.EndStatement();
    }
    return writer.bytes();
}

bool WriteResultsRecords(const std::vector<std::string>& records, const std::filesystem::path& name) {
    return ReplaceFileBytes(name, EncodeResultsRecords(records));
}

}  // namespace tervalo
