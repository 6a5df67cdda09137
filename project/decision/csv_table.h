#pragma once

// Tables as CSV text (quoted cells with "" for a quote, CR LF or LF line ends), for the batch of projects,
// and numbers in the machine form that such files carry whatever the locale.

#include <string>
#include <string_view>
#include <vector>

namespace tervalo::decision {

struct CsvRow {
    int line = 0;  // where the row starts in the text, from 1
    std::vector<std::string> cells;
    std::string error;  // the row could not be read (an open quote, text after a closing quote)
};

// The rows of the text, blank lines left out, a UTF-8 byte-order mark ignored. The cells are separated by
// ";" when the first line has a ";" and no "," outside quotes, else by ",".
std::vector<CsvRow> ReadCsv(std::string_view text);

// One line of cells, each quoted, separated by `separator`, ended by CR LF.
std::string CsvLine(const std::vector<std::string>& cells, char separator = ',');

// The shortest text that reads back as the same double, with "." and without exponent for ordinary
// magnitudes; independent of the locale.
std::string MachineNumber(double value);

}  // namespace tervalo::decision
