// The installer's Windows layer against the system's own interfaces: queries, the read-only attribute,
// special folders and shell links, with paths that hold non-ASCII names.

#include "install/windows/windows_platform.h"

#include <gtest/gtest.h>

#include "install/core/path_text.h"
#include "support/temp_dir.h"

namespace installer {
namespace {

namespace fs = std::filesystem;

TEST(WindowsPlatform, AnswersTheSystemQueries) {
    WindowsPlatform platform;
    EXPECT_GE(platform.ProcessorCount(), 1u);
    EXPECT_GT(platform.QueryMemoryStatus().totalPhysical, 0u);
    EXPECT_FALSE(platform.ComputerName().empty());
    EXPECT_FALSE(platform.SpecialFolder(kCommonProgramsFolder).empty());
}

TEST(WindowsPlatform, ReadOnlyAttributeOfANonAsciiName) {
    tervalo::test::ScopedTempDir dir;
    WindowsPlatform platform;
    const fs::path file = dir.path() / PathFromUtf8("W\xC3\xA4rme.dat");  // Wärme.dat
    EXPECT_FALSE(platform.IsReadOnly(file)) << "missing";
    tervalo::test::WriteBytes(file, "x");
    fs::permissions(file, fs::perms::owner_read);
    EXPECT_EQ(platform.IsReadOnly(file), true);
    platform.ClearReadOnlyAttribute(file);
    EXPECT_EQ(platform.IsReadOnly(file), false);
}

TEST(WindowsPlatform, CreatesAShellLink) {
    tervalo::test::ScopedTempDir dir;
    WindowsPlatform platform;
    ShortcutRecord link;
    link.Datei = dir.path() / "tervalo.exe";
    tervalo::test::WriteBytes(link.Datei, "x");
    link.LinkName = dir.path() / PathFromUtf8(platform.ShortcutFileName("Tervalo \xC3\x96l.lnk"));
    link.WorkingDir = dir.path();
    link.Comment = "Tervalo";
    ASSERT_TRUE(platform.CreateLink(link));
    EXPECT_TRUE(fs::is_regular_file(link.LinkName));
}

}  // namespace
}  // namespace installer
