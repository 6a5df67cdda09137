// Which current folder the programs trust, and the per-user folder of an installation that all users share:
// private, with copies of the user's own, renewed or put beside as the program directory changes.
#include <gtest/gtest.h>

#include <map>
#include <random>

#include "shell/working_folder.h"
#include "support/system_traits.h"
#include "support/temp_dir.h"

#ifndef _WIN32
#include <unistd.h>
#endif

namespace tervalo {
namespace {

namespace fs = std::filesystem;
using test::ReadBytes;
using test::ScopedTempDir;
using test::WriteBytes;

EnvironmentLookup Home(const fs::path& home) {
    const std::string text = home.string();
    return [text](const std::string& name) -> std::optional<std::string> {
        if (name == "HOME") return text;
        return std::nullopt;
    };
}

void WriteDataFolder(const fs::path& folder) {
    fs::create_directories(folder);
    WriteBytes(folder / "kparam.dat", "settings");
    WriteBytes(folder / "Caption.GER", "texts");
    WriteBytes(folder / "R22.DAT", "table");
}

TEST(CurrentFolder, IsTakenOnlyWhenItIsTheUsersAloneAndHoldsTheProgramsData) {
    TERVALO_SKIP_UNLESS_POSIX("permission bits of folders");
    ScopedTempDir temp;
    const fs::path shared = temp.path() / "shared";
    const fs::path program = temp.path() / "program";
    const auto env = Home(temp.path() / "home");
    WriteDataFolder(shared);
    WriteDataFolder(program);
    const fs::path users = temp.path() / "home" / ".local" / "share" / "Tervalo";
    fs::permissions(program, fs::perms::group_write, fs::perm_options::add);  // a shared installation
    ASSERT_EQ(ChooseWorkingFolder(shared, program, env), shared);

    // Another user could plant links in a folder that the group or all may write, the program folder too.
    for (const fs::perms open : {fs::perms::group_write, fs::perms::others_write}) {
        fs::permissions(shared, open, fs::perm_options::add);
        EXPECT_EQ(ChooseWorkingFolder(shared, program, env), users);
        fs::permissions(shared, open, fs::perm_options::remove);
    }
#ifndef _WIN32
    if (::geteuid() == 0) {
        ASSERT_EQ(::chown(shared.c_str(), 65534, 65534), 0);
        EXPECT_EQ(ChooseWorkingFolder(shared, program, env), users) << "a folder of another user";
        ASSERT_EQ(::chown(shared.c_str(), 0, 0), 0);
    }
#endif
    for (const char* name : {"Caption.GER", "R22.DAT"}) {
        fs::rename(shared / name, temp.path() / name);
        EXPECT_EQ(ChooseWorkingFolder(shared, program, env), users) << "without " << name;
        fs::rename(temp.path() / name, shared / name);
    }

    // A read-only settings file of the user's own is made writable where it is, and the folder named.
    fs::permissions(shared / "kparam.dat", fs::perms::owner_read, fs::perm_options::replace);
    fs::current_path(shared);
    const EnteredFolder entered = EnterWorkingFolder(program, env);
    EXPECT_EQ(entered.failure, std::nullopt);
    EXPECT_EQ(fs::current_path(), shared);
    EXPECT_NE(fs::status("kparam.dat").permissions() & fs::perms::owner_write, fs::perms::none);
    ASSERT_EQ(entered.notices.size(), 1u);
    EXPECT_NE(entered.notices[0].find(shared.string()), std::string::npos) << entered.notices[0];
}

TEST(UsersFolder, IsPrivateHoldsCopiesOfWhatTheProgramWritesAndKeepsTheUsersLinks) {
    ScopedTempDir temp;
    const fs::path program = temp.path() / "program";
    const fs::path user = temp.path() / "Tervalo";
    fs::create_directories(program);
    // An administrator ran the program in its directory: files of a run lie there.
    for (const char* name : {"kparam.dat", "TempPart.dat", "ergEN1.DAT", "Lifetime.dat", "Puffer.dat",
                             "KELVData.dat", "Caption.GER", "Kelvhelp.ENG"})
        WriteBytes(program / name, name);
    if (test::kPosixSystem) {
        // A folder of an earlier version: open to all, links to the files that the program writes, and a
        // link the user made to a project of the user's own.
        fs::create_directories(user);
        fs::permissions(user, fs::perms::all, fs::perm_options::replace);
        fs::create_symlink(program / "ergEN1.DAT", user / "ergEN1.DAT");
        fs::create_symlink(program / "Kelvhelp.ENG", user / "Kelvhelp.ENG");
        WriteBytes(temp.path() / "house.dat", "the user's house");
        fs::create_symlink(temp.path() / "house.dat", user / "TempPart.dat");
    }
    std::vector<std::string> notices;
    ASSERT_TRUE(PrepareUserDataFolder(program, user, &notices));
    EXPECT_TRUE(notices.empty());

    for (const char* name :
         {"kparam.dat", "ergEN1.DAT", "Lifetime.dat", "Puffer.dat", "KELVData.dat", "Kelvhelp.ENG"}) {
        EXPECT_FALSE(fs::is_symlink(user / name)) << name;
        EXPECT_EQ(ReadBytes(user / name), name);
    }
    if (test::kPosixSystem) {
        EXPECT_EQ(fs::status(user).permissions(), fs::perms::owner_all);
        EXPECT_TRUE(fs::is_symlink(user / "Caption.GER"));
        ASSERT_TRUE(fs::is_symlink(user / "TempPart.dat"));
        EXPECT_EQ(fs::read_symlink(user / "TempPart.dat"), temp.path() / "house.dat");
        // Once recorded, the folder is the user's to open again.
        fs::permissions(user, fs::perms::group_read | fs::perms::group_exec, fs::perm_options::add);
        ASSERT_TRUE(PrepareUserDataFolder(program, user));
        EXPECT_NE(fs::status(user).permissions() & fs::perms::group_read, fs::perms::none);
    }
}

TEST(UsersFolder, AnUpgradeRenewsUnchangedCopiesAndPutsTheNewVersionBesideEditedOnes) {
    TERVALO_SKIP_UNLESS_POSIX("the clean-up of the program directory's dangling links");
    ScopedTempDir temp;
    const fs::path program = temp.path() / "program";
    const fs::path user = temp.path() / "Tervalo";
    fs::create_directories(program);
    for (const char* name :
         {"kparam.dat", "TempPart.dat", "Kelvhelp.ENG", "katalg.lst", "Caption.GER", "old.bmp"})
        WriteBytes(program / name, std::string(name) + " 1");
    ASSERT_TRUE(PrepareUserDataFolder(program, user));
    WriteBytes(user / "Kelvhelp.ENG", "the user's help page");
    WriteBytes(user / "TempPart.dat", "the user's project");
    if (test::kPosixSystem) fs::create_symlink(temp.path() / "unplugged" / "x.dat", user / "mine.dat");

    for (const char* name : {"kparam.dat", "TempPart.dat", "Kelvhelp.ENG", "katalg.lst", "Caption.GER"})
        WriteBytes(program / name, std::string(name) + " 2");
    fs::remove(program / "old.bmp");
    std::vector<std::string> notices;
    ASSERT_TRUE(PrepareUserDataFolder(program, user, &notices));

    EXPECT_EQ(ReadBytes(user / "katalg.lst"), "katalg.lst 2");
    EXPECT_EQ(ReadBytes(user / "kparam.dat"), "kparam.dat 2");
    EXPECT_EQ(ReadBytes(user / "Caption.GER"), "Caption.GER 2");
    EXPECT_EQ(ReadBytes(user / "Kelvhelp.ENG"), "the user's help page");
    EXPECT_EQ(ReadBytes(user / "Kelvhelp.ENG.new"), "Kelvhelp.ENG 2");
    EXPECT_EQ(ReadBytes(user / "TempPart.dat"), "the user's project");
    EXPECT_FALSE(fs::exists(user / "TempPart.dat.new")) << "a project is the user's, no new version beside";
    ASSERT_EQ(notices.size(), 1u);
    EXPECT_NE(notices[0].find("Kelvhelp.ENG.new"), std::string::npos);
    EXPECT_FALSE(fs::exists(fs::symlink_status(user / "old.bmp"))) << "a link to a removed file";
    if (test::kPosixSystem) {
        EXPECT_TRUE(fs::is_symlink(user / "mine.dat")) << "the user's own dangling link";
    }

    // Said once; the next version is offered again.
    notices.clear();
    ASSERT_TRUE(PrepareUserDataFolder(program, user, &notices));
    EXPECT_TRUE(notices.empty());
    WriteBytes(program / "Kelvhelp.ENG", "Kelvhelp.ENG 3");
    ASSERT_TRUE(PrepareUserDataFolder(program, user, &notices));
    EXPECT_EQ(notices.size(), 1u);
    EXPECT_EQ(ReadBytes(user / "Kelvhelp.ENG.new"), "Kelvhelp.ENG 3");
    EXPECT_EQ(ReadBytes(user / "Kelvhelp.ENG"), "the user's help page");
}

// Random edits by the user and random upgrades: an edit is never lost, an unchanged copy is always the
// program directory's file, and an edited copy has the newest version beside it once the program's changed.
TEST(UsersFolder, EditsSurviveAnySequenceOfUpgrades) {
    ScopedTempDir temp;
    const fs::path program = temp.path() / "program";
    const fs::path user = temp.path() / "Tervalo";
    fs::create_directories(program);
    const std::vector<std::string> names{"Kelvhelp.ENG", "Kelvhelp.GER", "katalg.lst", "VERDIVDN.rdm",
                                         "SpezBK.dat",   "TempPart.dat", "kparam.dat"};
    struct Model {
        std::string shipped, copied, edit;
    };
    std::map<std::string, Model> model;
    for (const std::string& name : names) {
        WriteBytes(program / name, name + " v0");
        model[name] = {name + " v0", name + " v0", ""};
    }
    ASSERT_TRUE(PrepareUserDataFolder(program, user));
    std::mt19937 random(24);
    for (int round = 1; round <= 25; ++round) {
        for (const std::string& name : names) {
            Model& file = model[name];
            if (random() % 4 == 0) {
                file.edit = name + " edit " + std::to_string(round);
                WriteBytes(user / name, file.edit);
            }
            if (random() % 3 == 0) {
                file.shipped = name + " v" + std::to_string(round);
                WriteBytes(program / name, file.shipped);
            }
        }
        ASSERT_TRUE(PrepareUserDataFolder(program, user));
        for (const std::string& name : names) {
            Model& file = model[name];
            const bool run = name == "TempPart.dat" || name == "kparam.dat";
            if (file.edit.empty()) {
                file.copied = file.shipped;
                EXPECT_EQ(ReadBytes(user / name), file.shipped) << name << " round " << round;
            } else {
                EXPECT_EQ(ReadBytes(user / name), file.edit) << name << " round " << round;
                if (file.shipped != file.copied && !run) {
                    EXPECT_EQ(ReadBytes(user / (name + ".new")), file.shipped) << name << " round " << round;
                }
            }
            if (run) {
                EXPECT_FALSE(fs::exists(user / (name + ".new"))) << name;
            }
        }
    }
}

TEST(UsersFolder, EachInstallationHasAFolderOfItsOwn) {
    TERVALO_SKIP_UNLESS_POSIX("the clean-up of the program directory's dangling links");
    ScopedTempDir temp;
    const fs::path first = temp.path() / "first";
    const fs::path second = temp.path() / "second";
    const fs::path base = temp.path() / "Tervalo";
    for (const fs::path& program : {first, second}) {
        fs::create_directories(program);
        WriteBytes(program / "kparam.dat", program.filename().string());
        WriteBytes(program / "Caption.GER", program.filename().string());
    }
    ASSERT_EQ(UserFolderFor(base, first), base);
    ASSERT_TRUE(PrepareUserDataFolder(first, base));
    const fs::path secondsFolder = UserFolderFor(base, second);
    EXPECT_NE(secondsFolder, base);
    EXPECT_EQ(secondsFolder.parent_path(), base.parent_path());
    ASSERT_TRUE(PrepareUserDataFolder(second, secondsFolder));
    EXPECT_EQ(ReadBytes(base / "Caption.GER"), "first");
    EXPECT_EQ(ReadBytes(base / "kparam.dat"), "first");
    EXPECT_EQ(ReadBytes(secondsFolder / "Caption.GER"), "second");
    EXPECT_EQ(UserFolderFor(base, first), base);
    EXPECT_EQ(UserFolderFor(base, second), secondsFolder);

    // The first installation removed: the second keeps its folder; a third takes the first's over and the
    // links that dangle now go.
    fs::remove_all(first);
    EXPECT_EQ(UserFolderFor(base, second), secondsFolder);
    const fs::path third = temp.path() / "third";
    fs::create_directories(third);
    WriteBytes(third / "kparam.dat", "third");
    ASSERT_EQ(UserFolderFor(base, third), base);
    ASSERT_TRUE(PrepareUserDataFolder(third, base));
    EXPECT_FALSE(fs::exists(fs::symlink_status(base / "Caption.GER")));
    EXPECT_EQ(ReadBytes(base / "kparam.dat"), "third") << "settings the user never changed are renewed";
}

}  // namespace
}  // namespace tervalo
