// Runs over an existing installation, runs that cannot finish, and the uninstall of what a run installed.
#include <gtest/gtest.h>

#include <algorithm>

#include "install/core/install_record.h"
#include "install/core/installation.h"
#include "installer_fakes.h"

namespace installer {
namespace {

namespace fs = std::filesystem;
using tervalo::test::ReadBytes;
using tervalo::test::ScopedTempDir;
using tervalo::test::WriteBytes;

bool Contains(const std::vector<std::string>& lines, const std::string& line) {
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

class UpdateAndCancel : public ::testing::Test {
  protected:
    void SetUp() override {
        test::WriteFiles(dist_, {"kparam.dat", "TempPart.dat", "SpezBK.dat", "energk.dat", "Kelvhelp.GER",
                                 "Caption.GER", "Tervalo.EXE", "install.exe"});
        fs::create_directories(programs_);
        fs::create_directories(desktop_);
        platform_.folders = {{kCommonProgramsFolder, programs_}, {kCommonDesktopFolder, desktop_}};
    }

    RunResult Install(test::RecordingView& view) {
        Installation installation(platform_, view, dist_);
        installation.RunInstallation(target_, "ENG");
        protocol_ = installation.Protocol();
        return installation.Result();
    }

    // Every file below the temporary folder with its content.
    std::map<std::string, std::string> Snapshot() const {
        std::map<std::string, std::string> files;
        for (const auto& entry : fs::recursive_directory_iterator(temp_.path()))
            files[entry.path().string()] = entry.is_regular_file() ? ReadBytes(entry.path()) : "<folder>";
        return files;
    }

    ScopedTempDir temp_;
    fs::path dist_ = temp_.path() / "dist";
    fs::path target_ = temp_.path() / "Programme" / "Tervalo";
    fs::path programs_ = temp_.path() / "programs";
    fs::path desktop_ = temp_.path() / "desktop";
    test::FakePlatform platform_;
    std::vector<std::string> protocol_;
};

TEST_F(UpdateAndCancel, SecondInstallKeepsTheFilesTheUserChangedAndPutsNewVersionsBeside) {
    test::RecordingView first;
    ASSERT_EQ(Install(first), RunResult::Installed);
    EXPECT_TRUE(first.updateQuestions.empty());
    WriteBytes(target_ / "TempPart.dat", "the user's project");
    WriteBytes(target_ / "Kelvhelp.GER", "edited help");
    WriteBytes(dist_ / "energk.dat", "new factors");
    WriteBytes(dist_ / "SpezBK.dat", "new prices");
    WriteBytes(dist_ / "Tervalo.EXE", "new program");

    test::RecordingView second;
    ASSERT_EQ(Install(second), RunResult::Installed);

    ASSERT_EQ(second.updateQuestions.size(), 1u);
    EXPECT_NE(second.updateQuestions[0].find("Your own files are kept: Kelvhelp.*, kparam.dat, SpezBK.dat, "
                                             "TempPart.dat."),
              std::string::npos);
    EXPECT_EQ(ReadBytes(target_ / "TempPart.dat"), "the user's project");
    EXPECT_EQ(ReadBytes(target_ / "TempPart.dat.new"), "TempPart.dat");
    EXPECT_EQ(ReadBytes(target_ / "Kelvhelp.GER"), "edited help");
    EXPECT_EQ(ReadBytes(target_ / "Kelvhelp.GER.new"), "Kelvhelp.GER");
    // The user's prices were the shipped ones; the new shipped ones differ, so they too go beside.
    EXPECT_EQ(ReadBytes(target_ / "SpezBK.dat"), "SpezBK.dat");
    EXPECT_EQ(ReadBytes(target_ / "SpezBK.dat.new"), "new prices");
    // Unchanged user files get no new version; files the user does not change are replaced.
    EXPECT_FALSE(fs::exists(target_ / "kparam.dat.new"));
    EXPECT_EQ(ReadBytes(target_ / "energk.dat"), "new factors");
    EXPECT_EQ(ReadBytes(target_ / "Tervalo.EXE"), "new program");
    EXPECT_TRUE(Contains(protocol_, (target_ / "TempPart.dat").string() + ":  Kept, your own version."));
    EXPECT_TRUE(
        Contains(protocol_, (target_ / "TempPart.dat.new").string() + ":  New version, put beside yours."));

    // No temporary or set-aside file is left.
    for (const auto& name : test::FileNames(target_)) EXPECT_NE(name.front(), '.') << name;
}

TEST_F(UpdateAndCancel, DecliningTheUpdateChangesNothing) {
    test::RecordingView first;
    ASSERT_EQ(Install(first), RunResult::Installed);
    WriteBytes(dist_ / "energk.dat", "new factors");
    const auto before = Snapshot();

    test::RecordingView second;
    second.answerUpdate = false;
    Installation installation(platform_, second, dist_);
    EXPECT_EQ(installation.RunInstallation(target_, "GER"), RunOutcome::UpdateDeclined);
    ASSERT_EQ(second.updateQuestions.size(), 1u);
    EXPECT_EQ(second.updateQuestions[0].rfind("Tervalo ist im Pfad " + target_.string(), 0), 0u);
    EXPECT_EQ(Snapshot(), before);
}

TEST_F(UpdateAndCancel, TooLittleFreeSpaceFailsBeforeAnythingIsCreated) {
    platform_.availableSpace = 10;
    test::RecordingView view;
    EXPECT_EQ(Install(view), RunResult::Failed);

    std::uint64_t needed = 0;
    for (const auto& entry : fs::directory_iterator(dist_)) needed += entry.file_size();
    EXPECT_EQ(protocol_.back(), NotEnoughSpaceLine(target_, needed, 10));
    EXPECT_FALSE(fs::exists(target_.parent_path()));
    EXPECT_TRUE(platform_.links.empty());
}

TEST_F(UpdateAndCancel, CancelRemovesWhatTheRunCreatedAndKeepsAnEarlierInstallation) {
    {
        test::RecordingView view;
        view.cancelAfterEvents = 3;
        EXPECT_EQ(Install(view), RunResult::Cancelled);
        EXPECT_FALSE(fs::exists(target_.parent_path()));
        EXPECT_TRUE(platform_.links.empty());
        EXPECT_EQ(protocol_.back(), target_.string() + ":  Installation cancelled, nothing changed.");
    }
    test::RecordingView first;
    ASSERT_EQ(Install(first), RunResult::Installed);
    WriteBytes(dist_ / "Caption.GER", "new captions");
    WriteBytes(dist_ / "extra.dat", "new file");
    const auto before = Snapshot();
    platform_.links.clear();

    // Cancelled after the last file: still nothing is put into place.
    test::RecordingView second;
    second.cancelAfterEvents = 9;
    EXPECT_EQ(Install(second), RunResult::Cancelled);
    auto after = Snapshot();
    after.erase((dist_ / "extra.dat").string());
    auto expected = before;
    expected.erase((dist_ / "extra.dat").string());
    EXPECT_EQ(after, expected);
    EXPECT_TRUE(platform_.links.empty());
}

TEST_F(UpdateAndCancel, UninstallRemovesWhatTheInstallationsCreatedAndKeepsTheUsersFiles) {
    fs::create_directories(target_.parent_path());
    test::RecordingView first;
    ASSERT_EQ(Install(first), RunResult::Installed);
    WriteBytes(target_ / "TempPart.dat", "the user's project");
    WriteBytes(target_ / "ergEN1.DAT", "results the program wrote");
    WriteBytes(dist_ / "later.dat", "a file of the second version");
    test::RecordingView second;
    ASSERT_EQ(Install(second), RunResult::Installed);
    const auto record = ReadInstallRecord(target_);
    EXPECT_EQ(std::count(record.begin(), record.end(), target_ / "Tervalo.EXE"), 1);
    EXPECT_EQ(std::count(record.begin(), record.end(), target_ / "later.dat"), 1);
    EXPECT_EQ(std::count(record.begin(), record.end(), desktop_ / "Tervalo 2.12.LNK"), 1);

    const UninstallResult kept = Uninstall(target_, false, LauncherFolders(platform_));
    EXPECT_TRUE(kept.failed.empty());
    EXPECT_EQ(test::FileNames(target_), (std::set<std::string>{"kparam.dat", "TempPart.dat", "SpezBK.dat",
                                                               "Kelvhelp.GER", "ergEN1.DAT"}));
    EXPECT_EQ(ReadBytes(target_ / "TempPart.dat"), "the user's project");
    EXPECT_TRUE(fs::is_empty(programs_));
    EXPECT_TRUE(fs::is_empty(desktop_));
    EXPECT_FALSE(Uninstall(target_, false, LauncherFolders(platform_)).recordFound);
}

TEST_F(UpdateAndCancel, UninstallOfEverythingLeavesNoTrace) {
    test::RecordingView view;
    ASSERT_EQ(Install(view), RunResult::Installed);

    const UninstallResult result = Uninstall(target_, true, LauncherFolders(platform_));

    EXPECT_TRUE(result.failed.empty());
    EXPECT_FALSE(fs::exists(target_.parent_path()));
    EXPECT_TRUE(fs::is_empty(programs_));
    EXPECT_TRUE(fs::is_empty(desktop_));
    EXPECT_TRUE(fs::exists(dist_ / "Tervalo.EXE"));
}

// Two installations for one user share the launcher folders: each keeps launchers of its own, and the
// uninstall of one leaves the other's launchers, the folders it did not create and every path outside its
// target that a line added to its record names.
TEST_F(UpdateAndCancel, TwoInstallationsKeepTheirLaunchersApart) {
    const fs::path menu = platform_.MenuFolder(programs_);
    test::RecordingView first;
    ASSERT_EQ(Install(first), RunResult::Installed);
    const auto firstLaunchers = test::FileNames(menu);
    const fs::path firstTarget = target_;
    target_ = temp_.path() / "Second" / "Tervalo";
    test::RecordingView second;
    ASSERT_EQ(Install(second), RunResult::Installed);
    const auto launchers = test::FileNames(menu);
    EXPECT_EQ(launchers.size(), 2 * firstLaunchers.size()) << "the second's launchers beside the first's";
    EXPECT_TRUE(
        Contains(protocol_, Utf8(desktop_ / "Tervalo 2.12.LNK") + std::string(kOtherInstallationsLink)));
    EXPECT_TRUE(Contains(protocol_, Utf8(desktop_ / "Tervalo 2.12-2.LNK") + std::string(kOwnLinkName)));

    // An update of the second keeps its own names.
    ASSERT_EQ(Install(second), RunResult::Installed);
    EXPECT_EQ(test::FileNames(menu), launchers);

    // A line planted in the first's record: a file of the user's elsewhere.
    WriteBytes(temp_.path() / "notes.txt", "notes");
    ASSERT_TRUE(AddToInstallRecord(
        platform_, firstTarget, {temp_.path() / "notes.txt", temp_.path() / "desktop" / ".." / "notes.txt"}));
    const UninstallResult result = Uninstall(firstTarget, true, LauncherFolders(platform_));
    EXPECT_TRUE(result.failed.empty());
    EXPECT_EQ(ReadBytes(temp_.path() / "notes.txt"), "notes");
    EXPECT_EQ(test::FileNames(menu).size(), firstLaunchers.size()) << "the second's launchers stay";
    for (const std::string& name : test::FileNames(menu)) EXPECT_NE(name.find("-2"), std::string::npos);
    EXPECT_TRUE(fs::is_directory(programs_)) << "a folder the installer did not create";
    EXPECT_TRUE(fs::exists(target_ / "Tervalo.EXE"));
}

}  // namespace
}  // namespace installer
