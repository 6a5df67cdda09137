#include "engine/number_text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <random>
#include <string>
#include <vector>

namespace tervalo {
namespace {

struct ParseRow {
    const char* name;
    const char* input;
    double value;
    const char* rewritten;
};

void PrintTo(const ParseRow& row, std::ostream* out) {
    *out << row.name;
}

class ParseNumberTextRows : public ::testing::TestWithParam<ParseRow> {};

TEST_P(ParseNumberTextRows, GivesValueAndRewritesText) {
    const ParseRow& row = GetParam();
    std::string text = row.input;
    EXPECT_DOUBLE_EQ(ParseNumberText(text), row.value);
    EXPECT_EQ(text, row.rewritten);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, ParseNumberTextRows,
    ::testing::Values(ParseRow{"comma", "12,5", 12.5, "12.5"}, ParseRow{"point", "12.5", 12.5, "12.5"},
                      ParseRow{"pointThenComma", "1.234,5", 1.234, "1.234,5"},
                      ParseRow{"commaThenPoint", "1,234.5", 1, "1,234.5"},
                      ParseRow{"onlyFirstCommaConverted", "1,2,3", 1.2, "1.2,3"},
                      ParseRow{"leadingComma", ",5", 0.5, ".5"}, ParseRow{"trailingComma", "3,", 3, "3."},
                      ParseRow{"blanksAroundComma", " 7 , 5", 7.5, "7 .5"}, ParseRow{"empty", "", 0, ""},
                      ParseRow{"blanksOnly", "   ", 0, "   "}, ParseRow{"letters", "abc", 0, "abc"},
                      ParseRow{"negativeComma", "-4,25", -4.25, "-4.25"},
                      ParseRow{"exponentE", "1.5E3", 1500, "1.5E3"},
                      ParseRow{"exponentD", "2D-2", 0.02, "2D-2"}, ParseRow{"hex", "&H1F", 31, "&H1F"},
                      ParseRow{"hexSixteenBitSign", "&HFFFF", -1, "&HFFFF"},
                      ParseRow{"hexLong", "&H10000", 65536, "&H10000"}, ParseRow{"octal", "&O17", 15, "&O17"},
                      ParseRow{"blanksInsideDigits", "1 2 3", 123, "1 2 3"},
                      ParseRow{"stopsAtLetter", "20 kW", 20, "20 kW"}, ParseRow{"plusSign", "+3", 3, "+3"},
                      ParseRow{"overflowGivesZero", "1E999", 0, "1E999"}),
    [](const auto& row) { return row.param.name; });

TEST(PointFormat, LeadingBlankForZeroAndPositive) {
    EXPECT_EQ(PointFormat(20), " 20");
    EXPECT_EQ(PointFormat(2.5), " 2.5");
    EXPECT_EQ(PointFormat(-5), "-5");
    EXPECT_EQ(PointFormat(0), " 0");
    EXPECT_EQ(PointFormat(114.5), " 114.5");
    EXPECT_EQ(PointFormat(0.1 + 0.2), " 0.3") << "15 significant digits hide the binary noise";
    EXPECT_EQ(PointFormat(17181.818181818182), " 17181.8181818182");
}

TEST(PointFormat, FifteenDigitsJustBelowAPowerOfTen) {
    struct Row {
        double value;
        const char* text;
    };
    const Row rows[] = {
        {999.9999999999994, " 999.999999999999"},  // log10 of it is exactly 3
        {999.9999999999996, " 1000"},              // rounds up to the power at 15 digits
        {99999999999999.94, " 99999999999999.9"},
        {9.999999999999994e-7, " 0.000000999999999999999"},
        {999999999999999.6, " 1E+15"},  // rounds up to 16 digits: the exponent form
    };
    for (const Row& row : rows) EXPECT_EQ(PointFormat(row.value), row.text) << row.value;
}

// The texts as two conversions form them, the reference of the one-conversion writer: the exponent of the
// value rounded to 15 digits from the scientific form, then the fixed form with 14 − exponent decimals (or
// the scientific form beyond ±15), trailing zeros cut.
std::string TwoConversionText(double value, char separator) {
    if (!std::isfinite(value) || value == 0) return "0";
    char buffer[64];
    const auto scientific =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, 14);
    // The buffer holds no terminating zero: the exponent is read up to the conversion's end only.
    const char* exponentText = std::find(buffer, scientific.ptr, 'e') + 1;
    if (*exponentText == '+') ++exponentText;
    int exponent = 0;
    std::from_chars(exponentText, scientific.ptr, exponent);
    std::string text(buffer, scientific.ptr);
    if (exponent < 15 && exponent >= -15)
        text = std::string(buffer, std::to_chars(buffer, buffer + sizeof buffer, value,
                                                 std::chars_format::fixed, 14 - exponent)
                                       .ptr);
    std::string tail;
    if (const auto e = text.find('e'); e != std::string::npos) {
        tail = "E" + text.substr(e + 1);
        text.erase(e);
    }
    if (text.find('.') != std::string::npos) {
        while (text.back() == '0') text.pop_back();
        if (text.back() == '.') text.pop_back();
    }
    text += tail;
    std::replace(text.begin(), text.end(), '.', separator);
    return text;
}

TEST(GeneralNumberText, OneConversionWritesWhatTwoConversionsWrite) {
    std::mt19937_64 random(27);
    std::vector<double> values{0.1 + 0.2,
                               999.9999999999996,
                               999.9999999999994,
                               999999999999999.6,
                               99999999999999.94,
                               9.999999999999994e-7,
                               1e-15,
                               9.9999999999999995e-16,
                               1e15,
                               1e14,
                               5e-324,
                               1.7e308,
                               0.5,
                               123456789012345.0,
                               -0.000123,
                               2.5,
                               20,
                               17181.818181818182};
    for (int i = 0; i < 20000; ++i) {
        // Any bit pattern, and decimal-looking values of every magnitude near the forms' borders.
        const double bits = std::bit_cast<double>(random());
        if (std::isfinite(bits)) values.push_back(bits);
        const int exponent = static_cast<int>(random() % 40) - 20;
        const double mantissa = static_cast<double>(random() % 10000000000000000ull) / 1e15;
        values.push_back((i % 2 ? -1 : 1) * mantissa * std::pow(10.0, exponent));
    }
    for (double value : values) {
        for (char separator : {'.', ','})
            ASSERT_EQ(GeneralNumberText(value, separator), TwoConversionText(value, separator)) << value;
        const std::string digits = TwoConversionText(value, '.');
        ASSERT_EQ(PointFormat(value), digits.front() == '-' ? digits : " " + digits) << value;
    }
}

// Plain decimals of every length around the quick path's limits (2^53, 22 decimals, 19 digits) read as the
// correctly rounding conversion reads them, bit for bit, and with the sign it gives to zero.
TEST(LeadingNumber, PlainDecimalsReadAsTheCorrectlyRoundingConversionReadsThem) {
    std::mt19937_64 random(27);
    std::vector<std::string> texts{"-0",
                                   "0",
                                   "0.",
                                   "9007199254740992",
                                   "9007199254740993",
                                   "-9007199254740993.5",
                                   "0.0000000000000000000001",
                                   "1.00000000000000000000001",
                                   "1234567890123456789",
                                   "12345678901234567890",
                                   "183.15",
                                   "0.0481302829",
                                   "-101.317735"};
    for (int i = 0; i < 100000; ++i) {
        std::string digits = std::to_string(random() >> (random() % 64));
        const std::size_t point = random() % (digits.size() + 1);
        if (i % 3) digits.insert(point, ".");
        if (i % 5 == 0) digits.insert(0, std::string(random() % 20, '0'));
        texts.push_back(i % 2 ? "-" + digits : digits);
    }
    for (const std::string& text : texts) {
        double expected = 0;
        std::from_chars(text.data(), text.data() + text.size(), expected);
        const double read = LeadingNumber(text);
        ASSERT_EQ(std::bit_cast<std::uint64_t>(read), std::bit_cast<std::uint64_t>(expected)) << text;
    }
}

TEST(LocaleFormat, UsesTheGivenSeparatorWithoutLeadingBlank) {
    EXPECT_EQ(LocaleFormat(3.45, ','), "3,45");
    EXPECT_EQ(LocaleFormat(3.45, '.'), "3.45");
    EXPECT_EQ(LocaleFormat(-0.125, ','), "-0,125");
    EXPECT_EQ(LocaleFormat(1234567, ','), "1234567") << "no thousands separator";
}

TEST(UnitLabels, DegreeSignIsTheCodePageByte) {
    EXPECT_EQ(TemperatureUnitLabel,
              "\xB0"
              "C");
}

// A decimal number beyond the range of a double is an overflow of its sign, whatever its form; an underflow,
// an ordinary number and a text without a number are none. LeadingNumber keeps giving 0 for it.
TEST(OverflowingNumber, IsInfinityForEveryNumberBeyondTheRange) {
    std::mt19937 random(30);
    const auto digits = [&](std::size_t count) {
        std::string text;
        for (std::size_t i = 0; i < count; ++i)
            text += static_cast<char>('0' + (i == 0 ? 1 + random() % 9 : random() % 10));
        return text;
    };
    constexpr double inf = std::numeric_limits<double>::infinity();
    for (int trial = 0; trial < 300; ++trial) {
        const std::string mantissa = digits(1 + random() % 20);
        const int exponent = 309 + static_cast<int>(random() % 5000);
        const std::string sign = trial % 3 == 0 ? "-" : trial % 3 == 1 ? "+" : "";
        for (const std::string& text : {sign + mantissa + "e" + std::to_string(exponent),
                                        sign + "0.00" + mantissa + "D" + std::to_string(exponent + 3),
                                        sign + digits(310 + random() % 400),
                                        " " + sign + mantissa + "E+" + std::to_string(exponent) + "xyz"}) {
            SCOPED_TRACE(text.substr(0, 40));
            EXPECT_EQ(OverflowingNumber(text), sign == "-" ? -inf : inf);
            EXPECT_EQ(LeadingNumber(text), 0);
        }
        for (const std::string& text : std::vector<std::string>{
                 mantissa + "e-" + std::to_string(exponent + 20), "0.000e" + std::to_string(exponent),
                 digits(1 + random() % 15) + "." + digits(3), mantissa + "e" + std::to_string(random() % 290),
                 "&H" + digits(400), "abc", std::string()}) {
            SCOPED_TRACE(text.substr(0, 40));
            EXPECT_EQ(OverflowingNumber(text), std::nullopt);
        }
    }
    EXPECT_EQ(OverflowingNumber("1e99999999999999999999"), inf) << "an exponent beyond any integer";
    EXPECT_EQ(OverflowingNumber("1.7976931348623157e308"), std::nullopt) << "the largest double";
}

}  // namespace
}  // namespace tervalo
