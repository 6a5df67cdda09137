#include "project/decision/csv_table.h"

#include <charconv>

namespace tervalo::decision {

namespace {

char DelimiterOf(std::string_view text) {
    bool quoted = false, semicolon = false;
    for (const char c : text) {
        if (c == '"') quoted = !quoted;
        if (quoted) continue;
        if (c == '\n') break;
        if (c == ',') return ',';
        if (c == ';') semicolon = true;
    }
    return semicolon ? ';' : ',';
}

bool IsBlank(const CsvRow& row) {
    return row.error.empty() && row.cells.size() == 1 && row.cells[0].empty();
}

}  // namespace

std::vector<CsvRow> ReadCsv(std::string_view text) {
    if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
    const char delimiter = DelimiterOf(text);
    std::vector<CsvRow> rows;
    int line = 1;
    std::size_t at = 0;
    while (at < text.size()) {
        CsvRow row;
        row.line = line;
        std::string cell;
        bool ended = false;
        while (!ended) {
            const bool quotedCell = at < text.size() && text[at] == '"';
            if (quotedCell) {
                // A quoted cell: up to the lone closing quote; line ends inside belong to the cell.
                ++at;
                bool closed = false;
                while (at < text.size()) {
                    const char c = text[at++];
                    if (c == '"') {
                        if (at < text.size() && text[at] == '"') {
                            cell += '"';
                            ++at;
                            continue;
                        }
                        closed = true;
                        break;
                    }
                    if (c == '\n') ++line;
                    cell += c;
                }
                if (!closed)
                    row.error = "a quote opened in line " + std::to_string(row.line) + " is not closed";
            }
            // The unquoted rest of the cell, up to the delimiter or the line end.
            while (at < text.size() && text[at] != delimiter && text[at] != '\n') {
                if (quotedCell && text[at] != '\r' && row.error.empty())
                    row.error = "text after a closing quote";
                cell += text[at++];
            }
            if (at < text.size() && text[at] == delimiter) {
                ++at;
            } else {
                ended = true;
                if (at < text.size()) ++at;  // the line feed
                ++line;
            }
            if (!cell.empty() && cell.back() == '\r' && ended) cell.pop_back();
            row.cells.push_back(std::move(cell));
            cell.clear();
        }
        if (!IsBlank(row)) rows.push_back(std::move(row));
    }
    return rows;
}

std::string CsvLine(const std::vector<std::string>& cells, char separator) {
    std::string line;
    for (std::size_t i = 0; i < cells.size(); ++i) {
        if (i) line += separator;
        line += '"';
        for (const char c : cells[i]) {
            if (c == '"') line += '"';
            line += c;
        }
        line += '"';
    }
    return line + "\r\n";
}

std::string MachineNumber(double value) {
    char text[64];
    const auto result = std::to_chars(text, text + sizeof text, value);
    return std::string(text, result.ptr);
}

}  // namespace tervalo::decision
