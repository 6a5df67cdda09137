#include "engine/text_record.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace tervalo {
namespace {

std::vector<std::string> AllFields(std::string_view bytes) {
    TextRecordReader reader(bytes);
    std::vector<std::string> fields;
    std::string field;
    while (reader.ReadText(field)) fields.push_back(field);
    return fields;
}

TEST(TextRecordReader, TakesFieldsAcrossLinesAndKeepsQuotedCommas) {
    EXPECT_EQ(AllFields("\"a, b\",12\r\n\"c\"\r\n  7  ,x y \r\n"),
              (std::vector<std::string>{"a, b", "12", "c", "7", "x y"}));
}

TEST(TextRecordReader, HandlesEveryKindOfLineEnd) {
    EXPECT_EQ(AllFields("1\r2\n3\r\n4"), (std::vector<std::string>{"1", "2", "3", "4"}));
    // An empty line and an empty field between commas both read as empty texts.
    EXPECT_EQ(AllFields("1,,2\r\n\r\n3"), (std::vector<std::string>{"1", "", "2", "", "3"}));
}

TEST(TextRecordReader, QuotedFieldKeepsBlanksAndDropsWhatFollowsTheClosingQuote) {
    EXPECT_EQ(AllFields("\"  x  \"junk,\"y\""), (std::vector<std::string>{"  x  ", "y"}));
}

TEST(TextRecordReader, UnclosedQuoteEndsAtTheEndOfTheData) {
    EXPECT_EQ(AllFields("\"abc,\r\ndef"), (std::vector<std::string>{"abc,\r\ndef"}));
}

TEST(TextRecordReader, AtTheEndAFieldKeepsItsPreviousValue) {
    TextRecordReader reader("\"only\"\r\n");
    std::string field = "old";
    ASSERT_TRUE(reader.ReadText(field));
    EXPECT_EQ(field, "only");
    field = "kept";
    EXPECT_FALSE(reader.ReadText(field));
    EXPECT_EQ(field, "kept");
    std::int16_t number = 9;
    EXPECT_FALSE(reader.ReadInt16(number));
    EXPECT_EQ(number, 9);
}

TEST(TextRecordReader, IntegerFields) {
    TextRecordReader reader("12, -7 ,40000,2.5,abc,\"3\"");
    std::int16_t value = 99;
    EXPECT_TRUE(reader.ReadInt16(value));
    EXPECT_EQ(value, 12);
    EXPECT_TRUE(reader.ReadInt16(value));
    EXPECT_EQ(value, -7);
    EXPECT_FALSE(reader.ReadInt16(value)) << "40000 does not fit into 16 bits";
    EXPECT_EQ(value, -7);
    EXPECT_TRUE(reader.ReadInt16(value));
    EXPECT_EQ(value, 2) << "halves round to even";
    EXPECT_TRUE(reader.ReadInt16(value));
    EXPECT_EQ(value, 0);
    EXPECT_TRUE(reader.ReadInt16(value));
    EXPECT_EQ(value, 3);
}

TEST(TextRecordReader, RemembersWhetherAFieldWasQuoted) {
    TextRecordReader reader("\"35\",35");
    std::string field;
    reader.ReadText(field);
    EXPECT_TRUE(reader.LastFieldWasQuoted());
    reader.ReadText(field);
    EXPECT_FALSE(reader.LastFieldWasQuoted());
}

TEST(TextRecordReader, SurvivesHugeAndBinaryInput) {
    const std::string huge(3'000'000, 'x');
    EXPECT_EQ(AllFields("\"" + huge + "\",1").at(0).size(), huge.size());
    std::string binary;
    for (int i = 0; i < 4096; ++i) binary.push_back(static_cast<char>(i * 37));
    TextRecordReader reader(binary);
    std::string field;
    int count = 0;
    while (reader.ReadText(field)) ++count;
    EXPECT_GT(count, 0);
}

TEST(TextRecordWriter, WritesStatementsWithCrLf) {
    TextRecordWriter out;
    out.Text("").Text("ENG").Int(0).Int(-12);
    out.EndStatement();
    out.Int(0).EndStatement();
    EXPECT_EQ(out.bytes(), "\"\",\"ENG\",0,-12\r\n0\r\n");
}

TEST(TextRecordWriter, RoundTripsThroughTheReader) {
    TextRecordWriter out;
    out.Text("a, b").Text(" blanks ").Raw("35").EndStatement();
    EXPECT_EQ(AllFields(out.bytes()), (std::vector<std::string>{"a, b", " blanks ", "35"}));
}

}  // namespace
}  // namespace tervalo
