// Number texts read and written with "." whatever C locale the windowing toolkit has set from the user's
// environment.

#include <gtest/gtest.h>

#include <clocale>
#include <string>

#include "engine/number_text.h"

namespace tervalo {
namespace {

class CommaLocaleTest : public ::testing::Test {
  protected:
    void SetUp() override {
        previous_ = std::setlocale(LC_NUMERIC, nullptr);
        for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "de_DE", "German_Germany.1252"})
            if (std::setlocale(LC_NUMERIC, name)) return;
        GTEST_SKIP() << "no German locale installed";
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

}  // namespace
}  // namespace tervalo
