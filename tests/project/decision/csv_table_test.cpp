#include "project/decision/csv_table.h"

#include <gtest/gtest.h>

#include <clocale>

#include "support/system_traits.h"

namespace tervalo::decision {
namespace {

using Cells = std::vector<std::string>;

TEST(CsvTable, QuotedCellsKeepDelimitersQuotesAndLineEnds) {
    const auto rows =
        ReadCsv("\xEF\xBB\xBFWohnFL,HeizArt\r\n\"1,5\",\"say \"\"hi\"\"\"\r\n\r\n\"two\nlines\",x\n7,");
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_EQ(rows[0].cells, (Cells{"WohnFL", "HeizArt"}));
    EXPECT_EQ(rows[1].cells, (Cells{"1,5", "say \"hi\""}));
    EXPECT_EQ(rows[2].cells, (Cells{"two\nlines", "x"}));
    EXPECT_EQ(rows[2].line, 4) << "the blank line counts";
    EXPECT_EQ(rows[3].cells, (Cells{"7", ""}));
    EXPECT_EQ(rows[3].line, 6);
    for (const auto& row : rows) EXPECT_EQ(row.error, "");
}

TEST(CsvTable, SemicolonsWhenTheHeaderHasNoComma) {
    const auto rows = ReadCsv("WohnFL;EnergKost\n150;0,2\n");
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[1].cells, (Cells{"150", "0,2"}));
    // A comma inside a quoted header cell is text, not the separator.
    const auto quoted = ReadCsv("\"Area, m2\";EnergKost\n150;0,2\n");
    ASSERT_EQ(quoted.size(), 2u);
    EXPECT_EQ(quoted[0].cells, (Cells{"Area, m2", "EnergKost"}));
    EXPECT_EQ(quoted[1].cells, (Cells{"150", "0,2"}));
}

TEST(CsvTable, MalformedRowsSayWhy) {
    auto rows = ReadCsv("a,b\n\"x\"y,1\n");
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[1].error, "text after a closing quote");
    rows = ReadCsv("a,b\n\"open,1\n");
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[1].error, "a quote opened in line 2 is not closed");
}

TEST(CsvTable, WrittenLinesReadBack) {
    const Cells cells{"plain", "1,5", "say \"hi\"", "two\r\nlines", ""};
    const auto rows = ReadCsv(CsvLine(cells) + CsvLine(cells));
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[1].cells, cells);
}

TEST(CsvTable, MachineNumbersIgnoreTheLocale) {
    const char* german = nullptr;
    for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "German_Germany.1252"})
        if (!german) german = std::setlocale(LC_NUMERIC, name);
    TERVALO_SKIP_UNLESS(german, "no German locale installed");
    EXPECT_EQ(MachineNumber(0.2222), "0.2222");
    EXPECT_EQ(MachineNumber(22000), "22000");
    EXPECT_EQ(MachineNumber(-5.573), "-5.573");
    const std::string sum = MachineNumber(0.1 + 0.2);
    std::setlocale(LC_NUMERIC, "C");
    EXPECT_EQ(std::stod(sum), 0.1 + 0.2) << "reads back as the same double";
}

}  // namespace
}  // namespace tervalo::decision
