#include "localisation/shown_numbers.h"

namespace tervalo {

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Where the separator of a number word stands in text[begin, end); npos when the word is no such number.
std::size_t SeparatorOfNumberWord(std::string_view text, std::size_t begin, std::size_t end) {
    while (begin < end && (text[begin] == '(' || text[begin] == '-' || text[begin] == '+')) ++begin;
    while (end > begin && (text[end - 1] == ')' || text[end - 1] == '%')) --end;
    std::size_t separator = std::string_view::npos;
    for (std::size_t i = begin; i < end; ++i) {
        if (IsDigit(text[i])) continue;
        if ((text[i] != '.' && text[i] != ',') || separator != std::string_view::npos)
            return std::string_view::npos;
        separator = i;
    }
    if (separator == std::string_view::npos || separator == begin || separator + 1 == end)
        return std::string_view::npos;
    return separator;
}

}  // namespace

std::string ShownNumbers(std::string_view text, char separator) {
    std::string shown(text);
    std::size_t begin = 0;
    while (begin < text.size()) {
        std::size_t end = begin;
        while (end < text.size() && text[end] != ' ') ++end;
        if (const std::size_t at = SeparatorOfNumberWord(text, begin, end); at != std::string_view::npos)
            shown[at] = separator;
        begin = end + 1;
    }
    return shown;
}

std::string ShownFormulaNumbers(std::string_view text, char separator) {
    std::string shown;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (separator == ',' && text[i] == ',' && i + 1 < text.size() && text[i + 1] == ' ') {
            shown += ';';
            continue;
        }
        const bool between = i > 0 && i + 1 < text.size() && IsDigit(text[i - 1]) && IsDigit(text[i + 1]);
        shown += (text[i] == '.' || text[i] == ',') && between ? separator : text[i];
    }
    return shown;
}

std::string SuperscriptUnits(std::string_view text) {
    std::string shown;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool unitStart = text[i] == 'm' &&
                               (i == 0 || text[i - 1] == ' ' || text[i - 1] == '/' || text[i - 1] == '(') &&
                               i + 1 < text.size() && (text[i + 1] == '2' || text[i + 1] == '3');
        const bool unitEnd =
            i + 2 >= text.size() || text[i + 2] == ' ' || text[i + 2] == '/' || text[i + 2] == ')';
        if (unitStart && unitEnd) {
            shown += text[i + 1] == '2' ? "m\u00B2" : "m\u00B3";
            ++i;
            continue;
        }
        shown += text[i];
    }
    return shown;
}

}  // namespace tervalo
