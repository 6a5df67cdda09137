// The separator of the numbers the windows and the printed pages show: the language's, whatever separator a
// project text was formed with; words that only look like numbers keep theirs.

#include "localisation/shown_numbers.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "localisation/languages.h"

namespace tervalo {
namespace {

TEST(ShownNumbers, EveryNumberWordTakesTheLanguagesSeparator) {
    struct Row {
        const char* name;
        const char* text;
        const char* comma;  // shown with ","
        const char* point;  // shown with "."
    } rows[] = {
        {"point format with its blank", " 2.5", " 2,5", " 2.5"},
        {"system comma", "1,678", "1,678", "1.678"},
        {"with a unit", "3.947 t/a", "3,947 t/a", "3.947 t/a"},
        {"a label with a value", "COP = 3.45", "COP = 3,45", "COP = 3.45"},
        {"signed, bracketed, percent", "(-0.5%) +1.25", "(-0,5%) +1,25", "(-0.5%) +1.25"},
        {"whole numbers", "20 kW 1200", "20 kW 1200", "20 kW 1200"},
        {"a date and a version", "07.12.2026 v1.2.3", "07.12.2026 v1.2.3", "07.12.2026 v1.2.3"},
        {"a word with a point", "Str. 5 Nr.2 .5 5.", "Str. 5 Nr.2 .5 5.", "Str. 5 Nr.2 .5 5."},
        {"empty", "", "", ""},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(ShownNumbers(row.text, ','), row.comma);
        EXPECT_EQ(ShownNumbers(row.text, '.'), row.point);
    }
}

// Over random texts of digits, separators, blanks and letters: only separators change, and showing the shown
// text with the other separator and back gives it again.
TEST(ShownNumbers, OnlySeparatorsChangeAndTheChangeGoesBack) {
    std::mt19937 random(7);
    const std::string alphabet = "0123456789.,. -(%)ab";
    for (int i = 0; i < 2000; ++i) {
        std::string text;
        for (int n = static_cast<int>(random() % 24); n > 0; --n)
            text += alphabet[random() % alphabet.size()];
        for (const char separator : {',', '.'}) {
            const std::string shown = ShownNumbers(text, separator);
            ASSERT_EQ(shown.size(), text.size());
            for (std::size_t k = 0; k < text.size(); ++k)
                if (shown[k] != text[k]) {
                    ASSERT_TRUE(shown[k] == separator && (text[k] == '.' || text[k] == ','));
                }
            const char other = separator == ',' ? '.' : ',';
            EXPECT_EQ(ShownNumbers(ShownNumbers(shown, other), separator), shown) << text;
        }
    }
}

TEST(ShownNumbers, FormulaArgumentsStayApartWithADecimalComma) {
    const std::string numbers = "T_3(17.29/4.21, 1.1, 318.15 K) − 273.15";
    EXPECT_EQ(ShownFormulaNumbers(numbers, ','), "T_3(17,29/4,21; 1,1; 318,15 K) − 273,15");
    EXPECT_EQ(ShownFormulaNumbers(numbers, '.'), numbers);
    EXPECT_EQ(ShownFormulaNumbers("5 + 8 + -5", ','), "5 + 8 + -5");
}

// Cyrillic code pages have no superscripts, so the project writes m2 and m3; windows and pages show m² and
// m³, and nothing else that merely contains the letters.
TEST(ShownNumbers, UnitsGetTheirSuperscriptsBack) {
    EXPECT_EQ(SuperscriptUnits("135 m2"), "135 m\u00B2");
    EXPECT_EQ(SuperscriptUnits("kWh/m2 a"), "kWh/m\u00B2 a");
    EXPECT_EQ(SuperscriptUnits("m3/a EUR/m3 (m2)"), "m\u00B3/a EUR/m\u00B3 (m\u00B2)");
    EXPECT_EQ(SuperscriptUnits("m2"), "m\u00B2");
    for (const char* unchanged : {"km2", "m22", "m2a", "Raum2", "m", "m\u00B2", "HM3 m4"})
        EXPECT_EQ(SuperscriptUnits(unchanged), unchanged);
}

TEST(ShownNumbers, EachLanguageHasOneSeparator) {
    EXPECT_EQ(ShownDecimalSeparator("GER"), ',');
    EXPECT_EQ(ShownDecimalSeparator("RUS"), ',');
    EXPECT_EQ(ShownDecimalSeparator("ENG"), '.');
    EXPECT_EQ(ShownDecimalSeparator("XYZ"), '.');
    for (const LanguageRow& row : Languages())
        EXPECT_TRUE(row.decimalSeparator == ',' || row.decimalSeparator == '.') << row.code;
}

}  // namespace
}  // namespace tervalo
