#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "install/core/install_plan.h"
#include "install/core/installer_view.h"
#include "install/core/platform.h"
#include "install/core/progress_display.h"
#include "install/core/target_problem.h"

// One run of the installer: the rights check, the system report, the copy of the distribution folder into
// the target directory with the progress display, the shortcuts and the protocol.
//
// The copy is all or nothing: before it, the target must be creatable and writable and hold room for the
// distribution; every file is copied under a temporary name and renamed into place only when all copies
// stand; a failure or a cancel removes what the run created and leaves the target as it was. The shortcuts
// are written only after a successful copy, so that they never start a program that is not there. An update
// keeps the files that the user changes. Nothing outside the target directory, the start-menu folder and the
// shortcut files is written.
namespace installer {

enum class RunOutcome { Completed, EndedByUser, UpdateDeclined };

// How the copy ended; the final page's headline follows it.
enum class RunResult { Installed, Failed, Cancelled };

enum class ReadOnlyState { Missing, Writable, StillReadOnly };

enum class RightsAnswer { Administrator, ContinueWithout, End };

// Protocol texts for files and folders, following the path.
inline constexpr std::string_view kStillWriteProtected = ":  File still write protected.";
inline constexpr std::string_view kNotCopied = ":  File could not be copied.";
inline constexpr std::string_view kDirectoryNotCreated = ":  Directory could not be created.";
inline constexpr std::string_view kDirectoryNotWritable = ":  Directory is not writable.";
inline constexpr std::string_view kNotPutInPlace = ":  File could not be put into place.";
inline constexpr std::string_view kKeptUserFile = ":  Kept, your own version.";
inline constexpr std::string_view kNewVersionBeside = ":  New version, put beside yours.";
inline constexpr std::string_view kCancelled = ":  Installation cancelled, nothing changed.";
inline constexpr std::string_view kShortcutNotSaved = ":  Shortcut could not be saved.";
inline constexpr std::string_view kOtherInstallationsLink = ":  Launcher of another installation, kept.";
inline constexpr std::string_view kOwnLinkName = ":  This installation's launcher.";
inline constexpr std::string_view kRecordNotWritten = ":  List of installed files could not be written.";

// A byte count as the protocol shows it: "12.3 MB", "4.1 GB".
std::string SizeText(std::uint64_t bytes);

// The line for a target without room: space needed and available.
std::string NotEnoughSpaceLine(const std::filesystem::path& target, std::uint64_t needed,
                               std::uint64_t available);

// The target directory typed by the user: blanks around it and trailing separators dropped, a relative path
// taken from `base`. Nothing for a blank text, which would otherwise put the files into a drive's root.
std::optional<std::filesystem::path> TargetFromText(std::string_view text, const std::filesystem::path& base);

class Installation {
  public:
    Installation(InstallerPlatform& platform, InstallerView& view, std::filesystem::path distributionFolder);

    const std::filesystem::path& DistributionFolder() const { return distribution_; }
    // The language code read from the distribution's settings file at start, kept as read.
    const std::string& LanguageCode() const { return languageCode_; }
    // The browse button is offered when "Rohrdm.dat" is missing from the distribution or empty.
    bool OffersBrowsing() const;
    std::filesystem::path Picture(std::string_view name) const;

    const ProgressDisplay& Display() const { return display_; }
    // The display as the directory page first shows it.
    void ResetProgressDisplay();
    // Shows `name`, or "backg01.bmp" when that picture is missing or empty.
    void ShowBackground(std::string_view name);

    // The whole run up to the final page. `textLanguage` is the code of the texts the window shows, in which
    // the questions are asked.
    RunOutcome RunInstallation(const std::filesystem::path& target, std::string_view textLanguage);
    RunResult Result() const { return result_; }
    // What made the target unusable when the run failed on it; problem None otherwise.
    const TargetCheck& TargetFault() const { return targetFault_; }

    // The steps of the run, in their order.
    // Records the rights in the protocol and, without them and with a target that this user cannot write,
    // asks whether to go on.
    RightsAnswer IsAdmin(std::string_view textLanguage, const std::filesystem::path& target);
    void SystemInfo();
    // Whether `target` holds an installation, which the run then updates.
    bool HoldsInstallation(const std::filesystem::path& target);
    RunResult CopyAllFiles(const std::filesystem::path& target);
    void CreateShortcuts(const std::filesystem::path& target);
    ReadOnlyState ClearReadOnly(const std::filesystem::path& file);

    const std::vector<std::string>& Protocol() const { return protocol_; }
    int AdminOverrideCount() const { return adminOverrideCount_; }
    // The final page shows the protocol after a continue without rights, when something went wrong, or when
    // an update kept a user's file beside a new version.
    bool ProtocolShownAtEnd() const {
        return adminOverrideCount_ > 0 || problemCount_ > 0 || noticeCount_ > 0;
    }

  private:
    class CopyRun;

    void Append(std::string line) { protocol_.push_back(std::move(line)); }
    void ReportProblem(const std::filesystem::path& path, std::string_view text);
    // Reports why the target could not be used, with `fallback` when the system gave no reason of its own.
    void ReportTargetProblem(const std::filesystem::path& target, std::error_code error,
                             std::string_view fallback);
    void Show() { view_.ShowProgress(display_); }
    void ShowStepDone(int step);
    void ShowCopyEnd();
    bool CopyMaskGroup(const InstallStep& step, CopyRun& run);
    std::vector<std::string> KeptUserFiles(const std::filesystem::path& target) const;
    // The name under which this installation's launcher `wanted` is saved; empty when none is free.
    std::filesystem::path OwnLinkName(const std::filesystem::path& wanted,
                                      const std::vector<std::filesystem::path>& recorded);

    InstallerPlatform& platform_;
    InstallerView& view_;
    std::filesystem::path distribution_;
    std::string languageCode_;
    int adminOverrideCount_ = 0;
    int problemCount_ = 0;
    int noticeCount_ = 0;
    RunResult result_ = RunResult::Failed;
    TargetCheck targetFault_;
    std::vector<std::string> protocol_;
    // Lines of the copy, appended after the shortcut lines so that the machine's report stays together.
    std::vector<std::string> copyNotes_;
    std::vector<std::filesystem::path> installedFiles_;
    ProgressDisplay display_;
};

}  // namespace installer
