#pragma once

// The results file ergEN1.DAT: the report as a sequence of quoted text records, written for every printout
// and read back by the page drawing. It is the only channel between the project side and the report side.

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace tervalo {

inline constexpr std::string_view kResultsFileName = "ergEN1.DAT";

// Markers inside a record: a heading drops everything up to and including its marker when drawn; a field
// splits into label (left) and value (right) at its marker. The field marker is in Windows-1252 ("§$&").
inline constexpr std::string_view kHeadingMarker = "&$$";
inline constexpr std::string_view kFieldMarker = "\xA7$&";
inline constexpr std::string_view kRecordIndent = "        ";

// Largest results file the reader takes; a written report is a few kilobytes.
inline constexpr std::size_t kResultsFileLimit = 4u << 20;

// The records held in the bytes of a results file: each one everything between its quotes, embedded CR LF
// included; the CR LF after the closing quote is not part of it.
std::vector<std::string> ParseResultsRecords(std::string_view bytes);

// The records of the results file in the current directory; none when it is missing, unreadable or too large.
std::vector<std::string> ReadResultsFile(const std::filesystem::path& name = kResultsFileName);

// The file bytes of the records: each one in double quotes followed by CR LF. A record cannot carry a double
// quote (the format has no escape for it), so one inside a text is written as an apostrophe.
std::string EncodeResultsRecords(const std::vector<std::string>& records);

// Rewrites the results file from scratch (read-only attribute cleared first). False when it could not be
// written; the previous file is then left as it was.
bool WriteResultsRecords(const std::vector<std::string>& records,
                         const std::filesystem::path& name = kResultsFileName);

}  // namespace tervalo
