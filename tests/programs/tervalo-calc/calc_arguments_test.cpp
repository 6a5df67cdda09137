#include "programs/tervalo-calc/calc_arguments.h"

#include <gtest/gtest.h>

namespace tervalo {
namespace {

using A = CalcCommand::Action;

TEST(CalcArguments, FieldsListsAndOptionsInOrder) {
    const CalcParse parse = ParseCalcArguments({"WohnFL=150", "HausTyp=#4", "HeizArt=Heating oil", "t0:=-5,5",
                                                "EinbindCheck=1", "BK50=1.05", "--prices-ok", "--save",
                                                "--language=ger", "--decimal-separator=,", "Tc=a=b"});
    ASSERT_EQ(parse.error, "");
    const auto& c = parse.options.commands;
    ASSERT_EQ(c.size(), 10u);
    EXPECT_EQ(c[0].action, A::SetAndAct);
    EXPECT_EQ(c[0].field->name, "WohnFL");
    EXPECT_EQ(c[0].text, "150");
    EXPECT_EQ(c[1].action, A::ChooseEntry);
    EXPECT_EQ(c[1].entry, 4);
    EXPECT_EQ(c[2].action, A::SetAndAct);
    EXPECT_EQ(c[2].text, "Heating oil");
    EXPECT_EQ(c[3].action, A::SetOnly);
    EXPECT_EQ(c[3].field->name, "t0");
    EXPECT_EQ(c[3].text, "-5,5");
    EXPECT_EQ(c[4].field->kind, FieldKind::CheckBox);
    EXPECT_EQ(c[5].field->kind, FieldKind::PriceBox);
    EXPECT_EQ(c[6].action, A::AcceptPrices);
    EXPECT_EQ(c[7].action, A::Save);
    EXPECT_EQ(c[8].action, A::SwitchLanguage);
    EXPECT_EQ(c[8].text, "ger");
    EXPECT_EQ(c[9].text, "a=b");
    EXPECT_EQ(parse.options.decimalSeparator, ',');
}

TEST(CalcArguments, ErrorsNameTheArgument) {
    struct Row {
        const char* argument;
        const char* named;
    };
    const Row rows[] = {
        {"Wohnfl=150", "\"Wohnfl\""},  // names are exact
        {"WohnFL", "\"WohnFL\""},      // no '='
        {"=150", "\"=150\""},          // no name
        {"LeistZ=3", "\"LeistZ\" is a label"},
        {"pn32:=3", "\"pn32\" is a label"},
        {"HausTyp=#7", "\"#7\" is no entry of HausTyp"},
        {"HausTyp=#0", "\"#0\""},
        {"Klimazone=#2x", "\"#2x\""},
        {"Tempbereich=#1", "it has 0 entries"},
        {"EinbindCheck=yes", "EinbindCheck takes 0 or 1"},
        {"--results-now", "unknown option \"--results-now\""},
        {"--language=DE", "\"--language=DE\""},
        {"--decimal-separator=", "\"--decimal-separator=\""},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.argument);
        const CalcParse parse = ParseCalcArguments({"WohnFL=1", row.argument, "--save"});
        EXPECT_NE(parse.error.find(row.named), std::string::npos) << parse.error;
    }
}

TEST(CalcArguments, SetOnlyKeepsAHashText) {
    const CalcParse parse = ParseCalcArguments({"HausTyp:=#9"});
    ASSERT_EQ(parse.error, "");
    EXPECT_EQ(parse.options.commands[0].action, A::SetOnly);
    EXPECT_EQ(parse.options.commands[0].text, "#9");
}

TEST(CalcArguments, DecisionOutputsAndBatch) {
    CalcParse parse = ParseCalcArguments({"WohnFL=150", "--json", "--what-if", "--sensitivity"});
    ASSERT_EQ(parse.error, "");
    EXPECT_TRUE(parse.options.json && parse.options.whatIf && parse.options.sensitivity);
    EXPECT_EQ(parse.options.commands.size(), 1u) << "output options are no commands";

    parse = ParseCalcArguments({"EnergKost=0.3", "--batch", "in.csv", "--out", "out.csv"});
    ASSERT_EQ(parse.error, "");
    EXPECT_EQ(parse.options.batchInput, "in.csv");
    EXPECT_EQ(parse.options.batchOutput, "out.csv");

    for (const std::vector<std::string>& arguments :
         {std::vector<std::string>{"--batch", "in.csv"},
          {"--out", "out.csv"},
          {"--batch"},
          {"--batch", ""},
          {"--batch", "in.csv", "--out", "out.csv", "--save"},
          {"--batch", "in.csv", "--out", "out.csv", "--results"}}) {
        SCOPED_TRACE(arguments.back());
        EXPECT_NE(ParseCalcArguments(arguments).error, "");
    }
}

}  // namespace
}  // namespace tervalo
