#pragma once

// Fixed-record files: record n (counted from 1) of length L begins at byte (n - 1) * L.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace tervalo {

class FixedRecordFile {
  public:
    // Holds the bytes of a file of records of `recordLength` bytes (empty when the file is missing, or above
    // `limit` bytes: no file of records the program keeps comes near its limit).
    FixedRecordFile(std::string bytes, std::size_t recordLength);
    static FixedRecordFile Load(const std::filesystem::path& name, std::size_t recordLength,
                                std::size_t limit);

    // Replaces the file `name` with these records (see ReplaceFileBytes).
    bool Save(const std::filesystem::path& name) const;

    // Record n; a record beyond the end reads as blanks, as an unwritten record of a random-access file does,
    // and one cut by the end of the file is filled up with blanks.
    std::string Record(long n) const;

    // Writes record n, padded with blanks or cut to the record length; the file grows with blank records.
    void SetRecord(long n, std::string_view text);

    long RecordCount() const;
    const std::string& bytes() const { return bytes_; }

  private:
    std::string bytes_;
    std::size_t recordLength_;
};

// Record n of the file at `path`, read by seeking to it: as much of it as the file holds (empty beyond the
// end); nothing when the file cannot be opened.
std::optional<std::string> ReadFixedRecord(const std::filesystem::path& path, std::size_t recordLength,
                                           long n);

// Rewrites record n of the existing file at `path` as SetRecord does and replaces the file as a whole, so an
// interruption leaves the old or the new file. Fails when the file is missing, unreadable or above `limit`.
bool WriteFixedRecord(const std::filesystem::path& path, std::size_t recordLength, long n,
                      std::string_view text, std::size_t limit);

}  // namespace tervalo
