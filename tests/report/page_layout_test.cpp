#include "report/page_layout.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "report/results_file.h"

namespace tervalo {
namespace {

using G = PageGeometry;

const std::string kBlank = "\r\n";
const std::string kRule = "        " + std::string(155, '-') + "\r\n";

std::string Field(const std::string& label, const std::string& value) {
    return "        " + label + std::string(kFieldMarker) + value;
}

TEST(PageLayoutTest, FrameComesFirst) {
    const PageLayout page = LayOutResultsPage({});
    ASSERT_EQ(page.lines.size(), 4u);
    EXPECT_TRUE(page.texts.empty());
    const PageLine expected[] = {{0.08, 0.16, 0.08, 0.90},
                                 {0.94, 0.16, 0.94, 0.90},
                                 {0.08, 0.16, 0.94, 0.16},
                                 {0.08, 0.90, 0.94, 0.90}};
    for (int i = 0; i < 4; ++i) {
        EXPECT_DOUBLE_EQ(page.lines[i].x0, expected[i].x0);
        EXPECT_DOUBLE_EQ(page.lines[i].y0, expected[i].y0);
        EXPECT_DOUBLE_EQ(page.lines[i].x1, expected[i].x1);
        EXPECT_DOUBLE_EQ(page.lines[i].y1, expected[i].y1);
    }
}

TEST(PageLayoutTest, BlankRecordsTakeNoSpaceAndTextAdvancesByTwoHundredths) {
    const PageLayout page = LayOutResultsPage(
        {kBlank, "        &$$Report title\r\n", kBlank, "        &$$Building :", kBlank,
         Field("Living area :", "   120 m\xB2"), kBlank, Field("Demand :", " kWh/m\xB2 a")});
    ASSERT_EQ(page.texts.size(), 6u);
    const struct {
        double x, y;
        const char* text;
    } expected[] = {{0.09, 0.145, "Report title"},  {0.09, 0.165, "Building :"},
                    {0.09, 0.185, "Living area :"}, {0.55, 0.185, "120 m\xB2"},
                    {0.09, 0.205, "Demand :"},      {0.55, 0.205, "kWh/m\xB2 a"}};
    for (std::size_t i = 0; i < 6; ++i) {
        SCOPED_TRACE(i);
        EXPECT_DOUBLE_EQ(page.texts[i].x, expected[i].x);
        EXPECT_NEAR(page.texts[i].y, expected[i].y, 1e-12);
        EXPECT_EQ(page.texts[i].text, expected[i].text);
        EXPECT_EQ(page.texts[i].bold, i < 2);
        EXPECT_EQ(page.texts[i].scale, 1);
    }
}

TEST(PageLayoutTest, RuleLengthDecidesBeforeAnyMarker) {
    const std::string exactly150(150, 'x');
    std::string marked151 = "        &$$" + std::string(kFieldMarker) + std::string(137, 'y');
    ASSERT_EQ(marked151.size(), 151u);
    const PageLayout page =
        LayOutResultsPage({"        first", kRule, kRule, exactly150, marked151, "        after"});
    ASSERT_EQ(page.lines.size(), 4u + 3u);
    EXPECT_NEAR(page.lines[4].y0, 0.165, 1e-12);
    EXPECT_NEAR(page.lines[5].y0, 0.170, 1e-12);
    EXPECT_NEAR(page.lines[6].y0, 0.175, 1e-12);
    for (std::size_t i = 4; i < 7; ++i) {
        EXPECT_DOUBLE_EQ(page.lines[i].x0, 0.08);
        EXPECT_DOUBLE_EQ(page.lines[i].x1, 0.94);
        EXPECT_DOUBLE_EQ(page.lines[i].y0, page.lines[i].y1);
    }
    ASSERT_EQ(page.texts.size(), 2u);
    EXPECT_EQ(page.texts[1].text, "after");
    EXPECT_NEAR(page.texts[1].y, 0.180, 1e-12);
}

struct ShortRow {
    const char* name;
    std::string record;
    std::size_t texts;
    int advances;
};

class ShortRecordTest : public ::testing::TestWithParam<ShortRow> {};

TEST_P(ShortRecordTest, ShortRecordsWithoutFieldMarkerPrintNothing) {
    const PageLayout page = LayOutResultsPage({GetParam().record, "        next"});
    ASSERT_EQ(page.texts.size(), GetParam().texts + 1);
    // The line after takes the place the short record left free.
    EXPECT_NEAR(page.texts.back().y, G::kFirstLine + G::kLineAdvance * GetParam().advances, 1e-12);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ShortRecordTest,
    ::testing::Values(ShortRow{"Empty", "", 0, 0}, ShortRow{"CrLf", "\r\n", 0, 0},
                      ShortRow{"FourCharacters", "abcd", 0, 0}, ShortRow{"FiveCharacters", "abcde", 1, 1},
                      ShortRow{"IndentOnly", "        ", 1, 1}, ShortRow{"ShortHeading", "&$$ab", 1, 1},
                      ShortRow{"BareHeadingMarker", "&$$", 0, 0}, ShortRow{"ShortField", "\xA7$&b", 2, 1}),
    [](const auto& row) { return row.param.name; });

TEST(PageLayoutTest, HeadingsAreBoldAndOnlyTheirOwnRecord) {
    const std::vector<std::string> records = {"        &$$Heat pump :", Field("Price :", "0.2 EUR/kWh"),
                                              "        &$$Head" + std::string(kFieldMarker) + "value"};
    const PageLayout paper = LayOutResultsPage(records);
    ASSERT_EQ(paper.texts.size(), 5u);
    EXPECT_TRUE(paper.texts[0].bold);
    EXPECT_FALSE(paper.texts[1].bold);
    EXPECT_FALSE(paper.texts[2].bold);
    EXPECT_TRUE(paper.texts[3].bold);
    EXPECT_TRUE(paper.texts[4].bold);
    EXPECT_EQ(paper.texts[3].text, "Head");
}

TEST(PageLayoutTest, HeadingMarkerDropsEverythingBeforeIt) {
    const PageLayout page = LayOutResultsPage({"junk &$$  Title &$$ again"});
    ASSERT_EQ(page.texts.size(), 1u);
    EXPECT_EQ(page.texts[0].text, "Title &$$ again");
}

TEST(PageLayoutTest, FieldMarkerAtTheStartGivesAnEmptyLabel) {
    const PageLayout page = LayOutResultsPage({std::string(kFieldMarker) + "  only value"});
    ASSERT_EQ(page.texts.size(), 2u);
    EXPECT_EQ(page.texts[0].text, "");
    EXPECT_EQ(page.texts[1].text, "only value");
}

TEST(PageLayoutTest, LineEndsInsideATextDoNotReachThePage) {
    const PageLayout page = LayOutResultsPage({"        one\r\ntwo\r\n"});
    ASSERT_EQ(page.texts.size(), 1u);
    EXPECT_EQ(page.texts[0].text, "one  two");
}

TEST(PageLayoutTest, RecordsBelowThePageAreNotLaidOut) {
    const std::vector<std::string> many(100000, "        line");
    const PageLayout page = LayOutResultsPage(many);
    // 0.145, 0.165, ... up to the last start above the page's lower edge.
    EXPECT_EQ(page.texts.size(), 43u);
    EXPECT_LT(page.texts.back().y, 1.0);
}

// Every byte a hundredth of the page wide, bold ones a little wider; a line 0.0137 of the page high.
const TextMeasure kMeasure{[](const std::string& text, bool bold) {
                               return (bold ? 0.011 : 0.01) * static_cast<double>(text.size());
                           },
                           0.01, 0.0137};

PageLayout Fitted(const std::vector<std::string>& records) {
    PageLayout page = LayOutResultsPage(records);
    FitTextsToColumns(page, kMeasure);
    return page;
}

TEST(FitTextsTest, TextsThatFitKeepTheirPlaceAndSize) {
    // Labels end 0.01 before the values, values and plain lines 0.01 before the frame.
    const std::string label(45, 'l'), value(38, 'v'), plain(84, 'p');
    const PageLayout laid = LayOutResultsPage({Field(label, value), "        " + plain});
    const PageLayout page = Fitted({Field(label, value), "        " + plain});
    ASSERT_EQ(page.texts.size(), 3u);
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(page.texts[i].text, laid.texts[i].text);
        EXPECT_DOUBLE_EQ(page.texts[i].x, laid.texts[i].x);
        EXPECT_DOUBLE_EQ(page.texts[i].y, laid.texts[i].y);
        EXPECT_EQ(page.texts[i].scale, 1);
    }
    EXPECT_DOUBLE_EQ(page.texts[0].right, 0.54);
    EXPECT_DOUBLE_EQ(page.texts[1].right, 0.93);
    EXPECT_DOUBLE_EQ(page.texts[2].right, 0.93);
}

TEST(FitTextsTest, ASlightlyWideTextShrinksOnItsLineKeepingTheBaseline) {
    const PageLayout page = Fitted({"        &$$Title", Field(std::string(50, 'l'), "40 %")});
    ASSERT_EQ(page.texts.size(), 3u);
    const PageText& label = page.texts[1];
    EXPECT_NEAR(label.scale, 0.45 / 0.50, 1e-12);
    EXPECT_NEAR(label.y + 0.01 * label.scale, 0.165 + 0.01, 1e-12);
    EXPECT_EQ(page.texts[2].scale, 1);
    EXPECT_DOUBLE_EQ(page.texts[2].y, 0.165);
}

TEST(FitTextsTest, AMuchWiderTextWrapsAtTheBlankThatBalancesItsLines) {
    const std::string words = std::string(35, 'a') + " " + std::string(40, 'b') + " " + std::string(60, 'c');
    const PageLayout page = Fitted({"        &$$Title", "        " + words, "        next"});
    ASSERT_EQ(page.texts.size(), 4u);
    const PageText& first = page.texts[1];
    const PageText& second = page.texts[2];
    EXPECT_EQ(first.text, std::string(35, 'a') + " " + std::string(40, 'b'));
    EXPECT_EQ(second.text, std::string(60, 'c'));
    // Two lines share the line's 0.02 of the page; both start at the text column.
    EXPECT_NEAR(first.scale, 0.02 / (2 * 0.0137), 1e-12);
    EXPECT_EQ(second.scale, first.scale);
    EXPECT_DOUBLE_EQ(first.y, 0.165);
    EXPECT_NEAR(second.y + 0.0137 * second.scale, 0.185, 1e-12);
    EXPECT_DOUBLE_EQ(second.x, 0.09);
    EXPECT_LE(0.01 * 76 * first.scale, 0.84);
    // The line after stays where it was.
    EXPECT_DOUBLE_EQ(page.texts[3].y, 0.185);
    EXPECT_EQ(page.texts[3].scale, 1);
}

TEST(FitTextsTest, TheTitleAboveTheFrameAndWordsWithoutBlanksShrinkOnOneLine) {
    const std::string title = "&$$Quelmo : " + std::string(60, 't') + " - " + std::string(60, 'u');
    const PageLayout page = Fitted({title, Field("l", std::string(100, 'v'))});
    ASSERT_EQ(page.texts.size(), 3u);
    // Two lines of the title would reach into the frame: it keeps one line, smaller.
    EXPECT_NEAR(page.texts[0].scale, 0.84 / (0.011 * 132), 1e-12);
    EXPECT_NEAR(page.texts[2].scale, 0.38 / 1.00, 1e-12);
    EXPECT_EQ(page.texts[2].text, std::string(100, 'v'));
}

TEST(FitTextsTest, EveryFittedTextStaysInsideItsColumnAndItsLine) {
    std::mt19937 random(7);
    std::uniform_int_distribution<int> length(0, 149), blank(0, 8);
    std::vector<std::string> records;
    for (int r = 0; r < 45; ++r) {
        std::string text = r % 3 ? "        " : "        &$$";
        const int n = length(random);
        for (int i = 0; i < n; ++i) text += blank(random) ? 'x' : ' ';
        if (r % 2) text.insert(text.size() / 2, kFieldMarker);
        records.push_back(text.substr(0, 149));
    }
    const PageLayout page = Fitted(records);
    for (const PageText& text : page.texts) {
        SCOPED_TRACE(text.text);
        EXPECT_LE(text.x + kMeasure.width(text.text, text.bold) * text.scale, text.right + 1e-12);
        EXPECT_GT(text.scale, 0);
        EXPECT_LE(text.scale, 1);
        // Inside the space from its line's top to the next line, and the title above the frame's top edge.
        const double bottom = text.y + 0.0137 * text.scale;
        const double row = std::floor((text.y - G::kFirstLine + 1e-9) / G::kLineAdvance);
        const double rowTop = G::kFirstLine + row * G::kLineAdvance;
        if (row == 0) {
            EXPECT_LE(bottom, G::kFrameTop + 1e-12);
        }
        EXPECT_LE(bottom, rowTop + G::kLineAdvance + 1e-12);
    }
}

}  // namespace
}  // namespace tervalo
