// The help files delivered in the program directory, read with the program's own reader.
#include <gtest/gtest.h>

#include <filesystem>

#include "engine/file_access.h"
#include "engine/text_util.h"
#include "help/help_file.h"
#include "localisation/code_page.h"
#include "localisation/languages.h"
#include "support/language_printer.h"

namespace tervalo {
namespace {

class DeliveredHelp : public ::testing::TestWithParam<LanguageRow> {};

TEST_P(DeliveredHelp, HoldsTheProductPageInTheLanguagesCodePage) {
    const std::string code(GetParam().code);
    const std::filesystem::path file = std::filesystem::path(TERVALO_DIST_DIR) / HelpFileName(code);
    ASSERT_EQ(FileLength(file), 40 * kHelpRecordLength) << file;

    const std::string page = TrimBlanks(ReadHelpPage(file, PageForTopic("Quelmo-Software", "Quelmo")));
    EXPECT_GT(page.size(), 1500u) << "a help text of a few paragraphs";
    EXPECT_TRUE(DecodesCleanly(page, CodePageOf(code)));
    EXPECT_NE(page.find("\r\n\r\n"), std::string::npos) << "paragraphs as a Windows text box holds them";
    EXPECT_NE(page.find("t0"), std::string::npos);
    EXPECT_EQ(page.find('#'), std::string::npos) << "no record marker inside the text";
    EXPECT_EQ(page.find("  "), std::string::npos) << "no padding inside the text";
}

INSTANTIATE_TEST_SUITE_P(Languages, DeliveredHelp, ::testing::ValuesIn(Languages()),
                         [](const auto& row) { return std::string(row.param.code); });

}  // namespace
}  // namespace tervalo
