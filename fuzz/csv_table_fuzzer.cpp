// Arbitrary bytes as a batch file: read into rows, written and read again to the same cells.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "project/decision/csv_table.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tervalo::decision;
    const auto rows = ReadCsv(std::string_view(reinterpret_cast<const char*>(data), size));
    std::string written;
    std::size_t kept = 0;
    for (const CsvRow& row : rows) {
        if (row.line < 1) __builtin_trap();
        // Written cells hold no delimiter question: a row of one empty cell is a blank line and left out.
        if (!row.error.empty() || (row.cells.size() == 1 && row.cells[0].empty())) continue;
        written += CsvLine(row.cells);
        ++kept;
    }
    const auto again = ReadCsv(written);
    if (again.size() != kept) __builtin_trap();
    std::size_t at = 0;
    for (const CsvRow& row : rows) {
        if (!row.error.empty() || (row.cells.size() == 1 && row.cells[0].empty())) continue;
        if (again[at++].cells != row.cells) __builtin_trap();
    }
    return 0;
}
