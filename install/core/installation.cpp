#include "install/core/installation.h"

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <system_error>

#include "install/core/install_record.h"
#include "install/core/installer_texts.h"
#include "install/core/kparam_reader.h"
#include "install/core/path_text.h"
#include "install/core/run_texts.h"
#include "install/core/system_report.h"
#include "install/core/target_transaction.h"
#include "install/core/user_files.h"

namespace installer {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kSettingsFile = "kparam.dat";
constexpr std::string_view kRohrdmFile = "Rohrdm.dat";
constexpr std::string_view kRuntimeLibrary = "msvbvm60.dll";
constexpr std::string_view kFallbackBackground = "backg01.bmp";
constexpr std::string_view kFinalBackground = "backg17.bmp";
constexpr std::string_view kUninstallArgument = "--uninstall --ask";
constexpr std::string_view kUninstallLinkName = "Uninstall Tervalo.LNK";

// Steps at which the background changes, with their pictures.
struct StepBackground {
    int step;
    std::string_view picture;
};
constexpr StepBackground kStepBackgrounds[] = {
    {6, "backg02.bmp"}, {12, "backg03.bmp"}, {16, "backg04.bmp"}, {20, "backg05.bmp"}};

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

bool HasContent(const fs::path& file) {
    std::error_code error;
    const auto size = fs::file_size(file, error);
    return !error && size > 0;
}

// A number as the protocol and the labels show it: with a leading blank in place of a sign.
std::string WithLeadingBlank(long number) {
    return " " + std::to_string(number);
}

bool SameContent(const fs::path& a, const fs::path& b) {
    std::error_code error;
    const auto size = fs::file_size(a, error);
    if (error || fs::file_size(b, error) != size || error) return false;
    std::ifstream first(a, std::ios::binary), second(b, std::ios::binary);
    return std::equal(std::istreambuf_iterator<char>(first), std::istreambuf_iterator<char>(),
                      std::istreambuf_iterator<char>(second), std::istreambuf_iterator<char>());
}

}  // namespace

// The files of one copy run and the transaction that puts them into the target.
class Installation::CopyRun {
  public:
    explicit CopyRun(const fs::path& targetDirectory) : target(targetDirectory), transaction(target) {}

    fs::path target;
    TargetTransaction transaction;
    std::vector<std::vector<fs::path>> stepFiles;
    bool cancelled = false;
    bool failed = false;
};

std::string SizeText(std::uint64_t bytes) {
    constexpr double kMegabyte = 1024.0 * 1024.0;
    constexpr double kGigabyte = kMegabyte * 1024.0;
    const bool giga = static_cast<double>(bytes) >= kGigabyte;
    char text[32];
    std::snprintf(text, sizeof text, "%.1f %s", static_cast<double>(bytes) / (giga ? kGigabyte : kMegabyte),
                  giga ? "GB" : "MB");
    return text;
}

std::string NotEnoughSpaceLine(const fs::path& target, std::uint64_t needed, std::uint64_t available) {
    return Utf8(target) + ":  Not enough free space: " + SizeText(needed) + " needed, " +
           SizeText(available) + " available.";
}

std::optional<fs::path> TargetFromText(std::string_view text, const fs::path& base) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    if (text.empty()) return std::nullopt;
    fs::path target = PathFromUtf8(text);
    if (target.is_relative()) target = base / target;
    while (!target.has_filename() && target.has_relative_path()) target = target.parent_path();
    return target;
}

Installation::Installation(InstallerPlatform& platform, InstallerView& view, fs::path distributionFolder)
    : platform_(platform), view_(view), distribution_(std::move(distributionFolder)) {
    if (const auto settings = FindFileNoCase(distribution_, kSettingsFile))
        languageCode_ = ReadLanguageCode(*settings);
    ResetProgressDisplay();
}

bool Installation::OffersBrowsing() const {
    const auto table = FindFileNoCase(distribution_, kRohrdmFile);
    return !table || !HasContent(*table);
}

fs::path Installation::Picture(std::string_view name) const {
    if (const auto found = FindFileNoCase(distribution_, name)) return *found;
    return distribution_ / PathFromUtf8(name);
}

void Installation::ResetProgressDisplay() {
    display_ = ProgressDisplay{};
    display_.background = Picture(kFallbackBackground);
}

void Installation::ShowBackground(std::string_view name) {
    const fs::path picture = Picture(name);
    display_.background = HasContent(picture) ? picture : Picture(kFallbackBackground);
    Show();
}

RunOutcome Installation::RunInstallation(const fs::path& target, std::string_view textLanguage) {
    targetFault_ = {};
    view_.SetBusy(true);
    if (IsAdmin(textLanguage, target) == RightsAnswer::End) {
        view_.SetBusy(false);
        return RunOutcome::EndedByUser;
    }
    SystemInfo();
    if (HoldsInstallation(target)) {
        std::string kept;
        for (const std::string& name : KeptUserFiles(target)) kept += (kept.empty() ? "" : ", ") + name;
        const std::string question = UpdateQuestion(textLanguage, Utf8(target), kept);
        if (!view_.ConfirmUpdate(std::string(kRightsQuestionTitle), question)) {
            view_.SetBusy(false);
            return RunOutcome::UpdateDeclined;
        }
    }
    view_.HideDirectoryCommands();
    view_.SetBusy(false);
    view_.EnterCopyPhase();
    result_ = CopyAllFiles(target);
    // The shortcuts are written once the program stands in the target.
    if (result_ == RunResult::Installed) {
        CreateShortcuts(target);
        if (!AddToInstallRecord(platform_, target, installedFiles_)) ReportProblem(target, kRecordNotWritten);
    }
    for (std::string& line : copyNotes_) Append(std::move(line));
    copyNotes_.clear();
    return RunOutcome::Completed;
}

RightsAnswer Installation::IsAdmin(std::string_view textLanguage, const fs::path& target) {
    const bool admin = platform_.IsUserAnAdmin();
    Append(AdminRightsLine(admin));
    if (admin) return RightsAnswer::Administrator;
    // A user who can write the target needs no rights for it; the probe leaves nothing behind.
    {
        TargetTransaction probe(target);
        if (probe.CreateTarget() && probe.TargetIsWritable()) return RightsAnswer::ContinueWithout;
        // A file in the way or a path too long is no matter of rights: the run fails and says what it is.
        if (!RightsMayHelp(CheckTarget(target, probe.Error()).problem)) return RightsAnswer::ContinueWithout;
    }
    if (!view_.ContinueWithoutRights(std::string(kRightsQuestionTitle), RightsQuestion(textLanguage)))
        return RightsAnswer::End;
    ++adminOverrideCount_;
    return RightsAnswer::ContinueWithout;
}

void Installation::SystemInfo() {
    for (std::string& line : SystemReportLines(CollectSystemFacts(platform_))) Append(std::move(line));
}

bool Installation::HoldsInstallation(const fs::path& target) {
    std::error_code error;
    if (fs::equivalent(distribution_, target, error)) return false;
    return FindFileNoCase(target, platform_.ProgramFileName()) || FindFileNoCase(target, kSettingsFile);
}

std::vector<std::string> Installation::KeptUserFiles(const fs::path& target) const {
    std::vector<std::string> names;
    for (const fs::path& file : MatchingFiles(target, "*", [](const fs::path&) { return false; })) {
        const std::string group = UserFileGroup(Utf8(file));
        if (IsUserFile(Utf8(file)) && std::find(names.begin(), names.end(), group) == names.end())
            names.push_back(group);
    }
    return names;
}

fs::path Installation::OwnLinkName(const fs::path& wanted, const std::vector<fs::path>& recorded) {
    // Another installation's launcher of the same name is neither replaced nor, later, removed: this one gets
    // a name with a number of its own, the one it had before on an update.
    std::error_code error;
    const auto ours = [&recorded](const fs::path& name) {
        return std::find(recorded.begin(), recorded.end(), name) != recorded.end();
    };
    fs::path free;
    for (int number = 1; number <= 99; ++number) {
        const fs::path name = number == 1 ? wanted
                                          : wanted.parent_path() / PathFromUtf8(Utf8(wanted.stem()) + "-" +
                                                                                std::to_string(number) +
                                                                                Utf8(wanted.extension()));
        if (ours(name)) return name;
        if (free.empty() && !fs::exists(fs::symlink_status(name, error))) free = name;
    }
    if (free != wanted) {
        Append(Utf8(wanted) + std::string(kOtherInstallationsLink));
        if (!free.empty()) Append(Utf8(free) + std::string(kOwnLinkName));
        ++noticeCount_;
    }
    return free;
}

void Installation::CreateShortcuts(const fs::path& target) {
    ShortcutRecord link;
    link.Datei = target / PathFromUtf8(platform_.ProgramFileName());
    link.Comment = std::string(kProgramName) + " Version " TERVALO_VERSION;
    link.WorkingDir = target;
    const fs::path shortcutName = PathFromUtf8(platform_.ShortcutFileName(LinkFileName()));
    const std::vector<fs::path> recorded = ReadInstallRecord(target);
    const auto save = [&](ShortcutRecord record) {
        record.LinkName = OwnLinkName(record.LinkName, recorded);
        if (record.LinkName.empty()) return;
        if (platform_.CreateLink(record))
            installedFiles_.push_back(record.LinkName);
        else
            ReportProblem(record.LinkName, kShortcutNotSaved);
    };

    // A folder that cannot be determined gets no shortcut: a link beside the file system's root would be
    // the only alternative.
    Append(" ");
    const fs::path programs = platform_.SpecialFolder(kCommonProgramsFolder);
    Append(Utf8(programs));
    if (!programs.empty()) {
        const fs::path menuFolder = platform_.MenuFolder(programs);
        std::error_code ignored;
        if (fs::create_directories(menuFolder, ignored)) installedFiles_.push_back(menuFolder);
        link.LinkName = menuFolder / shortcutName;
        save(link);

        // The installer copies itself into the target, where its uninstall shortcut finds it.
        ShortcutRecord uninstall = link;
        uninstall.Datei = target / PathFromUtf8(platform_.InstallerFileName());
        uninstall.Parameter = std::string(kUninstallArgument);
        uninstall.Comment = "Uninstall " + std::string(kProgramName);
        uninstall.LinkName = menuFolder / PathFromUtf8(platform_.ShortcutFileName(kUninstallLinkName));
        if (fs::is_regular_file(uninstall.Datei, ignored)) save(uninstall);
    }

    Append(" ");
    const fs::path desktop = platform_.SpecialFolder(kCommonDesktopFolder);
    Append(Utf8(desktop));
    if (!desktop.empty()) {
        link.LinkName = desktop / shortcutName;
        save(link);
    }
}

RunResult Installation::CopyAllFiles(const fs::path& target) {
    display_.barsVisible = true;
    display_.activityVisible = true;
    Show();
    view_.SetBusy(true);

    CopyRun run(target);
    std::uint64_t needed = 0;
    std::error_code error;
    for (const InstallStep& step : kInstallPlan) {
        run.stepFiles.push_back(MatchingFiles(distribution_, step.mask, [&](const auto& file) {
            return step.number == kProgramStep && platform_.IsProgramFile(file);
        }));
        for (const fs::path& name : run.stepFiles.back()) {
            // A file whose size cannot be read fails at its copy, not here.
            const std::uintmax_t size = fs::file_size(distribution_ / name, error);
            if (!error) needed += size;
        }
    }

    if (!run.transaction.CreateTarget()) {
        ReportTargetProblem(target, run.transaction.Error(), kDirectoryNotCreated);
        run.failed = true;
    } else if (!run.transaction.TargetIsWritable()) {
        ReportTargetProblem(target, run.transaction.Error(), kDirectoryNotWritable);
        run.failed = true;
    } else if (const auto available = platform_.AvailableSpace(target); available && *available < needed) {
        ++problemCount_;
        copyNotes_.push_back(NotEnoughSpaceLine(target, needed, *available));
        run.failed = true;
    }

    const auto runtime = FindFileNoCase(distribution_, kRuntimeLibrary);
    if (!run.failed && runtime && !run.transaction.Stage(*runtime, runtime->filename())) {
        ReportTargetProblem(target / runtime->filename(), run.transaction.Error(), kNotCopied);
        run.failed = true;
    }
    for (const InstallStep& step : kInstallPlan) {
        if (run.failed || run.cancelled) break;
        if (!CopyMaskGroup(step, run)) break;
        ShowStepDone(step.number);
        view_.ProcessPendingEvents();
        run.cancelled = view_.CancelRequested();
    }

    fs::path notPlaced;
    if (!run.failed && !run.cancelled && !run.transaction.Commit(notPlaced)) {
        ReportProblem(notPlaced, kNotPutInPlace);
        run.failed = true;
    }
    view_.SetBusy(false);
    if (run.cancelled) {
        run.transaction.RollBack();
        ++noticeCount_;
        copyNotes_.push_back(Utf8(target) + std::string(kCancelled));
        return RunResult::Cancelled;
    }
    if (run.failed) {
        run.transaction.RollBack();
        return RunResult::Failed;
    }

    ShowCopyEnd();
    for (const fs::path& folder : run.transaction.CreatedFolders()) installedFiles_.push_back(folder);
    if (installedFiles_.empty()) installedFiles_.push_back(target);
    for (const fs::path& file : run.transaction.CommittedFiles()) {
        installedFiles_.push_back(file);
        // Copies of write-protected distribution files must be writable for the program.
        if (ClearReadOnly(file) == ReadOnlyState::StillReadOnly) {
            ++noticeCount_;
            copyNotes_.push_back(Utf8(file) + std::string(kStillWriteProtected));
        }
    }
    return RunResult::Installed;
}

bool Installation::CopyMaskGroup(const InstallStep& step, CopyRun& run) {
    for (const StepBackground& change : kStepBackgrounds)
        if (change.step == step.number) ShowBackground(change.picture);

    const std::string group(step.group);
    const std::vector<fs::path>& files = run.stepFiles[static_cast<std::size_t>(step.number - 1)];
    display_.statusLine = "In process : " + group;
    Show();

    const std::string targetText = Utf8(run.target);
    const std::string separator(1, static_cast<char>(fs::path::preferred_separator));
    int sweep = 0;
    for (std::size_t position = 0; position < files.size(); ++position) {
        if (++sweep > kActivityFilesPerSweep) sweep = 0;
        const fs::path& name = files[position];
        const std::string shown = NameWithoutExtension(Utf8(name));
        display_.statusLine = "In process : " + group + " " + shown + " -> " + targetText + separator + shown;
        display_.activityWidth = sweep * kActivityTwipsPerFile;
        display_.counterLeft = display_.activityWidth + kCounterLabelOffset;
        display_.counterText = WithLeadingBlank(static_cast<long>(position));
        Show();

        const fs::path source = distribution_ / name;
        fs::path destination = run.target / name;
        std::error_code error;
        // Installing into the distribution folder itself leaves its files as they are.
        if (fs::equivalent(source, destination, error)) continue;
        // A file the user changed stays; the distribution's version goes beside it.
        if (IsUserFile(Utf8(name)) && fs::exists(destination, error) && !SameContent(source, destination)) {
            ++noticeCount_;
            copyNotes_.push_back(Utf8(destination) + std::string(kKeptUserFile));
            destination += PathFromUtf8(kNewVersionSuffix);
            copyNotes_.push_back(Utf8(destination) + std::string(kNewVersionBeside));
        }
        if (!run.transaction.Stage(source, destination.filename())) {
            ReportTargetProblem(destination, run.transaction.Error(), kNotCopied);
            run.failed = true;
            return false;
        }
        view_.ProcessPendingEvents();
        if (view_.CancelRequested()) {
            run.cancelled = true;
            return false;
        }
    }
    return true;
}

void Installation::ShowStepDone(int step) {
    const int steps = static_cast<int>(kInstallPlan.size());
    display_.progressWidth = step * kProgressBarTwips / steps;
    display_.percentLeft = display_.progressWidth + kPercentLabelOffset;
    display_.percentText = WithLeadingBlank(step * kProgressPercentBeforeEnd / steps) + " %";
    Show();
}

void Installation::ShowCopyEnd() {
    display_.activityVisible = false;
    display_.counterText.clear();
    display_.counterLeft = kCounterLabelOffset;
    display_.percentLeft = display_.progressWidth + kPercentLabelOffset;
    display_.percentText = WithLeadingBlank(100) + " %";
    display_.statusLine.clear();
    ShowBackground(kFinalBackground);
}

ReadOnlyState Installation::ClearReadOnly(const fs::path& file) {
    if (!platform_.IsReadOnly(file)) return ReadOnlyState::Missing;
    platform_.ClearReadOnlyAttribute(file);
    view_.ProcessPendingEvents();
    const std::optional<bool> readOnly = platform_.IsReadOnly(file);
    if (!readOnly) return ReadOnlyState::Missing;
    return *readOnly ? ReadOnlyState::StillReadOnly : ReadOnlyState::Writable;
}

void Installation::ReportProblem(const fs::path& path, std::string_view text) {
    ++problemCount_;
    copyNotes_.push_back(Utf8(path) + std::string(text));
}

void Installation::ReportTargetProblem(const fs::path& path, std::error_code error,
                                       std::string_view fallback) {
    // A file that could not be copied is the distribution's problem unless its name was too long.
    const TargetCheck check = fallback == kNotCopied && error != std::errc::filename_too_long
                                  ? TargetCheck{TargetProblem::Other, path}
                                  : CheckTarget(path, error);
    const std::string_view line = ProblemLine(check.problem);
    if (line.empty()) {
        ReportProblem(path, fallback);
        return;
    }
    targetFault_ = check;
    ReportProblem(check.where, line);
}

}  // namespace installer
