#include "report/results_writer.h"

#include <gtest/gtest.h>

#include <set>

#include "config/run_settings.h"
#include "localisation/language_tables.h"
#include "project/project_record.h"
#include "report/page_layout.h"
#include "report/results_file.h"
#include "support/temp_dir.h"

namespace tervalo {
namespace {

using test::ReadBytes;
using test::ScopedTempDir;

const std::string kIndent = "        ";
const std::string kBlank = "\r\n";
const std::string kRule = kIndent + std::string(155, '-') + "\r\n";
const std::string F = "\xA7$&";  // field marker

class ResultsWriterTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ResetRunSettings();
        ResetLanguageTables();
        Settings.LanguageCode = "GER";
        Settings.CurrencyCode = "EUR";
        Settings.ProductName = "Quelmo";
        Settings.WebAddress = "www.example.org";
        Settings.OwnerLines = {"Owner one", "Owner two", "Owner three"};
        for (int i = 1; i <= kHeatCaptions; ++i) Texts.heatCaptions[i] = "hp" + std::to_string(i);
        for (int i = 1; i <= kCaptionItems; ++i) Texts.captions[i] = "cap" + std::to_string(i);
        for (int i = 1; i <= kInfoTexts; ++i) Texts.infoTexts[i] = "info" + std::to_string(i);
        Texts.infoTexts[39].clear();

        p_.WohnFL = "120";
        p_.HausTyp = "hp37";
        p_.Klimazone = "hp47";
        p_.AmbientT = "hp44";
        p_.GesHBDGeB = "18000";
        p_.HeizArt = "hp21";
        p_.KesselWirk = "hp15";
        p_.WirkGKessel = "90";
        p_.Bereitstell = "hp9";
        p_.BereitStV = "5";
        p_.BrennK = "0.95";
        p_.BrennStKeinh = "EUR/l";
        p_.BrennStV = "2105";
        p_.BrennstVUnit = "l/a";
        p_.Label39 = "hp53 hp21 :";
        p_.GesHBDHeiz = "21052";
        p_.AnwendBereich = "hp7";
        p_.VFlsize = "hp20";
        p_.EnergKost = "0.28";
        p_.GesEnergWP = "4523";
        p_.Label27 = "1999";
        p_.Label38 = "5.6";
        p_.BetrKo = "1266";
        p_.co2consum = "1.8";
    }
    void TearDown() override {
        ResetRunSettings();
        ResetLanguageTables();
    }

    ProjectRecord p_;
};

TEST_F(ResultsWriterTest, WritesTheBaseSequenceOf81Records) {
    const std::vector<std::string> expected = {
        kBlank,
        kIndent + "&$$Quelmo : cap81 cap66 - Simulation CO2 cap222\r\n",
        kBlank,
        kIndent + "&$$hp33 :",
        kBlank,
        kIndent + "hp11 :" + F + "120 m\xB2",
        kBlank,
        kIndent + "hp26 :" + F + "hp37",
        kBlank,
        kIndent + "hp12 :" + F + "hp47",
        kBlank,
        kIndent + "hp25 :" + F + " kWh/m\xB2 a",
        kBlank,
        kIndent + "hp31 hp33" + F + "18000 kWh/a",
        kBlank,
        kIndent + "hp13 :" + F + "hp44",
        kBlank,
        kRule,
        kRule,
        kBlank,
        kIndent + "&$$hp32 :",
        kBlank,
        kIndent + "hp41 :" + F + "hp21",
        kBlank,
        kIndent + "hp42 :" + F + "hp15 - 90 %",
        kBlank,
        kIndent + "hp29 :" + F + "hp9 - 5 %",
        kBlank,
        kIndent + "hp34 :" + F + "0.95 EUR/l",
        kBlank,
        kIndent + "hp35 :" + F + "2105 l/a",
        kIndent + "hp53 hp21 : :" + F + "21052 kWh/a",
        kBlank,
        kRule,
        kRule,
        kBlank,
        kIndent + "&$$hp28 :",
        kBlank,
        kIndent + "hp23 :" + F + "hp7",
        kBlank,
        kIndent + "cap14 :" + F + "hp20",
        kBlank,
        kIndent + "cap84 :" + F + "0.28 EUR/kWh",
        kBlank,
        kIndent + "hp54 hp28 :" + F + "4523 kWh/a",
        kRule,
        kRule,
        kBlank,
        kIndent + "cap84 :",
        kBlank,
        kRule,
        kBlank,
        kIndent + "cap84 hp21 :" + F + "1999 EUR/a",
        kBlank,
        kIndent + "cap222 CO2 hp21 :" + F + "5.6 t/a",
        kBlank,
        kRule,
        kBlank,
        kIndent + "cap84 hp28 :" + F + "1266 EUR/a",
        kBlank,
        kIndent + "cap222 CO2 hp28 :" + F + "1.8 t/a",
        kBlank,
        kRule,
        kRule,
        kIndent + "info41",
        kBlank,
        kIndent + "info42",
        kBlank,
        kIndent + "info43",
        kBlank,
        kIndent + "info44",
        kBlank,
        kIndent + "info45",
        kBlank,
        kIndent + "info40",
        kBlank,
        kRule,
        kIndent + "Owner one Owner two",
        kBlank,
        kIndent + "Owner three - www.example.org",
        kBlank,
    };
    const std::vector<std::string> records = BuildResultsRecords(p_);
    ASSERT_EQ(records.size(), 81u);
    for (std::size_t i = 0; i < records.size(); ++i) EXPECT_EQ(records[i], expected[i]) << "record " << i + 1;
}

struct OptionalRow {
    const char* name;
    bool integrated;
    const char* info39;
    std::size_t count;
    std::vector<std::pair<std::size_t, std::string>> records;  // number (from 1) and text
};

class OptionalRecordsTest : public ResultsWriterTest, public ::testing::WithParamInterface<OptionalRow> {};

TEST_P(OptionalRecordsTest, OptionalRecordsKeepTheOrderOfTheRest) {
    p_.EinbindCheck = GetParam().integrated;
    Texts.infoTexts[39] = GetParam().info39;
    const std::vector<std::string> records = BuildResultsRecords(p_);
    ASSERT_EQ(records.size(), GetParam().count);
    for (const auto& [number, text] : GetParam().records) EXPECT_EQ(records[number - 1], text) << number;
    EXPECT_EQ(records[records.size() - 5], kRule);
    EXPECT_EQ(records[records.size() - 2], kIndent + "Owner three - www.example.org");
}

INSTANTIATE_TEST_SUITE_P(
    Rows, OptionalRecordsTest,
    ::testing::Values(
        OptionalRow{
            "Neither", false, "", 81, {{45, kIndent + "hp54 hp28 :" + F + "4523 kWh/a"}, {46, kRule}}},
        OptionalRow{
            "Integrated", true, "", 83, {{46, kIndent + "hp30"}, {47, kBlank}, {48, kRule}, {49, kRule}}},
        OptionalRow{"Info39",
                    false,
                    "Rounded down.",
                    83,
                    {{46, kRule},
                     {65, kIndent + "info41"},
                     {77, kIndent + "Rounded down."},
                     {78, kBlank},
                     {79, kRule}}},
        OptionalRow{"Both",
                    true,
                    "Rounded down.",
                    85,
                    {{46, kIndent + "hp30"},
                     {67, kIndent + "info41"},
                     {79, kIndent + "Rounded down."},
                     {80, kBlank},
                     {81, kRule},
                     {82, kIndent + "Owner one Owner two"}}}),
    [](const auto& row) { return row.param.name; });

TEST_F(ResultsWriterTest, ResultsTheLastRunDidNotWriteAreLeftOut) {
    const std::vector<std::string> before = BuildResultsRecords(p_);
    p_.Results.byRun.fill(StaleReason::Current);
    EXPECT_EQ(BuildResultsRecords(p_), before) << "current results print as they stand";
    p_.Results.byRun[static_cast<std::size_t>(ResultField::GesEnergWP)] = StaleReason::OutsideTable;
    p_.Results.byRun[static_cast<std::size_t>(ResultField::co2consum)] = StaleReason::EnergyFactorsMissing;
    const std::vector<std::string> records = BuildResultsRecords(p_);
    ASSERT_EQ(records.size(), before.size());
    std::vector<std::size_t> changed;
    for (std::size_t i = 0; i < records.size(); ++i)
        if (records[i] != before[i]) changed.push_back(i);
    ASSERT_EQ(changed.size(), 2u);
    for (std::size_t i : changed) {
        EXPECT_NE(records[i].find(F + " "), std::string::npos)
            << "the value gone, its unit kept: " << records[i];
        EXPECT_LT(records[i].size(), before[i].size());
    }
}

TEST_F(ResultsWriterTest, EmptyFieldTextsLeaveTheLabels) {
    p_ = ProjectRecord{};
    const std::vector<std::string> records = BuildResultsRecords(p_);
    ASSERT_EQ(records.size(), 81u);
    EXPECT_EQ(records[5], kIndent + "hp11 :" + F + " m\xB2");
    EXPECT_EQ(records[7], kIndent + "hp26 :" + F);
    EXPECT_EQ(records[31], kIndent + " :" + F + " kWh/a");
}

TEST_F(ResultsWriterTest, FileHoldsTheCodePageBytesAndReadsBackRecordForRecord) {
    ScopedTempDir dir;
    p_.HausTyp = "Altbau \"teilsaniert\"";
    ASSERT_TRUE(WriteResultsFile(p_));
    const std::string bytes = ReadBytes("ergEN1.DAT");
    EXPECT_EQ(bytes.substr(0, 4), "\"\r\n\"");
    EXPECT_NE(bytes.find("\"        hp11 :\xA7\x24\x26"
                         "120 m\xB2\"\r\n"),
              std::string::npos);
    std::vector<std::string> expected = BuildResultsRecords(p_);
    expected[7] = kIndent + "hp26 :" + F + "Altbau 'teilsaniert'";
    EXPECT_EQ(ReadResultsFile(), expected);
}

TEST_F(ResultsWriterTest, SquareMetresFollowTheCodePage) {
    Settings.LanguageCode = "RUS";
    const std::vector<std::string> records = BuildResultsRecords(p_);
    EXPECT_EQ(records[5], kIndent + "hp11 :" + F + "120 m2");
    EXPECT_EQ(records[11], kIndent + "hp25 :" + F + " kWh/m2 a");
}

TEST_F(ResultsWriterTest, FullReportFitsThePageFrame) {
    p_.EinbindCheck = true;
    Texts.infoTexts[39] = "Rounded down.";
    const PageLayout page = LayOutResultsPage(BuildResultsRecords(p_));
    std::set<double> lines;
    for (const PageText& text : page.texts) lines.insert(text.y);
    EXPECT_EQ(lines.size(), 35u);
    EXPECT_EQ(page.lines.size(), 4u + 11u);
    EXPECT_NEAR(*lines.rbegin(), 0.88, 1e-9);
    EXPECT_EQ(page.texts.back().text, "Owner three - www.example.org");
}

}  // namespace
}  // namespace tervalo
