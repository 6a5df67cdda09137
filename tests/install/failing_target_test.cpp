// Installations on this machine's platform layer that meet a full disk, a target that cannot be written and a
// program that is running; and a complete installation of the staged program directory. The failures are made
// so that they also fail for the superuser: a file size limit, and the process file system.
#include <gtest/gtest.h>
#include <sched.h>
#include <signal.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <map>
#include <sstream>

#include "install/core/install_record.h"
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

// Writes beyond `bytes` fail with EFBIG instead of ending the process, while the object lives.
class FileSizeLimit {
  public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &previous_);
        previousHandler_ = signal(SIGXFSZ, SIG_IGN);
        rlimit limit = previous_;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &previous_);
        signal(SIGXFSZ, previousHandler_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

  private:
    rlimit previous_{};
    sighandler_t previousHandler_ = SIG_DFL;
};

class FailingTarget : public ::testing::Test {
  protected:
    void SetUp() override {
        test::WriteFiles(dist_, {"kparam.dat", "energk.dat", "Caption.GER", "tervalo", "tervalo-calc"});
        WriteBytes(dist_ / "R22.DAT", std::string(256 * 1024, 'r'));
        for (const char* program : {"tervalo", "tervalo-calc"})
            fs::permissions(dist_ / program, fs::perms::owner_all);
        fs::create_directories(home_ / "Desktop");
    }

    RunResult Install(const fs::path& target) {
        Installation installation(posix_, view_, dist_);
        installation.RunInstallation(target, "ENG");
        protocol_ = installation.Protocol();
        return installation.Result();
    }

    std::map<std::string, std::string> Snapshot() const {
        std::map<std::string, std::string> files;
        for (const auto& entry : fs::recursive_directory_iterator(temp_.path()))
            if (!entry.path().string().starts_with(dist_.string()))
                files[entry.path().string()] = entry.is_regular_file() ? ReadBytes(entry.path()) : "<folder>";
        return files;
    }

    ScopedTempDir temp_;
    fs::path dist_ = temp_.path() / "dist";
    fs::path home_ = temp_.path() / "home";
    fs::path target_ = temp_.path() / "opt" / "Tervalo";
    PosixPlatform posix_{temp_.path() / "system-applications",
                         [this](const std::string& name) -> std::optional<std::string> {
                             if (name == "HOME") return home_.string();
                             return std::nullopt;
                         }};
    test::RecordingView view_;
    std::vector<std::string> protocol_;
};

TEST_F(FailingTarget, FullDiskOnAFreshTargetLeavesNothingAndWritesNoLauncher) {
    RunResult result;
    {
        FileSizeLimit limit(64 * 1024);
        result = Install(target_);
    }
    EXPECT_EQ(result, RunResult::Failed);
    EXPECT_EQ(protocol_.back(), (target_ / "R22.DAT").string() + ":  File could not be copied.");
    EXPECT_FALSE(fs::exists(target_.parent_path()));
    EXPECT_TRUE(fs::is_empty(home_ / "Desktop"));
}

TEST_F(FailingTarget, FullDiskDuringAnUpdateLeavesTheInstallationAndItsLaunchersAsTheyWere) {
    ASSERT_EQ(Install(target_), RunResult::Installed);
    WriteBytes(dist_ / "tervalo", "program of the next version");
    WriteBytes(dist_ / "R22.DAT", std::string(300 * 1024, 'n'));
    const auto before = Snapshot();

    RunResult result;
    {
        FileSizeLimit limit(64 * 1024);
        result = Install(target_);
    }
    EXPECT_EQ(result, RunResult::Failed);
    EXPECT_EQ(Snapshot(), before);
}

TEST_F(FailingTarget, TargetThatCannotBeWrittenEndsWithTheFailureAndChangesNothing) {
    // The process file system takes no new files, not even from the superuser.
    const fs::path unwritable = "/proc/self";
    EXPECT_EQ(Install(unwritable), RunResult::Failed);
    EXPECT_EQ(protocol_.back(), "/proc/self:  Directory is not writable.");
    EXPECT_TRUE(fs::is_empty(home_ / "Desktop"));

    EXPECT_EQ(Install("/proc/self/Tervalo"), RunResult::Failed);
    EXPECT_EQ(protocol_.back(), "/proc/self/Tervalo:  Directory could not be created.");
}

TEST_F(FailingTarget, UpdateReplacesAProgramThatIsRunning) {
    ASSERT_TRUE(fs::exists("/bin/sleep"));
    fs::create_directories(target_);
    fs::copy_file("/bin/sleep", target_ / "tervalo");
    const pid_t running = fork();
    if (running == 0) {
        const std::string program = (target_ / "tervalo").string();
        execl(program.c_str(), program.c_str(), "30", static_cast<char*>(nullptr));
        _exit(127);
    }
    ASSERT_GT(running, 0);
    // Writing into the running program now fails with "text file busy"; the update renames instead.
    for (int i = 0; i < 100 && ReadBytes("/proc/" + std::to_string(running) + "/comm") != "tervalo\n"; ++i)
        usleep(10000);

    const RunResult result = Install(target_);
    kill(running, SIGKILL);
    waitpid(running, nullptr, 0);

    EXPECT_EQ(result, RunResult::Installed);
    EXPECT_EQ(ReadBytes(target_ / "tervalo"), "tervalo");
}

// The installer must put every file of the staged program directory, which the programs open, into place.
TEST_F(FailingTarget, CompleteInstallationHoldsTheStagedProgramDirectory) {
    const fs::path staged = TERVALO_DIST_DIR;
    std::size_t files = 0;
    Installation installation(posix_, view_, staged);
    installation.RunInstallation(target_, "ENG");
    ASSERT_EQ(installation.Result(), RunResult::Installed);
    for (const auto& entry : fs::directory_iterator(staged)) {
        if (!entry.is_regular_file()) continue;
        ++files;
        const fs::path installed = target_ / entry.path().filename();
        ASSERT_TRUE(fs::is_regular_file(installed)) << installed;
        EXPECT_TRUE(ReadBytes(installed) == ReadBytes(entry.path())) << installed;
    }
    // Without the windows the pictures are not staged; the languages, tables and catalogues always are.
    EXPECT_GT(files, 100u);
    for (const char* name : {"Caption.ARA", "heatcap.BUL", "Kelvhelp.HUN", "TXV22EXN.rdm", "TXV22EXI.rdm"})
        EXPECT_TRUE(fs::exists(target_ / name)) << name;
}

// A copy that the system reports complete but that came out short, as a write cut short by a full disk may:
// strace makes the copy's call report every byte while writing none. The file is refused and nothing stays.
TEST(ShortCopy, StagedCopyShorterThanItsSourceIsRefused) {
    TERVALO_SKIP_UNLESS(tervalo::test::HaveStrace(), "strace is missing");
    ScopedTempDir temp;
    const std::string bytes(65536, 'r');
    WriteBytes("R22.DAT", bytes);
    const std::string probe = std::string(TERVALO_STAGE_PROBE) + " R22.DAT target";
    const auto exitCode = [](int status) { return WIFEXITED(status) ? WEXITSTATUS(status) : -1; };
    const std::string cut = "strace -f -qq -o /dev/null -e inject=sendfile,copy_file_range:retval=" +
                            std::to_string(bytes.size());
    EXPECT_EQ(exitCode(std::system((cut + " " + probe).c_str())), 1);
    EXPECT_FALSE(fs::exists("target")) << "nor the folder the run created, nor a temporary in it";

    ASSERT_EQ(exitCode(std::system(probe.c_str())), 0) << "the same copy uncut";
    EXPECT_EQ(ReadBytes("target/R22.DAT"), bytes);
}

// A root installation into a system prefix and out again, in a mount namespace of its own whose /opt and
// /usr/local are empty memory file systems: the staged program directory goes to /opt/Tervalo with the real
// platform, the launchers to the folder for locally installed software and the desktop, nothing to the
// package's /usr/share/applications; the installed installer's --uninstall --all then leaves the prefix
// empty.
TEST(RootInstallation, IntoASystemPrefixAndOutAgainInAPrivateMountNamespace) {
    if (geteuid() != 0) GTEST_SKIP() << "a root installation needs the superuser";
    ScopedTempDir temp;
    const fs::path home = fs::absolute("home"), report = fs::absolute("report.txt");
    fs::create_directories(home / "Desktop");
    const auto names = [](const fs::path& folder) {
        std::set<std::string> found;
        std::error_code error;
        for (const auto& entry : fs::directory_iterator(folder, error)) found.insert(entry.path().filename());
        return found;
    };
    const auto packageLaunchers = names("/usr/share/applications");
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        std::ofstream out(report);
        const auto check = [&out](bool ok, const std::string& what) {
            if (!ok) out << what << '\n';
        };
        if (unshare(CLONE_NEWNS) != 0 || mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
            mount("none", "/opt", "tmpfs", 0, nullptr) != 0 ||
            mount("none", "/usr/local", "tmpfs", 0, nullptr) != 0) {
            out << "no private mount namespace: " << std::strerror(errno) << '\n';
            _exit(0);
        }
        const auto environment = [&home](const std::string& name) -> std::optional<std::string> {
            if (name == "HOME") return home.string();
            return std::nullopt;
        };
        PosixPlatform platform("/usr/local/share/applications", environment);
        test::RecordingView view;
        const fs::path staged = TERVALO_DIST_DIR, target = "/opt/Tervalo";
        Installation installation(platform, view, staged);
        installation.RunInstallation(target, "ENG");
        check(installation.Result() == RunResult::Installed, "not installed");
        check(installation.Protocol().front() == "Administrator Rights\tTrue",
              installation.Protocol().front());
        std::size_t files = 0;
        for (const auto& entry : fs::directory_iterator(staged)) {
            if (!entry.is_regular_file()) continue;
            ++files;
            check(ReadBytes(target / entry.path().filename()) == ReadBytes(entry.path()),
                  "differs: " + entry.path().filename().string());
        }
        check(files > 100, "staged files: " + std::to_string(files));
        const std::string launcher = ReadBytes("/usr/local/share/applications/org.kelvara.Tervalo.desktop");
        check(launcher.find("\nExec=\"/opt/Tervalo/tervalo\"\n") != std::string::npos,
              "menu launcher: " + launcher);
        check(fs::exists(home / "Desktop" / "org.kelvara.Tervalo.desktop"), "no desktop launcher");
        check(
            ReadBytes(target / kInstallRecordName)
                    .find("/usr/local/share/applications/org.kelvara.Tervalo.desktop\n") != std::string::npos,
            "the launcher is not recorded");

        // The uninstall by the installed installer where the build stages it, else by the same code.
        const fs::path installer = target / "tervalo-install";
        if (fs::exists(installer)) {
            const std::string command = "HOME='" + home.string() + "' QT_QPA_PLATFORM=offscreen " +
                                        installer.string() + " --uninstall --all >/dev/null 2>&1";
            check(std::system(command.c_str()) == 0, "the uninstall failed");
        } else {
            check(Uninstall(target, true, LauncherFolders(platform)).failed.empty(), "the uninstall failed");
        }
        check(!fs::exists(target), "the target stays");
        check(!fs::exists("/usr/local/share/applications/org.kelvara.Tervalo.desktop"),
              "the menu launcher stays");
        check(!fs::exists(home / "Desktop" / "org.kelvara.Tervalo.desktop"), "the desktop launcher stays");
        out.close();
        _exit(0);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    EXPECT_EQ(ReadBytes(report), "");
    EXPECT_EQ(names("/usr/share/applications"), packageLaunchers)
        << "the package's launcher folder untouched";
    EXPECT_TRUE(fs::is_directory("/usr/local/bin")) << "the namespace's file systems stay in it";
}

// The record an uninstall relies on survives a power cut whole: its bytes are flushed before the rename that
// puts it in place, and the folder after it, so that the new name is on the disk too.
TEST(InstallRecord, TheRecordIsSyncedBeforeTheRenameAndItsFolderAfter) {
    TERVALO_SKIP_UNLESS(tervalo::test::HaveStrace(), "strace is missing");
    ScopedTempDir temp;
    fs::create_directory("target");
    WriteBytes(fs::path("target") / kInstallRecordName, "/opt/first\n");
    const std::string command =
        "ASAN_OPTIONS=detect_leaks=0 strace -f -qq -y -o calls.txt -e trace=fsync,fdatasync,rename,renameat,"
        "renameat2 " +
        std::string(TERVALO_STAGE_PROBE) + " --record target /opt/second";
    ASSERT_EQ(std::system(command.c_str()), 0);
    std::vector<std::string> calls;
    std::istringstream lines(ReadBytes("calls.txt"));
    for (std::string line; std::getline(lines, line);) {
        const auto call = line.find_first_not_of("0123456789 ");
        if (call != std::string::npos && line.compare(call, 3, "+++") != 0)
            calls.push_back(line.substr(call));
    }
    const auto rename = std::find_if(calls.begin(), calls.end(),
                                     [](const std::string& call) { return call.starts_with("rename"); });
    ASSERT_NE(rename, calls.end()) << ReadBytes("calls.txt");
    EXPECT_TRUE(std::any_of(calls.begin(), rename, [](const std::string& call) {
        return call.starts_with("fsync(") && call.find(".Tervalo.uninst.part>") != std::string::npos;
    })) << ReadBytes("calls.txt");
    const std::string folder = (fs::current_path() / "target").string() + ">";
    EXPECT_TRUE(std::any_of(rename, calls.end(), [&](const std::string& call) {
        return call.starts_with("fsync(") && call.find(folder) != std::string::npos;
    })) << ReadBytes("calls.txt");
    EXPECT_EQ(ReadBytes(fs::path("target") / kInstallRecordName), "/opt/first\n/opt/second\n");
    EXPECT_EQ(test::FileNames("target"), (std::set<std::string>{std::string(kInstallRecordName)}));
}

}  // namespace
}  // namespace installer
