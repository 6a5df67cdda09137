#include "project/field_marks.h"

#include <gtest/gtest.h>

namespace tervalo {
namespace {

TEST(FieldMarks, TextsReadOtherwiseThanTypedAreMarkedWithTheValueRead) {
    const struct {
        const char* text;
        double value;
    } cases[] = {{"1.234,5", 1.234}, {"abc", 0},    {"", 0},
                 {"1e9", 1e9},       {"12 m2", 12}, {"1234567890", 1234567890}};
    for (const auto& c : cases) {
        const FieldMark mark = MarkOfField("WohnFL", c.text);
        EXPECT_TRUE(mark.readDifferently) << c.text;
        EXPECT_DOUBLE_EQ(mark.value, c.value) << c.text;
    }
    for (const char* plain : {"150", "150,5", "-3.25", " 7 ", "12."})
        EXPECT_FALSE(MarkOfField("BrennK", plain).readDifferently) << plain;
}

TEST(FieldMarks, ValuesWithoutMeaningfulResultAreMarkedAtTheirLimits) {
    EXPECT_EQ(MarkOfField("WohnFL", "-150").range, FieldRange::AreaNotPositive);
    EXPECT_EQ(MarkOfField("WohnFL", "0").range, FieldRange::AreaNotPositive);
    EXPECT_EQ(MarkOfField("WohnFL", "0,1").range, FieldRange::Usual);
    EXPECT_EQ(MarkOfField("BrennK", "-0.01").range, FieldRange::PriceNegative);
    EXPECT_EQ(MarkOfField("BK52", "-1").range, FieldRange::PriceNegative);
    EXPECT_EQ(MarkOfField("EnergKost", "0").range, FieldRange::Usual);
    EXPECT_EQ(MarkOfField("WirkGKessel", "0.9").range, FieldRange::EfficiencyOutside);
    EXPECT_EQ(MarkOfField("WirkGKessel", "1").range, FieldRange::Usual);
    EXPECT_EQ(MarkOfField("WirkGKessel", "120").range, FieldRange::Usual);
    EXPECT_EQ(MarkOfField("WirkGKessel", "120.5").range, FieldRange::EfficiencyOutside);
    EXPECT_EQ(MarkOfField("Tc", "-40").range, FieldRange::Usual) << "no limit on temperatures";
}

TEST(FieldMarks, EmptyFilledFieldsAndFieldsWithoutNumbersAreLeftAlone) {
    EXPECT_FALSE(MarkOfField("GesHBDGeB", "").Any()) << "filled by the calculation";
    EXPECT_TRUE(MarkOfField("GesHBDGeB", "12x").readDifferently);
    EXPECT_FALSE(MarkOfField("HausTyp", "abc").Any());
    EXPECT_FALSE(MarkOfField("pn32", "").Any());
}

TEST(FieldMarks, ValueTextShowsWhatWasReadWithoutNoise) {
    EXPECT_EQ(ReadValueText(1.234), "1.234");
    EXPECT_EQ(ReadValueText(0), "0");
    EXPECT_EQ(ReadValueText(-0.0), "0");
    EXPECT_EQ(ReadValueText(-150), "-150");
    EXPECT_EQ(ReadValueText(1e9), "1000000000");
    EXPECT_EQ(ReadValueText(1e300), "1e+300");
}

}  // namespace
}  // namespace tervalo
