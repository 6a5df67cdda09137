// The report page printed by tervalo-calc in every language, with the longest entry of every list the page
// shows: no text may cross the frame, run past the paper's edge or reach into the value column.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <regex>
#include <string>
#include <vector>

#include "localisation/languages.h"
#include "support/language_printer.h"
#include "support/system_traits.h"
#include "support/temp_dir.h"
#include "tests/report/poppler.h"

namespace tervalo {
namespace {

namespace fs = std::filesystem;
using test::CommandOutput;

// The lists whose chosen entries the report prints.
const char* const kPrintedLists[] = {"HausTyp",    "Klimazone",   "AmbientT",      "HeizArt",
                                     "KesselWirk", "Bereitstell", "AnwendBereich", "VFlsize"};

std::string Calc(const std::string& arguments) {
    return CommandOutput(std::string(TERVALO_CALC_PROGRAM) + " " + arguments + " 2>/dev/null");
}

std::size_t Characters(const std::string& utf8) {
    return static_cast<std::size_t>(std::count_if(
        utf8.begin(), utf8.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

// The entry number and text of the longest entry of each list, from tervalo-calc's "LIST#N=TEXT" lines.
std::map<std::string, std::pair<int, std::string>> LongestEntries(const std::string& output) {
    std::map<std::string, std::pair<int, std::string>> longest;
    const std::regex entry(R"re(^(\w+)#(\d+)=(.*)$)re", std::regex::multiline);
    for (auto it = std::sregex_iterator(output.begin(), output.end(), entry); it != std::sregex_iterator();
         ++it) {
        auto& best = longest[(*it)[1]];
        const std::string text = (*it)[3];
        if (Characters(text) > Characters(best.second)) best = {std::stoi((*it)[2]), text};
    }
    return longest;
}

struct Word {
    double x0, y0, x1, y1;
    std::string text;
};

std::vector<Word> Words(const std::string& bbox, double& width, double& height) {
    std::smatch page;
    if (std::regex_search(bbox, page, std::regex(R"re(<page width="([0-9.]+)" height="([0-9.]+)")re"))) {
        width = std::stod(page[1]);
        height = std::stod(page[2]);
    }
    std::vector<Word> words;
    const std::regex word(
        R"re(<word xMin="([0-9.]+)" yMin="([0-9.]+)" xMax="([0-9.]+)" yMax="([0-9.]+)">([^<]*)</word>)re");
    for (auto it = std::sregex_iterator(bbox.begin(), bbox.end(), word); it != std::sregex_iterator(); ++it)
        words.push_back(
            {std::stod((*it)[1]), std::stod((*it)[2]), std::stod((*it)[3]), std::stod((*it)[4]), (*it)[5]});
    return words;
}

// The text without blanks and line ends, the font's ligatures spelt out.
std::string Squeezed(std::string text) {
    for (const auto& [ligature, letters] : {std::pair{"\uFB01", "fi"}, std::pair{"\uFB02", "fl"}})
        for (auto at = text.find(ligature); at != std::string::npos; at = text.find(ligature))
            text.replace(at, std::string_view(ligature).size(), letters);
    std::erase_if(text, [](char c) { return c == ' ' || c == '\n' || c == '\r' || c == '\f'; });
    return text;
}

class PrintedLanguageTest : public ::testing::TestWithParam<std::string> {
  protected:
    void SetUp() override {
        TERVALO_SKIP_UNLESS(test::HavePoppler(), "poppler tools are not installed");
        for (const auto& entry : fs::directory_iterator(TERVALO_DIST_DIR))
            if (entry.is_regular_file() &&
                (entry.status().permissions() & fs::perms::owner_exec) == fs::perms::none)
                fs::copy_file(entry.path(), entry.path().filename());
    }
    test::ScopedTempDir dir_;
};

TEST_P(PrintedLanguageTest, EveryTextStaysInsideTheFrameAndItsColumn) {
    const std::string& code = GetParam();
    const auto longest = LongestEntries(Calc("--language=" + code));
    std::string arguments;
    for (const char* list : kPrintedLists) {
        ASSERT_TRUE(longest.count(list)) << list;
        arguments += std::string(list) + "=#" + std::to_string(longest.at(list).first) + " ";
    }
    Calc(arguments + "EinbindCheck=1 --pdf page.pdf");
    ASSERT_TRUE(fs::exists("page.pdf"));

    double W = 0, H = 0;
    const std::vector<Word> words = Words(CommandOutput("pdftotext -bbox page.pdf -"), W, H);
    ASSERT_GT(W, 0);
    ASSERT_GT(words.size(), 100u);
    const double tolerance = 0.01;  // points
    const double frameTop = 0.16 * H, valueLeft = 0.55 * W;
    std::map<long, std::vector<const Word*>> rows;  // by baseline region
    for (const Word& word : words) {
        SCOPED_TRACE(word.text);
        EXPECT_GE(word.x0, 0.08 * W - tolerance);
        EXPECT_LE(word.x1, 0.94 * W + tolerance);
        // The title stands above the frame, everything else inside it.
        if (word.y0 < frameTop)
            EXPECT_LE(word.y1, frameTop + tolerance);
        else
            EXPECT_LE(word.y1, 0.90 * H + tolerance);
        rows[std::lround(word.y1)].push_back(&word);
    }
    // In a line that holds a value, no label reaches the value column.
    for (const auto& [y, row] : rows) {
        const bool holdsValue = std::any_of(
            row.begin(), row.end(), [&](const Word* w) { return std::abs(w->x0 - valueLeft) < 0.05; });
        if (!holdsValue) continue;
        for (const Word* word : row)
            if (word->x0 < valueLeft - 0.05) {
                EXPECT_LE(word->x1, valueLeft) << word->text << " at y " << y;
            }
    }

    // Every chosen entry is printed whole (the glyphs of Arabic come out of the PDF in their shaped forms).
    if (code == "ARA") return;
    const std::string text = Squeezed(CommandOutput("pdftotext -enc UTF-8 page.pdf -"));
    for (const char* list : kPrintedLists)
        EXPECT_NE(text.find(Squeezed(longest.at(list).second)), std::string::npos) << longest.at(list).second;
}

std::vector<std::string> LanguageCodes() {
    std::vector<std::string> codes;
    for (const LanguageRow& row : Languages()) codes.emplace_back(row.code);
    return codes;
}

INSTANTIATE_TEST_SUITE_P(Languages, PrintedLanguageTest, ::testing::ValuesIn(LanguageCodes()),
                         [](const auto& row) { return row.param; });

}  // namespace
}  // namespace tervalo
