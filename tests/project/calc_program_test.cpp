// tervalo-calc run as a program in a directory of its own, with the test languages and table.

#include "calc_program_fixture.h"

namespace tervalo {
namespace {

using test::CalcProgram;
using test::CalcRun;
using test::hp;
using test::kExample;
using test::RunCalc;
using test::WriteBytes;

TEST_F(CalcProgram, PrintsTheWindowAfterApplyingTheArgumentsInOrder) {
    const CalcRun run = RunCalc(kExample);
    ASSERT_EQ(run.status, 0) << run.errors;
    EXPECT_EQ(run.lines.at("HeizArt"), hp(21));
    EXPECT_EQ(run.lines.at("BrennK"), "0.6");
    EXPECT_EQ(run.lines.at("BrennStKeinh"), "EUR/l");
    EXPECT_EQ(run.lines.at("GesHBDGeB"), " 18000");
    EXPECT_EQ(run.lines.at("GesHBDHeiz"), " 22000");
    EXPECT_EQ(run.lines.at("BrennStV"), " 2095");
    EXPECT_EQ(run.lines.at("Label27"), " 1257");
    EXPECT_EQ(run.lines.at("Label38"), " 5.573");
    EXPECT_EQ(run.lines.at("t0"), "0");
    EXPECT_EQ(run.lines.at("pn32"), "13");
    EXPECT_EQ(run.lines.at("LeistZahlK").substr(0, 7), "COP =  ");
    EXPECT_NE(run.lines.at("LeistZ").find(','), std::string::npos) << "the regional separator";
    EXPECT_EQ(run.lines.at("EinbindCheck"), "0");
    EXPECT_EQ(run.lines.at("HausTyp#4"), "hp38 1982");
    EXPECT_EQ(run.lines.at("Label30.Caption"), "m\u00B2") << "converted to UTF-8";
    EXPECT_EQ(run.lines.at("Projektdaten.Caption"), "Quelmo : c81 c66 - Simulation c222 CO2");
    EXPECT_FALSE(std::filesystem::exists("TempPart.dat")) << "nothing saved without --save";
}

TEST_F(CalcProgram, BackCalculationAndIntegrationFromTheCommandLine) {
    const CalcRun run = RunCalc(std::string(kExample) + " EinbindCheck=1 BrennStV=2000");
    ASSERT_EQ(run.status, 0) << run.errors;
    EXPECT_EQ(run.lines.at("SpezHeizLeist"), " 114.5");
    EXPECT_EQ(run.lines.at("BrennStV"), "2000");
    EXPECT_EQ(run.lines.at("EinbindCheck"), "1");
}

TEST_F(CalcProgram, OperatingPointMessagesGoToStandardError) {
    CalcRun run = RunCalc("t0=-70");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.errors, "message: m53\ntmin = -60 \u00B0C !\n");
    EXPECT_EQ(run.lines.at("t0"), "-70");
    run = RunCalc("Tc:=3 t0=5");
    EXPECT_EQ(run.errors, "message: m55\n");
}

TEST_F(CalcProgram, SaveAndLanguageRewrite) {
    CalcRun run = RunCalc("VFlsize=#3 Klimazone=#3 --save");
    ASSERT_EQ(run.status, 0) << run.errors;
    EXPECT_EQ(run.lines.at("Tc"), "65");

    WriteBytes("Caption.TSB", test::CaptionFileBytes());
    run = RunCalc("--language=TSB");
    ASSERT_EQ(run.status, 0) << run.errors;
    EXPECT_EQ(run.lines.at("Klimazone"), "b48");
    EXPECT_EQ(run.lines.at("VFlsize"), "hp19, hp8") << "the combined entry keeps the old language";
    EXPECT_EQ(run.lines.at("Tc"), "55");
    EXPECT_EQ(run.lines.at("Klimazone#1"), "b46");

    run = RunCalc("--language=XYZ");
    EXPECT_EQ(run.errors, "message: c91 m61\n") << "a language without caption file is refused";
}

TEST_F(CalcProgram, MalformedArgumentsSaveNothing) {
    for (const char* arguments :
         {"--save WohnFL", "--save Unknown=1", "--save HausTyp=#9", "--save LeistZ=1"}) {
        SCOPED_TRACE(arguments);
        const CalcRun run = RunCalc(arguments);
        EXPECT_EQ(run.status, 2);
        EXPECT_NE(run.errors.find("tervalo-calc: "), std::string::npos);
        EXPECT_TRUE(run.lines.empty());
        EXPECT_FALSE(std::filesystem::exists("TempPart.dat"));
    }
}

}  // namespace
}  // namespace tervalo
