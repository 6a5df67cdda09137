// Number texts read and written with "." whatever C locale the windowing toolkit has set from the user's
// environment, and the two roads by which a number text is read.

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "engine/number_text.h"
#include "support/system_traits.h"

namespace tervalo {
namespace {

class CommaLocaleTest : public ::testing::Test {
  protected:
    void SetUp() override {
        previous_ = std::setlocale(LC_NUMERIC, nullptr);
        for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "de_DE", "German_Germany.1252"})
            if (std::setlocale(LC_NUMERIC, name)) return;
        TERVALO_SKIP_UNLESS(false, "no German locale installed");
    }
    void TearDown() override { std::setlocale(LC_NUMERIC, previous_.c_str()); }

  private:
    std::string previous_;
};

TEST_F(CommaLocaleTest, ReadsThePoint) {
    EXPECT_EQ(LeadingNumber("12.5"), 12.5);
    EXPECT_EQ(LeadingNumber("-1.25E2"), -125);
    std::string typed = "3,75";
    EXPECT_EQ(ParseNumberText(typed), 3.75);
}

TEST_F(CommaLocaleTest, WritesThePoint) {
    EXPECT_EQ(PointFormat(2.5), " 2.5");
    EXPECT_EQ(PointFormat(0.1 + 0.2), " 0.3");
    EXPECT_EQ(PointFormat(-114.5), "-114.5");
    EXPECT_EQ(PointFormat(2e20), " 2E+20");
    EXPECT_EQ(LocaleFormat(3.45, ','), "3,45");
}

// Plain numbers take a shorter road than other texts; both must agree.
TEST(LeadingNumberPaths, PlainAndOtherTextsAgree) {
    struct Row {
        const char* text;
        double expected;
    };
    const Row rows[] = {
        {"12.5", 12.5}, {"-.5", -0.5},       {"+.5", 0.5},   {"5.", 5},       {".", 0},
        {"-", 0},       {"+-5", 0},          {"-+5", 0},     {"1D3", 1000},   {"1e", 1},
        {"1E5", 1e5},   {"12.5e-3", 0.0125}, {"nan", 0},     {"inf", 0},      {"-inf", 0},
        {"1e400", 0},   {"1e-400", 0},       {"0x1A", 0},    {"1 000", 1000}, {"- 5", -5},
        {"&HFF", 255},  {"007", 7},          {"1.5.5", 1.5}, {"2e+2x", 200},  {"", 0},
    };
    for (const Row& row : rows) EXPECT_EQ(LeadingNumber(row.text), row.expected) << '"' << row.text << '"';
}

TEST(LeadingNumberPaths, PrintedDoublesReadBackExactly) {
    std::uint64_t state = 0x9E3779B97F4A7C15u;
    for (int i = 0; i < 20000; ++i) {
        state ^= state << 13, state ^= state >> 7, state ^= state << 17;
        double value = static_cast<double>(state >> 11) * 0x1p-53;  // [0, 1)
        value = (value - 0.5) * std::pow(10.0, static_cast<int>(state % 40) - 20);
        char text[64];
        std::snprintf(text, sizeof text, i % 2 ? "%.17g" : "%.9g", value);
        ASSERT_EQ(LeadingNumber(text), std::strtod(text, nullptr)) << text;
    }
}

}  // namespace
}  // namespace tervalo
