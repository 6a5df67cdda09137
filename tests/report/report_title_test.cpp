#include "report/report_title.h"

#include <gtest/gtest.h>

#include "config/run_settings.h"
#include "localisation/language_tables.h"

namespace tervalo {
namespace {

struct TitleRow {
    const char* name;
    const char* languageCode;
    const char* title;
};

class ReportTitleTest : public ::testing::TestWithParam<TitleRow> {
  protected:
    void SetUp() override {
        ResetRunSettings();
        ResetLanguageTables();
        Settings.ProductName = "Quelmo";
        Texts.captions[kCaptionCalculation] = "A";
        Texts.captions[kCaptionHeatPump] = "B";
        Texts.captions[kCaptionEmission] = "C";
    }
    void TearDown() override {
        ResetRunSettings();
        ResetLanguageTables();
    }
};

TEST_P(ReportTitleTest, JoiningWordsFollowTheLanguageCode) {
    Settings.LanguageCode = GetParam().languageCode;
    EXPECT_EQ(BuildReportTitle(), GetParam().title);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ReportTitleTest,
    ::testing::Values(TitleRow{"French", "FRA", "Quelmo : A de B - Simulacion C CO2"},
                      TitleRow{"Spanish", "ESP", "Quelmo : A del B - Simulacion C CO2"},
                      TitleRow{"Portuguese", "POR", "Quelmo : A del B - Simulacion C CO2"},
                      TitleRow{"Italian", "ITA", "Quelmo : A di B - Simulatione C CO2"},
                      TitleRow{"ItalianLowerCase", "ita", "Quelmo : A di B - Simulatione C CO2"},
                      TitleRow{"FrenchMixedCase", "fRa", "Quelmo : A de B - Simulacion C CO2"},
                      // The other languages end in C, unlike the project window's title.
                      TitleRow{"German", "GER", "Quelmo : A B - Simulation CO2 C"},
                      TitleRow{"English", "ENG", "Quelmo : A B - Simulation CO2 C"},
                      TitleRow{"Empty", "", "Quelmo : A B - Simulation CO2 C"}),
    [](const auto& row) { return row.param.name; });

}  // namespace
}  // namespace tervalo
