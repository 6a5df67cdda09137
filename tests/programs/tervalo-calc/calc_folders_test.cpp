// tervalo-calc started from a folder that is not its working folder: an installation that the user may not
// write alone, the per-user folder it works in, and the files named on the command line.

#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>

#include "calc_program_fixture.h"

namespace tervalo {
namespace {

namespace fs = std::filesystem;
using test::CalcProgram;
using test::ReadBytes;
using test::WriteBytes;

class CalcFolders : public CalcProgram {
  protected:
    void SetUp() override {
        CalcProgram::SetUp();
        const fs::path data = fs::current_path();
        root_ = data / "machine";
        program_ = root_ / "program";
        home_ = root_ / "home";
        start_ = root_ / "start";
        for (const fs::path& folder : {program_, home_, start_}) fs::create_directories(folder);
        for (const auto& entry : fs::directory_iterator(data))
            if (entry.is_regular_file()) fs::copy_file(entry.path(), program_ / entry.path().filename());
        // The program file itself, so that the program finds this folder as its own.
        fs::copy_file(TERVALO_CALC_PROGRAM, program_ / "tervalo-calc");
        // and the one it hands the runs that draw to, where the build has one.
        const fs::path draw = fs::path(TERVALO_CALC_PROGRAM).parent_path() / "tervalo-calc-draw";
        if (fs::exists(draw)) fs::copy_file(draw, program_ / "tervalo-calc-draw");
        // Shared with a group: no user works in it.
        fs::permissions(program_, fs::perms::group_write, fs::perm_options::add);
    }

    // Runs the program from `folder` as `user` (numeric uid; the current user when 0 and not root).
    int Run(const fs::path& folder, const std::string& arguments, const std::string& asUser = "") {
        const std::string command = "cd '" + folder.string() + "' && " + asUser + " env -i HOME='" +
                                    home_.string() + "' '" + (program_ / "tervalo-calc").string() + "' " +
                                    arguments + " >'" + (root_ / "out.txt").string() + "' 2>'" +
                                    (root_ / "err.txt").string() + "'";
        const int status = std::system(command.c_str());
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    std::string Errors() const { return ReadBytes(root_ / "err.txt"); }

    fs::path root_, program_, home_, start_;
};

TEST_F(CalcFolders, FilesOnTheCommandLineAreWhereTheUserTypedThem) {
    const fs::path users = home_ / ".local" / "share" / "Tervalo";
    WriteBytes(start_ / "in.csv", "WohnFL\r\n150\r\n120\r\n");
    ASSERT_EQ(Run(start_, "--batch in.csv --out results.csv"), 0) << Errors();
    EXPECT_NE(ReadBytes(start_ / "results.csv").find("150"), std::string::npos);
    EXPECT_FALSE(fs::exists(users / "results.csv"));
    int written = 2;  // in.csv, results.csv
#ifdef TERVALO_CALC_DRAWS
    written += 2;  // sub, cycle.svg
    fs::create_directories(start_ / "sub");
    ASSERT_EQ(Run(start_ / "sub", "--diagram ../cycle.svg"), 0) << Errors();
    EXPECT_NE(ReadBytes(start_ / "cycle.svg").find("<svg"), std::string::npos);
#endif

    // The save goes to the user's folder, which nobody else may read; the start folder gets nothing more.
    ASSERT_EQ(Run(start_, "WohnFL=130 --save"), 0) << Errors();
    EXPECT_NE(ReadBytes(users / "TempPart.dat").find("130"), std::string::npos);
    EXPECT_EQ(fs::status(users).permissions(), fs::perms::owner_all);
    EXPECT_EQ(test::EntryCount(start_), written) << "in.csv, results.csv, cycle.svg, sub";
    EXPECT_EQ(Errors().find("working in"), std::string::npos) << "the user's folder goes unnamed";
}

TEST_F(CalcProgram, ACurrentFolderOfTheUsersOwnIsNamedOnStandardError) {
    const test::CalcRun run = test::RunCalc("");
    ASSERT_EQ(run.status, 0) << run.errors;
    EXPECT_NE(run.folderNotice.find(fs::current_path().string()), std::string::npos) << run.folderNotice;
}

// Two users share a group-writable folder with the program's files: one plants a link to the other's notes,
// which the other's save must not overwrite.
TEST_F(CalcFolders, ALinkPlantedInASharedFolderWritesNothingOfTheUsers) {
    if (::geteuid() != 0) GTEST_SKIP() << "two users need the superuser";
    const uid_t you = 1;        // daemon
    const uid_t other = 65534;  // nobody
    const fs::path shared = root_ / "shared";
    fs::create_directories(shared);
    for (const auto& entry : fs::directory_iterator(program_))
        if (entry.path().filename() != "TempPart.dat")
            fs::copy_file(entry.path(), shared / entry.path().filename());
    fs::permissions(shared, fs::perms::all, fs::perm_options::replace);
    fs::permissions(root_, fs::perms::all, fs::perm_options::replace);
    WriteBytes(home_ / "notes.txt", "your notes");
    fs::create_symlink(home_ / "notes.txt", shared / "TempPart.dat");
    ASSERT_EQ(::lchown((shared / "TempPart.dat").c_str(), other, other), 0);
    for (const auto& entry : fs::recursive_directory_iterator(home_))
        ASSERT_EQ(::chown(entry.path().c_str(), you, you), 0);
    ASSERT_EQ(::chown(home_.c_str(), you, you), 0);
    fs::permissions(fs::current_path(), fs::perms::others_exec, fs::perm_options::add);

    const std::string asYou =
        "setpriv --reuid=" + std::to_string(you) + " --regid=" + std::to_string(you) + " --clear-groups";
    ASSERT_EQ(Run(shared, "WohnFL=130 --save", asYou), 0) << Errors();
    EXPECT_EQ(ReadBytes(home_ / "notes.txt"), "your notes");
    EXPECT_NE(ReadBytes(home_ / ".local" / "share" / "Tervalo" / "TempPart.dat").find("130"),
              std::string::npos);
    EXPECT_TRUE(fs::is_symlink(shared / "TempPart.dat"));
}

}  // namespace
}  // namespace tervalo
