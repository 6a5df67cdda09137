#include "report/page_layout.h"

#include <gtest/gtest.h>

#include "report/results_file.h"

namespace tervalo {
namespace {

using G = PageGeometry;

const std::string kBlank = "\r\n";
const std::string kRule = "        " + std::string(155, '-') + "\r\n";

std::string Field(const std::string& label, const std::string& value) {
    return "        " + label + std::string(kFieldMarker) + value;
}

TEST(PageLayoutTest, FrameBottomDiffersBetweenViewAndPaper) {
    for (auto [target, bottom] : {std::pair{PageTarget::View, 0.91}, std::pair{PageTarget::Paper, 0.90}}) {
        const PageLayout page = LayOutResultsPage({}, target);
        ASSERT_EQ(page.lines.size(), 4u);
        EXPECT_TRUE(page.texts.empty());
        const PageLine expected[] = {{0.08, 0.16, 0.08, bottom},
                                     {0.94, 0.16, 0.94, bottom},
                                     {0.08, 0.16, 0.94, 0.16},
                                     {0.08, bottom, 0.94, bottom}};
        for (int i = 0; i < 4; ++i) {
            EXPECT_DOUBLE_EQ(page.lines[i].x0, expected[i].x0);
            EXPECT_DOUBLE_EQ(page.lines[i].y0, expected[i].y0);
            EXPECT_DOUBLE_EQ(page.lines[i].x1, expected[i].x1);
            EXPECT_DOUBLE_EQ(page.lines[i].y1, expected[i].y1);
        }
    }
}

TEST(PageLayoutTest, BlankRecordsTakeNoSpaceAndTextAdvancesByTwoHundredths) {
    const PageLayout page =
        LayOutResultsPage({kBlank, "        &$$Report title\r\n", kBlank, "        &$$Building :", kBlank,
                           Field("Living area :", "   120 m\xB2"), kBlank, Field("Demand :", " kWh/m\xB2 a")},
                          PageTarget::View);
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
        EXPECT_FALSE(page.texts[i].bold);
    }
}

TEST(PageLayoutTest, RuleLengthDecidesBeforeAnyMarker) {
    const std::string exactly150(150, 'x');
    std::string marked151 = "        &$$" + std::string(kFieldMarker) + std::string(137, 'y');
    ASSERT_EQ(marked151.size(), 151u);
    const PageLayout page = LayOutResultsPage(
        {"        first", kRule, kRule, exactly150, marked151, "        after"}, PageTarget::Paper);
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
    const PageLayout page = LayOutResultsPage({GetParam().record, "        next"}, PageTarget::View);
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

TEST(PageLayoutTest, HeadingsAreBoldOnPaperOnlyAndOnlyTheirOwnRecord) {
    const std::vector<std::string> records = {"        &$$Heat pump :", Field("Price :", "0.2 EUR/kWh"),
                                              "        &$$Head" + std::string(kFieldMarker) + "value"};
    const PageLayout paper = LayOutResultsPage(records, PageTarget::Paper);
    ASSERT_EQ(paper.texts.size(), 5u);
    EXPECT_TRUE(paper.texts[0].bold);
    EXPECT_FALSE(paper.texts[1].bold);
    EXPECT_FALSE(paper.texts[2].bold);
    EXPECT_TRUE(paper.texts[3].bold);
    EXPECT_TRUE(paper.texts[4].bold);
    EXPECT_EQ(paper.texts[3].text, "Head");
    for (const PageText& text : LayOutResultsPage(records, PageTarget::View).texts) EXPECT_FALSE(text.bold);
}

TEST(PageLayoutTest, HeadingMarkerDropsEverythingBeforeIt) {
    const PageLayout page = LayOutResultsPage({"junk &$$  Title &$$ again"}, PageTarget::Paper);
    ASSERT_EQ(page.texts.size(), 1u);
    EXPECT_EQ(page.texts[0].text, "Title &$$ again");
}

TEST(PageLayoutTest, FieldMarkerAtTheStartGivesAnEmptyLabel) {
    const PageLayout page = LayOutResultsPage({std::string(kFieldMarker) + "  only value"}, PageTarget::View);
    ASSERT_EQ(page.texts.size(), 2u);
    EXPECT_EQ(page.texts[0].text, "");
    EXPECT_EQ(page.texts[1].text, "only value");
}

TEST(PageLayoutTest, LineEndsInsideATextDoNotReachThePage) {
    const PageLayout page = LayOutResultsPage({"        one\r\ntwo\r\n"}, PageTarget::View);
    ASSERT_EQ(page.texts.size(), 1u);
    EXPECT_EQ(page.texts[0].text, "one  two");
}

TEST(PageLayoutTest, RecordsBelowThePageAreNotLaidOut) {
    const std::vector<std::string> many(100000, "        line");
    const PageLayout page = LayOutResultsPage(many, PageTarget::Paper);
    // 0.145, 0.165, ... up to the last start above the page's lower edge.
    EXPECT_EQ(page.texts.size(), 43u);
    EXPECT_LT(page.texts.back().y, 1.0);
}

}  // namespace
}  // namespace tervalo
