// The engine's calls into the operating system, on the system the tests run on.

#include "engine/platform.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <optional>
#include <set>
#include <string>

#include "support/system_traits.h"
#include "support/temp_dir.h"

namespace tervalo {
namespace {

namespace fs = std::filesystem;

TEST(Platform, StoredSpellingOfAFileFoundUnderAnother) {
    test::ScopedTempDir dir;
    test::WriteBytes("KParam.DAT", "x");
    EXPECT_EQ(StoredSpelling("KParam.DAT"), "KParam.DAT");
    if (!fs::exists("kparam.dat")) return;  // a system that tells case apart
    EXPECT_EQ(StoredSpelling("kparam.dat"), "KParam.DAT");
    EXPECT_EQ(StoredSpelling(fs::path(".") / "kparam.dat"), fs::path(".") / "KParam.DAT");
}

// The entries as std::filesystem lists them, without "." and "..", a directory among them; the names
// `accept` is given are the ones it takes.
TEST(Platform, DirectoryEntriesAreThoseTheStandardLibraryLists) {
    test::ScopedTempDir dir;
    for (const char* name : {"Caption.ENG", "caption.eng.tervalo-tmp", "a", ".hidden", "..x", "R22.DAT"})
        test::WriteBytes(name, "x");
    fs::create_directory("sub");
    std::set<fs::path> listed;
    for (const auto& entry : fs::directory_iterator(".")) listed.insert(entry.path().filename());
    const auto all = DirectoryEntriesWhere(".", [](std::string_view) { return true; });
    ASSERT_TRUE(all);
    EXPECT_EQ(std::set<fs::path>(all->begin(), all->end()), listed);
    EXPECT_EQ(all->size(), listed.size()) << "each entry once";

    std::set<std::string> offered;
    const auto dotted = DirectoryEntriesWhere(".", [&offered](std::string_view name) {
        offered.insert(std::string(name));
        return name.starts_with('.');
    });
    ASSERT_TRUE(dotted);
    EXPECT_EQ(std::set<fs::path>(dotted->begin(), dotted->end()), (std::set<fs::path>{".hidden", "..x"}));
    EXPECT_EQ(offered.size(), listed.size());
    EXPECT_FALSE(DirectoryEntriesWhere("missing", [](std::string_view) { return true; }));
}

TEST(Platform, DriveRootsOnlyWhereTheSystemHasDrives) {
    for (const char* text : {"D:\\", "d:", "C:/"}) {
        if (test::kPosixSystem) {
            EXPECT_FALSE(DriveRoot(text)) << text;
        } else {
            EXPECT_EQ(DriveRoot(text), fs::path(std::string{text[0], ':', '\\'})) << text;
        }
    }
    for (const char* text : {"", "D", "D:x", "D:\\x", "1:\\", "/"}) EXPECT_FALSE(DriveRoot(text)) << text;
}

TEST(Platform, TheRunningProgramIsKnown) {
    const auto program = RunningProgramFile();
    ASSERT_TRUE(program);
    EXPECT_TRUE(fs::is_regular_file(*program)) << program->string();
}

TEST(Platform, WritableFilesAndFolders) {
    test::ScopedTempDir dir;
    test::WriteBytes("a.dat", "x");
    EXPECT_TRUE(IsWritable("a.dat"));
    EXPECT_TRUE(IsWritable("."));
    EXPECT_FALSE(IsWritable("missing.dat"));
    // On Windows the read-only attribute.
    fs::permissions("a.dat", fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    if (test::PermissionsBind()) {
        EXPECT_FALSE(IsWritable("a.dat"));
    }
    fs::permissions("a.dat", fs::perms::owner_write, fs::perm_options::add);
    EXPECT_TRUE(IsWritable("a.dat"));
}

// Windows keeps the environment in UTF-16, and its narrow copy in the ANSI code page cannot hold every name.
TEST(Platform, EnvironmentVariablesInUtf8) {
#ifdef _WIN32
    ASSERT_EQ(::_wputenv_s(L"TERVALO_TEST_NAME", L"J\u00FCrgen \u0141\u00F3d\u017A \u041C"), 0);
#else
    ASSERT_EQ(::setenv("TERVALO_TEST_NAME",
                       "J\xC3\xBCrgen \xC5\x81\xC3\xB3"
                       "d\xC5\xBA \xD0\x9C",
                       1),
              0);
#endif
    EXPECT_EQ(EnvironmentVariable("TERVALO_TEST_NAME"),
              "J\xC3\xBCrgen \xC5\x81\xC3\xB3"
              "d\xC5\xBA \xD0\x9C");
    EXPECT_EQ(EnvironmentVariable("TERVALO_TEST_NAME_NOT_SET"), std::nullopt);
}

// The user's data folder comes from absolute folders only: a relative one would move with the folder the
// program was started in.
TEST(Platform, UserDataHomeIgnoresRelativeFolders) {
#ifdef _WIN32
    GTEST_SKIP() << "Windows takes %APPDATA%";
#else
    const auto from = [](std::map<std::string, std::string> values) {
        return UserDataHome([values](const std::string& name) -> std::optional<std::string> {
            const auto found = values.find(name);
            return found == values.end() ? std::nullopt : std::optional<std::string>(found->second);
        });
    };
    EXPECT_EQ(from({{"HOME", "/home/u"}}), std::filesystem::path("/home/u/.local/share"));
    EXPECT_EQ(from({{"XDG_DATA_HOME", "/data"}, {"HOME", "/home/u"}}), std::filesystem::path("/data"));
    EXPECT_EQ(from({{"XDG_DATA_HOME", "data"}, {"HOME", "/home/u"}}),
              std::filesystem::path("/home/u/.local/share"));
    for (const char* home : {"home/u", "../u", ".", ""})
        EXPECT_EQ(from({{"HOME", home}}), std::filesystem::path()) << home;
#endif
}

}  // namespace
}  // namespace tervalo
