#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "install/core/install_plan.h"
#include "install/core/installer_view.h"
#include "install/core/platform.h"
#include "install/core/progress_display.h"

// One run of the installer: the rights check, the system report, the two shortcuts and the copy of the
// distribution folder into the target directory, with the progress display and the protocol.
//
// Nothing outside the target directory, the start-menu folder and the two shortcut files is written. The
// run goes on past every failure; files that could not be copied or stay write-protected are named in the
// protocol, which is then shown at the end.
namespace installer {

enum class RunOutcome { Completed, EndedByUser };

enum class ReadOnlyState { Missing, Writable, StillReadOnly };

enum class RightsAnswer { Administrator, ContinueWithout, End };

// Protocol texts for files that did not end up writable in the target directory.
inline constexpr std::string_view kStillWriteProtected = ":  File still write protected.";
inline constexpr std::string_view kNotCopied = ":  File could not be copied.";
inline constexpr std::string_view kDirectoryNotCreated = ":  Directory could not be created.";

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
    // the rights question is asked.
    RunOutcome RunInstallation(const std::filesystem::path& target, std::string_view textLanguage);

    // The steps of the run, in their order.
    // Records the rights in the protocol and, without them, asks whether to go on.
    RightsAnswer IsAdmin(std::string_view textLanguage);
    void SystemInfo();
    void CreateShortcuts(const std::filesystem::path& target);
    void CopyAllFiles(const std::filesystem::path& target);
    void CopyMaskGroup(const InstallStep& step, const std::filesystem::path& target);
    ReadOnlyState ClearReadOnly(const std::filesystem::path& file);

    const std::vector<std::string>& Protocol() const { return protocol_; }
    int AdminOverrideCount() const { return adminOverrideCount_; }
    // The final page shows the protocol after a continue without rights or when a file went wrong.
    bool ProtocolShownAtEnd() const { return adminOverrideCount_ > 0 || problemCount_ > 0; }

  private:
    void Append(std::string line) { protocol_.push_back(std::move(line)); }
    void ReportProblem(const std::filesystem::path& path, std::string_view text);
    void Show() { view_.ShowProgress(display_); }
    void CopyOneFile(const std::filesystem::path& name, const std::filesystem::path& target);

    InstallerPlatform& platform_;
    InstallerView& view_;
    std::filesystem::path distribution_;
    std::string languageCode_;
    int adminOverrideCount_ = 0;
    int problemCount_ = 0;
    std::vector<std::string> protocol_;
    ProgressDisplay display_;
};

}  // namespace installer
