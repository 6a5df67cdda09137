#include "engine/number_text.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <optional>

#include "engine/text_util.h"

namespace tervalo {

namespace {

bool IsIgnored(char c) {
    return c == ' ' || c == '\t' || c == '\n';
}

std::string WithoutIgnored(std::string_view text) {
    std::string kept;
    for (char c : text)
        if (!IsIgnored(c)) kept.push_back(c);
    return kept;
}

int DigitValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return 99;
}

// "&H" and "&O" numbers: up to four hex digits (six octal) form a 16-bit integer, longer ones a 32-bit
// integer, both with the top bit as sign ("&HFFFF" is -1).
double PrefixedNumber(std::string_view digits, int base) {
    unsigned long long value = 0;
    std::size_t count = 0;
    for (char c : digits) {
        const int digit = DigitValue(c);
        if (digit >= base) break;
        value = value * static_cast<unsigned>(base) + static_cast<unsigned>(digit);
        if (value > 0xFFFFFFFFull) return 0;  // overflow: the number is not taken
        ++count;
    }
    if (count == 0) return 0;
    const bool shortForm = value <= 0xFFFF && count <= (base == 16 ? 4u : 6u);
    if (shortForm) return static_cast<double>(static_cast<std::int16_t>(static_cast<std::uint16_t>(value)));
    return static_cast<double>(static_cast<std::int32_t>(static_cast<std::uint32_t>(value)));
}

// A plain decimal ([-]digits[.digits]) whose digits form an integer of at most 2^53 and which has at most 22
// decimals, the form of the data files' numbers: the integer and the power of ten are then both exact
// doubles, so their quotient is rounded once, to the double that a correctly rounding conversion gives.
// Nothing for any other text.
std::optional<double> ShortDecimal(std::string_view text) {
    static constexpr double kPowersOfTen[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                              1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                              1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
    const char* at = text.data();
    const char* const end = at + text.size();
    const bool negative = at != end && *at == '-';
    if (negative) ++at;
    std::uint64_t digits = 0;
    int count = 0;
    int decimals = 0;
    bool point = false;
    for (; at != end; ++at) {
        if (*at >= '0' && *at <= '9') {
            if (++count > 19) return std::nullopt;
            digits = digits * 10 + static_cast<unsigned>(*at - '0');
            decimals += point;
        } else if (*at == '.' && !point) {
            point = true;
        } else {
            return std::nullopt;
        }
    }
    if (count == 0 || digits > (std::uint64_t{1} << 53) || decimals > 22) return std::nullopt;
    const double value = static_cast<double>(digits) / kPowersOfTen[decimals];
    return negative ? -value : value;
}

// The longest prefix of `s` of the form [sign] digits [. digits] [E|D [sign] digits], the exponent introduced
// by "e", for from_chars; empty when it holds no digit.
std::string DecimalPrefix(const std::string& s) {
    std::string number;
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) number.push_back(s[i++]);
    bool anyDigit = false;
    while (i < s.size() && std::isdigit(static_cast<unsigned char>(s[i])))
        number.push_back(s[i++]), anyDigit = true;
    if (i < s.size() && s[i] == '.') {
        number.push_back(s[i++]);
        while (i < s.size() && std::isdigit(static_cast<unsigned char>(s[i])))
            number.push_back(s[i++]), anyDigit = true;
    }
    if (!anyDigit) return {};
    if (i < s.size() && std::string_view("EeDd").find(s[i]) != std::string_view::npos) {
        std::string exponent = "e";
        std::size_t j = i + 1;
        if (j < s.size() && (s[j] == '+' || s[j] == '-')) exponent.push_back(s[j++]);
        bool exponentDigits = false;
        while (j < s.size() && std::isdigit(static_cast<unsigned char>(s[j])))
            exponent.push_back(s[j++]), exponentDigits = true;
        if (exponentDigits) number += exponent;
    }
    return number;
}

// The power of ten of the leading digit of a DecimalPrefix without its sign, saturated far beyond any double.
long DecimalMagnitude(std::string_view number) {
    constexpr long kFar = 1000000;
    const std::size_t e = number.find('e');
    long exponent = 0;
    if (e != std::string_view::npos) {
        std::string_view digits = number.substr(e + 1);
        const bool negative = !digits.empty() && digits.front() == '-';
        if (!digits.empty() && (digits.front() == '-' || digits.front() == '+')) digits.remove_prefix(1);
        for (const char digit : digits) exponent = std::min(kFar, exponent * 10 + (digit - '0'));
        if (negative) exponent = -exponent;
    }
    const std::string_view mantissa = number.substr(0, e);
    const std::size_t point = std::min(mantissa.find('.'), mantissa.size());
    const std::size_t first = mantissa.find_first_of("123456789");
    if (first == std::string_view::npos) return -kFar;
    const long lead =
        first < point ? static_cast<long>(point - first) - 1 : -static_cast<long>(first - point);
    return lead + exponent;
}

}  // namespace

std::optional<double> OverflowingNumber(std::string_view text) {
    const std::string s = WithoutIgnored(text);
    if (!s.empty() && s[0] == '&') return std::nullopt;
    const std::string prefix = DecimalPrefix(s);
    std::string_view number = prefix;
    if (number.empty()) return std::nullopt;
    const bool negative = number.front() == '-';
    if (number.front() == '-' || number.front() == '+') number.remove_prefix(1);
    double value = 0;
    if (std::from_chars(number.data(), number.data() + number.size(), value).ec !=
            std::errc::result_out_of_range ||
        DecimalMagnitude(number) <= 0)
        return std::nullopt;
    return negative ? -std::numeric_limits<double>::infinity() : std::numeric_limits<double>::infinity();
}

double LeadingNumber(std::string_view text) {
    if (const auto value = ShortDecimal(text)) return *value;
    // Fast path for a field that is one plain decimal number, the usual case of the data files: any other
    // text takes the general path below, which gives the same value for such a field.
    std::string_view plain = text;
    const bool plus = !plain.empty() && plain.front() == '+';
    if (plus) plain.remove_prefix(1);
    const std::size_t first = !plus && !plain.empty() && plain.front() == '-' ? 1 : 0;
    if (first < plain.size() &&
        (plain[first] == '.' || std::isdigit(static_cast<unsigned char>(plain[first])))) {
        double parsed = 0;
        const auto [end, error] = std::from_chars(plain.data(), plain.data() + plain.size(), parsed);
        if (error == std::errc() && end == plain.data() + plain.size() && std::isfinite(parsed))
            return parsed;
    }

    const std::string s = WithoutIgnored(text);
    if (s.size() >= 2 && s[0] == '&') {
        const char kind = static_cast<char>(std::toupper(static_cast<unsigned char>(s[1])));
        if (kind == 'H') return PrefixedNumber(std::string_view(s).substr(2), 16);
        if (kind == 'O') return PrefixedNumber(std::string_view(s).substr(2), 8);
        return 0;
    }

    const std::string number = DecimalPrefix(s);
    if (number.empty()) return 0;
    // from_chars reads "." whatever the C locale, which a windowing toolkit sets from the user's environment
    // (strtod would stop at the "." under a German locale). Out of range, overflow or underflow to zero,
    // gives 0.
    std::string_view digits(number);
    if (digits.front() == '+') digits.remove_prefix(1);
    double value = 0;
    if (std::from_chars(digits.data(), digits.data() + digits.size(), value).ec != std::errc()) return 0;
    return std::isfinite(value) ? value : 0;
}

double ParseNumberText(std::string& text) {
    const auto posDot = text.find('.');
    const auto posComma = text.find(',');
    double value = 0;
    if (posComma != std::string::npos && posDot == std::string::npos) {
        const std::string left = TrimLeadingBlanks(std::string_view(text).substr(0, posComma));
        const std::string right = TrimLeadingBlanks(std::string_view(text).substr(posComma + 1));
        text = left + "." + right;
    }
    value = LeadingNumber(text);

    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos) value = 0;
    return value;
}

double RoundHalfEven(double value) {
    return std::nearbyint(value);
}

namespace {

// The text of a finite non-zero value with 15 significant digits, the sign and the separator: the digits
// from one conversion, laid out in full for exponents from −15 to 14 and as mantissa and exponent beyond.
// Writes at most 40 characters at `out` and returns the end. (The fixed form is the same as a second
// conversion with 14 − exponent decimals would give: both round the exact value at the same decimal place,
// also when rounding carries into a new leading digit, since the exponent is that of the rounded value.)
char* WriteGeneralNumber(char* out, double value, char decimalSeparator) {
    char buffer[32];
    // The decimal exponent of the value rounded to 15 significant digits. (log10 would not do: for a value
    // just below a power of ten, such as 999.9999999999994, it rounds up to the power and costs a digit.)
    // to_chars writes as printf does in the C locale, whatever locale the windowing toolkit has set (a German
    // one writes ",").
    const char* const end =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, 14).ptr;
    const char* digits = buffer;
    if (*digits == '-') *out++ = *digits++;
    const char* const exponentMark = std::find(digits, end, 'e');
    const char* exponentText = exponentMark + 1;
    if (*exponentText == '+') ++exponentText;
    int exponent = 0;
    std::from_chars(exponentText, end, exponent);

    // The 15 digits without the point, trailing zeros of the fraction cut.
    char significant[15];
    significant[0] = digits[0];
    std::copy(digits + 2, exponentMark, significant + 1);
    int count = 15;
    if (exponent < 15 && exponent >= -15) {
        const int wholeDigits = exponent + 1;  // digits before the point; none or fewer than none below 1
        while (count > std::max(wholeDigits, 0) && significant[count - 1] == '0') --count;
        if (wholeDigits <= 0) {
            *out++ = '0';
            *out++ = decimalSeparator;
            out = std::fill_n(out, -wholeDigits, '0');
            return std::copy(significant, significant + count, out);
        }
        out = std::copy(significant, significant + wholeDigits, out);
        if (count > wholeDigits) {
            *out++ = decimalSeparator;
            out = std::copy(significant + wholeDigits, significant + count, out);
        }
        return out;
    }
    while (count > 1 && significant[count - 1] == '0') --count;
    *out++ = significant[0];
    if (count > 1) {
        *out++ = decimalSeparator;
        out = std::copy(significant + 1, significant + count, out);
    }
    *out++ = 'E';
    return std::copy(exponentMark + 1, end, out);
}

}  // namespace

std::string GeneralNumberText(double value, char decimalSeparator) {
    if (!std::isfinite(value) || value == 0) return "0";
    char text[48];
    return std::string(text, WriteGeneralNumber(text, value, decimalSeparator));
}

std::string PointFormat(double value) {
    if (!std::isfinite(value) || value == 0) return " 0";
    // A leading blank unless the number has a sign.
    char text[48];
    text[0] = ' ';
    char* const end = WriteGeneralNumber(text + 1, value, '.');
    return std::string(value < 0 ? text + 1 : text, end);
}

std::string LocaleFormat(double value, char decimalSeparator) {
    return GeneralNumberText(value, decimalSeparator);
}

}  // namespace tervalo
