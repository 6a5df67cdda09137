#include "install/core/install_plan.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <random>
#include <set>
#include <vector>

#include "installer_fakes.h"
#include "support/language_table.h"
#include "support/system_traits.h"

namespace installer {
namespace {

using tervalo::test::ScopedTempDir;

TEST(InstallPlan, IdentityTexts) {
    EXPECT_EQ(ProgramTitle(), "Tervalo 2.12");
    EXPECT_EQ(LinkFileName(), "Tervalo 2.12.LNK");
    EXPECT_EQ(WindowCaption(), "Tervalo - Install");
}

TEST(InstallPlan, StepsAreNumberedInOrderAndTheProgramStepNamesTheProgram) {
    for (std::size_t i = 0; i < kInstallPlan.size(); ++i)
        EXPECT_EQ(kInstallPlan[i].number, static_cast<int>(i + 1));
    EXPECT_EQ(kInstallPlan[kProgramStep - 1].mask, "*.exe");
    EXPECT_EQ(kInstallPlan[kProgramStep - 1].group, "Tervalo");
}

// Every language of the program has its step: the extensions of the sixteen language files.
TEST(InstallPlan, EveryLanguageHasAStep) {
    const std::vector<std::string> codes = tervalo::test::LanguageCodesOfTheTable();
    ASSERT_EQ(codes.size(), 16u);
    for (const std::string& code : codes) {
        const std::string name = "Caption." + code;
        EXPECT_EQ(std::count_if(kInstallPlan.begin(), kInstallPlan.end(),
                                [&](const InstallStep& step) { return MatchesMask(name, step.mask); }),
                  1)
            << code;
    }
}

TEST(InstallPlan, MasksMatchWithoutLetterCase) {
    struct Row {
        const char* name;
        const char* mask;
        bool matches;
    };
    const Row rows[] = {
        {"kparam.dat", "*.dat", true},
        {"KPARAM.DAT", "*.dat", true},
        {"Caption.GER", "*.ger", true},
        {"a.b.dat", "*.dat", true},
        {".dat", "*.dat", true},
        {"a.data", "*.dat", false},
        {"dat", "*.dat", false},
        {"adat", "*.dat", false},
        {"x.rdm", "*.RDM", true},
        {"Tervalo.EXE", "*.exe", true},
        {"install", "*.exe", false},
        {"ab", "a?", true},
        {"a", "a?", false},
        {"abc", "a*c", true},
        {"abcbd", "a*b?", true},
        {"", "*", true},
        {"", "*.dat", false},
    };
    for (const Row& row : rows)
        EXPECT_EQ(MatchesMask(row.name, row.mask), row.matches) << row.name << " ~ " << row.mask;
}

TEST(InstallPlan, MatchingFilesAreOrdinaryFilesInAlphabeticalOrderWithoutCase) {
    ScopedTempDir dir;
    test::WriteFiles(dir.path(), {"D.RDM", "c.rdm", "a.RDM", "B.rdm", "notes.txt"});
    std::filesystem::create_directory(dir.path() / "folder.rdm");
    const auto files = MatchingFiles(dir.path(), "*.RDM", nullptr);
    const std::vector<std::filesystem::path> expected{"a.RDM", "B.rdm", "c.rdm", "D.RDM"};
    EXPECT_EQ(files, expected);
}

TEST(InstallPlan, MatchingFilesTakesWhatTheExtraTestAccepts) {
    ScopedTempDir dir;
    test::WriteFiles(dir.path(), {"tervalo", "setup.exe", "readme"});
    const auto files =
        MatchingFiles(dir.path(), "*.exe", [](const auto& file) { return file.filename() == "tervalo"; });
    const std::vector<std::filesystem::path> expected{"setup.exe", "tervalo"};
    EXPECT_EQ(files, expected);
}

TEST(InstallPlan, MissingFolderHasNoFiles) {
    EXPECT_TRUE(MatchingFiles("/nonexistent/folder/of/install/tests", "*.dat", nullptr).empty());
}

TEST(InstallPlan, FindFileNoCase) {
    ScopedTempDir dir;
    test::WriteFiles(dir.path(), {"KPARAM.DAT", "rohrdm.dat"});
    std::filesystem::create_directory(dir.path() / "pic1.bmp");
    EXPECT_EQ(FindFileNoCase(dir.path(), "kparam.dat"), dir.path() / "KPARAM.DAT");
    EXPECT_EQ(FindFileNoCase(dir.path(), "Rohrdm.dat"), dir.path() / "rohrdm.dat");
    EXPECT_EQ(FindFileNoCase(dir.path(), "pic1.bmp"), std::nullopt);
    EXPECT_EQ(FindFileNoCase(dir.path(), "*.dat"), std::nullopt);
}

// Several spellings of one name: the first in byte order is taken, whatever order they were made in, unless
// the name asked for is there as it is.
TEST(InstallPlan, FindFileNoCaseTakesTheFirstOfSeveralSpellings) {
    TERVALO_SKIP_UNLESS_POSIX("a folder holds one spelling of a name");
    std::mt19937 random(31);
    for (int trial = 0; trial < 40; ++trial) {
        ScopedTempDir dir;
        std::set<std::string> spellings;
        const int count = 2 + trial % 4;
        while (static_cast<int>(spellings.size()) < count) {
            std::string name = "energk.dat";
            for (char& c : name)
                if (random() % 2) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
            if (name != "EnergK.dat") spellings.insert(name);
        }
        std::vector<std::string> made(spellings.begin(), spellings.end());
        std::shuffle(made.begin(), made.end(), random);
        test::WriteFiles(dir.path(), made);
        SCOPED_TRACE(testing::PrintToString(made));
        EXPECT_EQ(FindFileNoCase(dir.path(), "EnergK.dat"), dir.path() / *spellings.begin());
        EXPECT_EQ(FindFileNoCase(dir.path(), made.back()), dir.path() / made.back())
            << "the exact name first";
    }
}

TEST(InstallPlan, NameWithoutExtension) {
    EXPECT_EQ(NameWithoutExtension("kparam.dat"), "kparam");
    EXPECT_EQ(NameWithoutExtension("a.b.GER"), "a.b");
    EXPECT_EQ(NameWithoutExtension(".dat"), "");
    EXPECT_EQ(NameWithoutExtension("tervalo"), "tervalo");
}

}  // namespace
}  // namespace installer
