// The folder the programs work in, and their answers to --help and --version.
#include "shell/working_folder.h"

#include <gtest/gtest.h>

#include <map>

#include "shell/program_identity.h"
#include "support/system_traits.h"
#include "support/temp_dir.h"

namespace tervalo {
namespace {

namespace fs = std::filesystem;
using test::ReadBytes;
using test::ScopedTempDir;
using test::WriteBytes;

EnvironmentLookup Environment(std::map<std::string, std::string> values) {
    return [values](const std::string& name) -> std::optional<std::string> {
        const auto found = values.find(name);
        if (found == values.end()) return std::nullopt;
        return found->second;
    };
}

TEST(WorkingFolder, CurrentDataFolderThenWritableProgramDirectoryThenTheUsersFolder) {
    ScopedTempDir temp;
    const fs::path data = temp.path() / "data";
    const fs::path program = temp.path() / "program";
    fs::create_directories(data);
    fs::create_directories(program);
    const auto env = Environment({{"HOME", "/home/anna"}});

    // A folder without the program's settings, texts and table is no data folder: started from elsewhere, the
    // program goes home.
    EXPECT_EQ(ChooseWorkingFolder(data, program, env), program);
    WriteBytes(data / "KPARAM.DAT", "settings");
    EXPECT_EQ(ChooseWorkingFolder(data, program, env), program) << "the settings alone";
    WriteBytes(data / "Caption.GER", "texts");
    WriteBytes(data / "r22.dat", "table");
    EXPECT_EQ(ChooseWorkingFolder(data, program, env), data);

    // The process file system is not writable for anyone, the superuser included.
    if (test::kPosixSystem) {
        EXPECT_EQ(ChooseWorkingFolder("/proc/self", "/proc/self", env), "/home/anna/.local/share/Tervalo");
        EXPECT_EQ(ChooseWorkingFolder("/proc/self", "/proc/self",
                                      Environment({{"HOME", "/home/anna"}, {"XDG_DATA_HOME", "/data/anna"}})),
                  "/data/anna/Tervalo");
        // A packaged installation is left to the package manager, whoever starts the program.
        EXPECT_EQ(ChooseWorkingFolder("/proc/self", "/usr/lib/tervalo", env),
                  "/home/anna/.local/share/Tervalo");
        EXPECT_EQ(
            ChooseWorkingFolder("/proc/self", "/proc/self", Environment({{"XDG_DATA_HOME", "relative"}})),
            "");
    } else {
        // The environment's texts are UTF-8.
        EXPECT_EQ(
            ChooseWorkingFolder("/proc/self", "/proc/self",
                                Environment({{"APPDATA", "C:\\Users\\J\xC3\xBCrgen\\AppData\\Roaming"}})),
            fs::path(u8"C:\\Users\\J\u00FCrgen\\AppData\\Roaming\\Tervalo"));
        EXPECT_EQ(ChooseWorkingFolder("/proc/self", "/proc/self", env), "") << "no HOME on Windows";
        EXPECT_EQ(ChooseWorkingFolder("/proc/self", "/proc/self", Environment({{"APPDATA", "relative"}})),
                  "");
    }
}

TEST(WorkingFolder, UsersFolderShowsTheProgramDirectoryAndKeepsTheUsersFiles) {
    ScopedTempDir temp;
    const fs::path program = temp.path() / "usr" / "lib" / "tervalo";
    const fs::path user = temp.path() / "home" / ".local" / "share" / "Tervalo";
    fs::create_directories(program);
    for (const char* name : {"kparam.dat", "Caption.GER", "TempPart.dat", "VERDIVDN.rdm", "old.dat"})
        WriteBytes(program / name, name);
    ASSERT_TRUE(PrepareUserDataFolder(program, user));

    // Links where every user may make them, else copies.
    EXPECT_EQ(fs::is_symlink(user / "Caption.GER"), test::kPosixSystem);
    EXPECT_EQ(ReadBytes(user / "Caption.GER"), "Caption.GER");
    // The files the program rewrites are copies: a save writes through a link, into the shared directory.
    for (const char* name : {"VERDIVDN.rdm", "kparam.dat", "TempPart.dat"}) {
        EXPECT_FALSE(fs::is_symlink(user / name)) << name;
        EXPECT_EQ(ReadBytes(user / name), name);
    }

    // An update of the program directory leaves the user's files, shows new and changed files and drops links
    // to files that are gone.
    WriteBytes(user / "TempPart.dat", "the user's project");
    if (test::kPosixSystem) {
        // The user's own links stay, even those whose file is gone.
        fs::create_symlink(temp.path() / "elsewhere" / "notes.txt", user / "notes.txt");
        fs::create_symlink("Caption.GER", user / "mine.lnk");
    }
    WriteBytes(program / "Caption.HUN", "Caption.HUN");
    WriteBytes(program / "Caption.GER", "Caption.GER, updated");
    fs::remove(program / "old.dat");
    ASSERT_TRUE(PrepareUserDataFolder(program, user));

    EXPECT_EQ(ReadBytes(user / "TempPart.dat"), "the user's project");
    EXPECT_EQ(ReadBytes(user / "Caption.HUN"), "Caption.HUN");
    EXPECT_EQ(ReadBytes(user / "Caption.GER"), "Caption.GER, updated");
    if (test::kPosixSystem) {
        EXPECT_FALSE(fs::exists(fs::symlink_status(user / "old.dat")));
        EXPECT_TRUE(fs::is_symlink(user / "notes.txt")) << "a link of the user's into another folder";
        EXPECT_TRUE(fs::is_symlink(user / "mine.lnk"));
    }
}

TEST(WorkingFolder, EnteringTheUsersFolderFromAnotherDirectory) {
    ScopedTempDir temp;
    const fs::path program = temp.path() / "program";
    fs::create_directories(program);
    WriteBytes(program / "kparam.dat", "settings");
    fs::create_directories(temp.path() / "elsewhere");
    fs::current_path(temp.path() / "elsewhere");

    EXPECT_EQ(EnterWorkingFolder(program, Environment({})).failure, std::nullopt);
    EXPECT_EQ(fs::current_path(), program);

    fs::current_path(temp.path() / "elsewhere");
    const auto failure = EnterWorkingFolder("/proc/self", Environment({})).failure;
    ASSERT_TRUE(failure.has_value());
    EXPECT_NE(failure->find("is not writable"), std::string::npos);
}

TEST(ProgramIdentity, HelpAndVersionAreFoundAmongTheArguments) {
    EXPECT_EQ(FindInfoRequest({}), InfoRequest::None);
    EXPECT_EQ(FindInfoRequest({"WohnFL=150", "--version", "--help"}), InfoRequest::Version);
    EXPECT_EQ(FindInfoRequest({"-h"}), InfoRequest::Help);
    EXPECT_EQ(FindInfoRequest({"--helper"}), InfoRequest::None);
    EXPECT_EQ(VersionText("tervalo-calc"), "tervalo-calc 2.12\n");
}

}  // namespace
}  // namespace tervalo
