#include "install/posix/posix_platform.h"

#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <sys/sysinfo.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstdlib>
#include <vector>

#include "install/core/install_plan.h"
#include "install/posix/desktop_entry.h"

namespace installer {

namespace {

// The Tervalo executable as it is built here.
constexpr std::string_view kProgramFile = "tervalo";
// The programs of the distribution, the installer among them. They are taken by name as well, because a
// distribution on a medium that drops run bits (a FAT stick mounted with "showexec", a zip archive) would
// otherwise be installed without its program while the shortcuts point at it.
// The installer is "install" on Windows; here that name belongs to the system's own command.
constexpr std::string_view kInstallerFile = "tervalo-install";
constexpr std::string_view kDistributionPrograms[] = {kProgramFile, "tervalo-calc", kInstallerFile};

std::optional<std::string> PasswordEntryField(bool wantName) {
    std::vector<char> buffer(16384);
    passwd entry{};
    passwd* result = nullptr;
    if (getpwuid_r(geteuid(), &entry, buffer.data(), buffer.size(), &result) != 0 || result == nullptr)
        return std::nullopt;
    const char* field = wantName ? result->pw_name : result->pw_dir;
    if (field == nullptr) return std::nullopt;
    return std::string(field);
}

}  // namespace

std::optional<std::string> ProcessEnvironment(const std::string& name) {
    const char* value = std::getenv(name.c_str());
    if (value == nullptr) return std::nullopt;
    return std::string(value);
}

PosixPlatform::PosixPlatform(std::filesystem::path systemApplicationsFolder, EnvironmentLookup env)
    : systemApplications_(std::move(systemApplicationsFolder)), env_(std::move(env)) {}

bool PosixPlatform::IsUserAnAdmin() {
    return geteuid() == 0;
}

MemoryStatus PosixPlatform::QueryMemoryStatus() {
    struct sysinfo info {};
    if (sysinfo(&info) != 0) return {};
    const std::uint64_t unit = info.mem_unit == 0 ? 1 : info.mem_unit;
    return {info.totalram * unit, info.freeram * unit, info.totalswap * unit, info.freeswap * unit};
}

unsigned PosixPlatform::ProcessorCount() {
    const long count = sysconf(_SC_NPROCESSORS_ONLN);
    return count > 0 ? static_cast<unsigned>(count) : 0;
}

std::optional<std::string> PosixPlatform::UserName() {
    return PasswordEntryField(true);
}

std::string PosixPlatform::ComputerName() {
    if (const auto name = env_("ComputerName")) return *name;
    std::array<char, 256> host{};
    if (gethostname(host.data(), host.size() - 1) != 0) return {};
    return std::string(host.data());
}

std::filesystem::path PosixPlatform::HomeFolder() const {
    if (const auto home = env_("HOME"); home && !home->empty()) return *home;
    if (const auto home = PasswordEntryField(false)) return *home;
    return {};
}

std::filesystem::path PosixPlatform::SpecialFolder(int csidl) {
    switch (csidl) {
        case kCommonProgramsFolder:
            return IsUserAnAdmin() ? systemApplications_ : UserApplicationsFolder(env_, HomeFolder());
        case kCommonDesktopFolder:
            return UserDesktopFolder(env_, HomeFolder());
        default:
            return {};
    }
}

bool PosixPlatform::CreateLink(const ShortcutRecord& link) {
    const std::string text = DesktopEntryText(link);
    // Written beside the launcher and renamed over it, so an interruption leaves the old launcher or the new
    // one, never a cut one.
    const std::filesystem::path temporary = link.LinkName.string() + ".tmp";
    const int fd = open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC | O_NOFOLLOW, 0666);
    if (fd < 0) return false;
    struct stat status {};
    // Desktops start only launchers that are marked executable.
    bool written = write(fd, text.data(), text.size()) == static_cast<ssize_t>(text.size()) &&
                   fstat(fd, &status) == 0 && fchmod(fd, (status.st_mode & 07777) | 0111) == 0 &&
                   fsync(fd) == 0;
    written = close(fd) == 0 && written;
    if (!written || rename(temporary.c_str(), link.LinkName.c_str()) != 0) {
        unlink(temporary.c_str());
        return false;
    }
    return true;
}

bool PosixPlatform::ReplaceFileDurably(const std::filesystem::path& file, std::string_view bytes) {
    const std::filesystem::path temporary = file.parent_path() / ("." + file.filename().string() + ".part");
    const int fd = open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC | O_NOFOLLOW, 0644);
    if (fd < 0) return false;
    bool written = true;
    for (std::size_t done = 0; written && done < bytes.size();) {
        const ssize_t n = write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        written = n > 0;
        if (written) done += static_cast<std::size_t>(n);
    }
    // The file's bytes reach the disk before its name does.
    written = written && fsync(fd) == 0;
    written = close(fd) == 0 && written;
    if (!written || rename(temporary.c_str(), file.c_str()) != 0) {
        unlink(temporary.c_str());
        return false;
    }
    // And the new name itself: the folder's entry.
    const std::filesystem::path folder = file.has_parent_path() ? file.parent_path() : ".";
    const int folderFd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folderFd >= 0) {
        fsync(folderFd);
        close(folderFd);
    }
    return true;
}

std::string PosixPlatform::ShortcutFileName(std::string_view linkFileName) {
    std::string name(linkFileName);
    if (name.size() >= 4 && MatchesMask(name.substr(name.size() - 4), ".LNK")) name.resize(name.size() - 4);
    // Desktops want an ID without blanks; the program's launcher and its uninstall launcher have theirs.
    if (name == ProgramTitle()) return std::string(kLauncherId) + ".desktop";
    if (name == "Uninstall " + std::string(kProgramName))
        return std::string(kUninstallLauncherId) + ".desktop";
    for (char& c : name)
        if (c == ' ') c = '-';
    return name + ".desktop";
}

std::filesystem::path PosixPlatform::MenuFolder(const std::filesystem::path& programsFolder) {
    // Launchers in a subfolder would get the folder's name in their ID.
    return programsFolder;
}

std::optional<bool> PosixPlatform::IsReadOnly(const std::filesystem::path& file) {
    struct stat status {};
    if (stat(file.c_str(), &status) != 0) return std::nullopt;
    return (status.st_mode & S_IWUSR) == 0;
}

void PosixPlatform::ClearReadOnlyAttribute(const std::filesystem::path& file) {
    struct stat status {};
    if (stat(file.c_str(), &status) != 0) return;
    chmod(file.c_str(), (status.st_mode & 07777) | S_IWUSR);
}

std::string PosixPlatform::ProgramFileName() {
    return std::string(kProgramFile);
}

std::string PosixPlatform::InstallerFileName() {
    return std::string(kInstallerFile);
}

bool PosixPlatform::IsProgramFile(const std::filesystem::path& file) {
    const std::string name = file.filename().string();
    std::error_code ignored;
    for (const std::string_view program : kDistributionPrograms)
        if (name == program) return std::filesystem::is_regular_file(file, ignored);
    // Executables here carry no extension; a point in the name marks a data file with stray run bits.
    if (name.find('.') != std::string::npos) return false;
    struct stat status {};
    return stat(file.c_str(), &status) == 0 && S_ISREG(status.st_mode) && (status.st_mode & S_IXUSR) != 0;
}

std::filesystem::path PosixPlatform::DefaultTargetDirectory() {
    if (IsUserAnAdmin()) return std::filesystem::path("/opt") / kProgramName;
    const std::filesystem::path home = HomeFolder();
    return home.empty() ? std::filesystem::path(kProgramName) : home / kProgramName;
}

bool PosixPlatform::StartProgram(const std::filesystem::path& program,
                                 const std::filesystem::path& workingDirectory) {
    // The started program outlives the installer: the middle process ends at once, so the program is
    // adopted by init and never left as a zombie. A pipe closed on exec tells whether the exec succeeded.
    int report[2];
    if (pipe2(report, O_CLOEXEC) != 0) return false;
    const std::string programText = program.string();
    const std::string directoryText = workingDirectory.string();
    char* const argv[] = {const_cast<char*>(programText.c_str()), nullptr};

    const pid_t middle = fork();
    if (middle < 0) {
        close(report[0]);
        close(report[1]);
        return false;
    }
    if (middle == 0) {
        close(report[0]);
        setsid();
        const pid_t child = fork();
        if (child <= 0) {
            int failure = errno;
            if (child == 0) {
                if (chdir(directoryText.c_str()) == 0) execv(programText.c_str(), argv);
                failure = errno;
            }
            [[maybe_unused]] const ssize_t written = write(report[1], &failure, sizeof failure);
            _exit(127);
        }
        _exit(0);
    }
    close(report[1]);
    int status = 0;
    while (waitpid(middle, &status, 0) < 0 && errno == EINTR) {
    }
    int failure = 0;
    ssize_t got;
    while ((got = read(report[0], &failure, sizeof failure)) < 0 && errno == EINTR) {
    }
    close(report[0]);
    return got == 0;
}

}  // namespace installer
