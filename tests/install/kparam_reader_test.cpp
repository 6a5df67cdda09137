#include "install/core/kparam_reader.h"

#include <gtest/gtest.h>

#include <sstream>

#include "support/temp_dir.h"

namespace installer {
namespace {

using tervalo::test::ScopedTempDir;
using tervalo::test::WriteBytes;

TEST(KparamReader, FourthFieldIsTheLanguageCode) {
    struct Row {
        const char* name;
        std::string text;
        std::string code;
    };
    const Row rows[] = {
        {"as written", "\"\",\"\",\"\",\"GER\",\"EUR\",\"Arial\"\r\n1,2\r\n", "GER"},
        {"lower case kept", "\"\",\"\",\"\",\"ger\",\"EUR\"\r\n", "ger"},
        {"unquoted and padded", " , , ,  ITA  ,EUR\r\n", "ITA"},
        {"quoted keeps blanks", "\"\",\"\",\"\",\" FRA \"\r\n", " FRA "},
        {"comma inside quotes", "\"a,b\",\"\",\"\",\"ENG\"\r\n", "ENG"},
        {"fields across lines", "\"\",\"\"\r\n\"\"\r\n\"FRA\"\r\n", "FRA"},
        {"bare line feeds", "\"\"\n\"\"\n\"\"\n\"ITA\"\n", "ITA"},
        {"junk after a quote", "\"\"x,\"\",\"\",\"GER\"y,\"EUR\"", "GER"},
        {"unclosed quote", "\"\",\"\",\"\",\"GER", "GER"},
        {"three fields only", "\"\",\"\",\"\"\r\n", ""},
        {"empty fourth field", "\"\",\"\",\"\",\"\",\"EUR\"\r\n", ""},
        {"empty file", "", ""},
        {"binary bytes", std::string("\0\xff\x01,\x80\x81,,\xfe\0", 10), std::string("\xfe\0", 2)},
    };
    for (const Row& row : rows) {
        std::istringstream in(row.text);
        const auto fields = ReadLeadingFields(in, 4);
        EXPECT_EQ(fields.size() == 4 ? fields[3] : std::string(), row.code) << row.name;
    }
}

TEST(KparamReader, ReadsNoFurtherThanAsked) {
    std::istringstream in("\"a\",\"b\",\"c\",\"d\",\"e\"");
    const auto fields = ReadLeadingFields(in, 2);
    EXPECT_EQ(fields, (std::vector<std::string>{"a", "b"}));
}

TEST(KparamReader, FileWithoutCodeOrWithoutFileGivesNoCode) {
    ScopedTempDir dir;
    EXPECT_EQ(ReadLanguageCode(dir.path() / "kparam.dat"), "");
    EXPECT_EQ(ReadLanguageCode(dir.path()), "");
    WriteBytes(dir.path() / "kparam.dat", "\"\",\"\",\"\",\"ITA\",\"EUR\"\r\n0,35,\"2,5\"\r\n");
    EXPECT_EQ(ReadLanguageCode(dir.path() / "kparam.dat"), "ITA");
}

TEST(KparamReader, HugeFileWithoutSeparatorsEndsQuickly) {
    std::istringstream in(std::string(8 * 1024 * 1024, 'x'));
    const auto fields = ReadLeadingFields(in, 4);
    ASSERT_EQ(fields.size(), 1u);
    EXPECT_EQ(fields[0].size(), 64u * 1024u);
}

}  // namespace
}  // namespace installer
