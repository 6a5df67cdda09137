#include "engine/fixed_record.h"

#include <algorithm>
#include <fstream>

#include "engine/file_access.h"

namespace tervalo {

FixedRecordFile::FixedRecordFile(std::string bytes, std::size_t recordLength)
    : bytes_(std::move(bytes)), recordLength_(recordLength == 0 ? 1 : recordLength) {}

FixedRecordFile FixedRecordFile::Load(const std::filesystem::path& name, std::size_t recordLength,
                                      std::size_t limit) {
    return FixedRecordFile(ReadFileBytes(name, limit).value_or(std::string()), recordLength);
}

bool FixedRecordFile::Save(const std::filesystem::path& name) const {
    return ReplaceFileBytes(name, bytes_);
}

std::string FixedRecordFile::Record(long n) const {
    std::string record(recordLength_, ' ');
    if (n < 1) return record;
    const std::size_t start = static_cast<std::size_t>(n - 1) * recordLength_;
    if (start < bytes_.size())
        record.replace(0, std::min(recordLength_, bytes_.size() - start), bytes_, start,
                       std::min(recordLength_, bytes_.size() - start));
    return record;
}

void FixedRecordFile::SetRecord(long n, std::string_view text) {
    if (n < 1) return;
    const std::size_t start = static_cast<std::size_t>(n - 1) * recordLength_;
    if (bytes_.size() < start + recordLength_) bytes_.resize(start + recordLength_, ' ');
    std::string record(text.substr(0, recordLength_));
    record.resize(recordLength_, ' ');
    bytes_.replace(start, recordLength_, record);
}

long FixedRecordFile::RecordCount() const {
    return static_cast<long>(bytes_.size() / recordLength_);
}

std::optional<std::string> ReadFixedRecord(const std::filesystem::path& path, std::size_t recordLength,
                                           long n) {
    std::ifstream in(path, std::ios::binary);
    if (!in || n < 1) return std::nullopt;
    std::string record(recordLength, '\0');
    in.seekg(static_cast<std::streamoff>(static_cast<std::size_t>(n - 1) * recordLength));
    in.read(record.data(), static_cast<std::streamsize>(recordLength));
    record.resize(in ? recordLength : static_cast<std::size_t>(std::max<std::streamsize>(in.gcount(), 0)));
    return record;
}

bool WriteFixedRecord(const std::filesystem::path& path, std::size_t recordLength, long n,
                      std::string_view text, std::size_t limit) {
    auto bytes = ReadFileBytes(path, limit);
    if (!bytes || n < 1) return false;
    FixedRecordFile file(std::move(*bytes), recordLength);
    file.SetRecord(n, text);
    return file.Save(path);
}

}  // namespace tervalo
