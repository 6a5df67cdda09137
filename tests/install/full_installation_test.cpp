// A complete installation on this machine's platform layer, from a temporary distribution folder into a
// temporary target, with every special folder pointed into the temporary tree.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <cstdlib>
#include <map>

#include "install/core/installation.h"
#include "install/posix/posix_platform.h"
#include "installer_fakes.h"
#include "support/system_traits.h"

namespace installer {
namespace {

namespace fs = std::filesystem;
using tervalo::test::ReadBytes;
using tervalo::test::ScopedTempDir;
using tervalo::test::WriteBytes;

std::set<std::string> TreeBelow(const fs::path& root) {
    std::set<std::string> entries;
    for (const auto& entry : fs::recursive_directory_iterator(root))
        entries.insert(entry.path().lexically_relative(root).string());
    return entries;
}

bool HasMode(const fs::path& file, mode_t bits) {
    struct stat status {};
    return stat(file.c_str(), &status) == 0 && (status.st_mode & bits) == bits;
}

class FullInstallation : public ::testing::Test {
  protected:
    void SetUp() override {
        test::WriteFiles(
            dist_, {"kparam.dat", "R22.DAT", "Caption.GER", "Caption.ENG", "backg01.bmp", "x1.rdm", "x2.rdm",
                    "x3.rdm", "tervalo", "tervalo-calc", "tervalo-install", "README"});
        WriteBytes(dist_ / "kparam.dat", "\"\",\"\",\"\",\"ger\",\"EUR\",\"Arial\"\r\n");
        for (const char* program : {"tervalo", "tervalo-calc", "tervalo-install"})
            fs::permissions(dist_ / program,
                            fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec);
        fs::permissions(dist_ / "R22.DAT", fs::perms::owner_read);
        fs::create_directories(home_ / "Desktop");
        fs::create_directories(target_);
        WriteBytes(target_ / "kparam.dat", "settings of an older installation");
        fs::permissions(target_ / "kparam.dat", fs::perms::owner_read);
    }

    ScopedTempDir temp_;
    fs::path dist_ = temp_.path() / "dist";
    fs::path home_ = temp_.path() / "home";
    fs::path systemApplications_ = temp_.path() / "system-applications";
    // Blanks and letters beyond ASCII in the target path.
    fs::path target_ = temp_.path() / "Programme" / "Kälte Planung";
    PosixPlatform posix_{systemApplications_, [this](const std::string& name) -> std::optional<std::string> {
                             if (name == "HOME") return home_.string();
                             if (name == "ComputerName") return "PLANT-PC";
                             return std::nullopt;
                         }};
    test::RecordingView view_;
};

TEST_F(FullInstallation, InstallsFilesLaunchersAndProtocol) {
    const std::set<std::string> before = TreeBelow(temp_.path());
    Installation installation(posix_, view_, dist_);
    ASSERT_EQ(installation.LanguageCode(), "ger");

    ASSERT_EQ(installation.RunInstallation(target_, "GER"), RunOutcome::Completed);

    // Step 2 takes the program files that carry no extension, and the installer itself. The settings of
    // the earlier installation stay, the new ones beside them.
    EXPECT_EQ(test::FileNames(target_),
              (std::set<std::string>{"kparam.dat", "kparam.dat.new", "R22.DAT", "Caption.GER", "Caption.ENG",
                                     "backg01.bmp", "x1.rdm", "x2.rdm", "x3.rdm", "tervalo", "tervalo-calc",
                                     "tervalo-install", "Tervalo.uninst"}));
    EXPECT_EQ(ReadBytes(target_ / "kparam.dat"), "settings of an older installation");
    EXPECT_EQ(ReadBytes(target_ / "kparam.dat.new"), ReadBytes(dist_ / "kparam.dat"));
    EXPECT_EQ(view_.updateQuestions.size(), 1u);
    EXPECT_TRUE(HasMode(target_ / "tervalo", S_IXUSR | S_IWUSR));
    EXPECT_TRUE(HasMode(target_ / "tervalo-calc", S_IXUSR));
    EXPECT_TRUE(HasMode(target_ / "R22.DAT", S_IWUSR));
    EXPECT_TRUE(HasMode(target_ / "kparam.dat.new", S_IWUSR));

    const fs::path programs = posix_.SpecialFolder(kCommonProgramsFolder);
    const fs::path desktop = home_ / "Desktop";
    // The launchers stand in the applications folder itself, under IDs without blanks.
    const fs::path menuLink = programs / "org.kelvara.Tervalo.desktop";
    const fs::path desktopLink = desktop / "org.kelvara.Tervalo.desktop";
    const fs::path uninstallLink = programs / "org.kelvara.Tervalo.Uninstall.desktop";
    const std::string launcher = ReadBytes(menuLink);
    EXPECT_NE(launcher.find("\nName=Tervalo\n"), std::string::npos) << launcher;
    EXPECT_NE(launcher.find("\nExec=\"" + (target_ / "tervalo").string() + "\"\n"), std::string::npos);
    EXPECT_NE(launcher.find("\nIcon=" + (target_ / "org.kelvara.Tervalo.svg").string() + "\n"),
              std::string::npos);
    EXPECT_EQ(ReadBytes(desktopLink), launcher);
    EXPECT_NE(ReadBytes(uninstallLink)
                  .find("\nExec=\"" + (target_ / "tervalo-install").string() + "\" --uninstall --ask\n"),
              std::string::npos);
    EXPECT_TRUE(HasMode(desktopLink, S_IXUSR));

    const auto& protocol = installation.Protocol();
    ASSERT_EQ(protocol.size(), 18u);
    EXPECT_EQ(protocol[0],
              std::string("Administrator Rights\t") + (posix_.IsUserAnAdmin() ? "True" : "False"));
    EXPECT_EQ(protocol[1], "Kelvara Installation Protokoll");
    EXPECT_EQ(protocol[3].rfind("phys. Mem \t", 0), 0u);
    EXPECT_EQ(protocol[7].rfind("Prozessoren\t", 0), 0u);
    EXPECT_EQ(protocol[9], "Computername:      PLANT-PC");
    EXPECT_EQ(protocol[10].rfind("Current User:         ", 0), 0u);
    EXPECT_EQ(protocol[13], programs.string());
    EXPECT_EQ(protocol[15], desktop.string());

    // Nothing besides the target's files, the start-menu folder and the two launchers has appeared.
    std::set<std::string> added;
    const std::set<std::string> after = TreeBelow(temp_.path());
    std::set_difference(after.begin(), after.end(), before.begin(), before.end(),
                        std::inserter(added, added.end()));
    std::set<std::string> expected;
    for (const std::string& name : test::FileNames(target_))
        if (!before.count((target_ / name).lexically_relative(temp_.path()).string()))
            expected.insert((target_ / name).lexically_relative(temp_.path()).string());
    for (const fs::path& path : {programs, menuLink, uninstallLink, desktopLink}) {
        const std::string relative = path.lexically_relative(temp_.path()).string();
        if (!before.count(relative)) expected.insert(relative);
    }
    EXPECT_EQ(added, expected);
}

TEST_F(FullInstallation, UserWithoutRightsWhoGoesOnGetsTheSameInstallation) {
    struct WithoutRights : test::ForwardingPlatform {
        using ForwardingPlatform::ForwardingPlatform;
        bool IsUserAnAdmin() override { return false; }
    } platform(posix_);
    Installation installation(platform, view_, dist_);

    ASSERT_EQ(installation.RunInstallation(target_, "ENG"), RunOutcome::Completed);

    EXPECT_EQ(installation.Protocol().front(), "Administrator Rights\tFalse");
    EXPECT_TRUE(installation.ProtocolShownAtEnd());
    EXPECT_TRUE(fs::exists(target_ / "tervalo"));
    EXPECT_TRUE(fs::exists(home_ / "Desktop" / "org.kelvara.Tervalo.desktop"));
}

// The launchers pass the desktops' own check, where the check is installed.
TEST_F(FullInstallation, LaunchersAreValidDesktopFiles) {
    TERVALO_SKIP_UNLESS(std::system("command -v desktop-file-validate >/dev/null 2>&1") == 0,
                        "desktop-file-validate is not installed");
    Installation installation(posix_, view_, dist_);
    ASSERT_EQ(installation.RunInstallation(target_, "ENG"), RunOutcome::Completed);
    const fs::path programs = posix_.SpecialFolder(kCommonProgramsFolder);
    for (const char* id : {"org.kelvara.Tervalo.desktop", "org.kelvara.Tervalo.Uninstall.desktop"}) {
        const std::string command = "desktop-file-validate '" + (programs / id).string() + "' 2>&1";
        EXPECT_EQ(std::system(command.c_str()), 0) << command;
    }
}

}  // namespace
}  // namespace installer
