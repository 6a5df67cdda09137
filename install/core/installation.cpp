#include "install/core/installation.h"

#include <system_error>

#include "install/core/installer_texts.h"
#include "install/core/kparam_reader.h"
#include "install/core/path_text.h"
#include "install/core/system_report.h"

namespace installer {

namespace {

constexpr std::string_view kSettingsFile = "kparam.dat";
constexpr std::string_view kRohrdmFile = "Rohrdm.dat";
constexpr std::string_view kRuntimeLibrary = "msvbvm60.dll";
constexpr std::string_view kFallbackBackground = "backg01.bmp";
constexpr std::string_view kFinalBackground = "backg17.bmp";

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

bool HasContent(const std::filesystem::path& file) {
    std::error_code error;
    const auto size = std::filesystem::file_size(file, error);
    return !error && size > 0;
}

// A number as the protocol and the labels show it: with a leading blank in place of a sign.
std::string WithLeadingBlank(long number) {
    return " " + std::to_string(number);
}

}  // namespace

std::optional<std::filesystem::path> TargetFromText(std::string_view text,
                                                    const std::filesystem::path& base) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    if (text.empty()) return std::nullopt;
    std::filesystem::path target = PathFromUtf8(text);
    if (target.is_relative()) target = base / target;
    while (!target.has_filename() && target.has_relative_path()) target = target.parent_path();
    return target;
}

Installation::Installation(InstallerPlatform& platform, InstallerView& view,
                           std::filesystem::path distributionFolder)
    : platform_(platform), view_(view), distribution_(std::move(distributionFolder)) {
    if (const auto settings = FindFileNoCase(distribution_, kSettingsFile))
        languageCode_ = ReadLanguageCode(*settings);
    ResetProgressDisplay();
}

bool Installation::OffersBrowsing() const {
    const auto table = FindFileNoCase(distribution_, kRohrdmFile);
    return !table || !HasContent(*table);
}

std::filesystem::path Installation::Picture(std::string_view name) const {
    if (const auto found = FindFileNoCase(distribution_, name)) return *found;
    return distribution_ / PathFromUtf8(name);
}

void Installation::ResetProgressDisplay() {
    display_ = ProgressDisplay{};
    display_.background = Picture(kFallbackBackground);
}

void Installation::ShowBackground(std::string_view name) {
    const std::filesystem::path picture = Picture(name);
    display_.background = HasContent(picture) ? picture : Picture(kFallbackBackground);
    Show();
}

RunOutcome Installation::RunInstallation(const std::filesystem::path& target, std::string_view textLanguage) {
    view_.SetBusy(true);
    if (IsAdmin(textLanguage) == RightsAnswer::End) {
        view_.SetBusy(false);
        return RunOutcome::EndedByUser;
    }
    SystemInfo();
    view_.HideDirectoryCommands();
    // The shortcuts come before any file is copied.
    CreateShortcuts(target);
    view_.SetBusy(false);
    view_.EnterCopyPhase();
    CopyAllFiles(target);
    return RunOutcome::Completed;
}

RightsAnswer Installation::IsAdmin(std::string_view textLanguage) {
    const bool admin = platform_.IsUserAnAdmin();
    Append(AdminRightsLine(admin));
    if (admin) return RightsAnswer::Administrator;
    if (!view_.ContinueWithoutRights(std::string(kRightsQuestionTitle), RightsQuestion(textLanguage)))
        return RightsAnswer::End;
    ++adminOverrideCount_;
    return RightsAnswer::ContinueWithout;
}

void Installation::SystemInfo() {
    for (std::string& line : SystemReportLines(CollectSystemFacts(platform_))) Append(std::move(line));
}

void Installation::CreateShortcuts(const std::filesystem::path& target) {
    ShortcutRecord link;
    link.Datei = target / PathFromUtf8(platform_.ProgramFileName());
    link.Comment = std::string(kProgramName) + " Version 2.12";
    link.WorkingDir = target;
    const std::filesystem::path shortcutName = PathFromUtf8(platform_.ShortcutFileName(LinkFileName()));

    // A folder that cannot be determined gets no shortcut: a link beside the file system's root would be
    // the only alternative.
    Append(" ");
    const std::filesystem::path programs = platform_.SpecialFolder(kCommonProgramsFolder);
    Append(Utf8(programs));
    if (!programs.empty()) {
        const std::filesystem::path menuFolder = programs / PathFromUtf8(ProgramTitle());
        std::error_code ignored;
        std::filesystem::create_directories(menuFolder, ignored);
        link.LinkName = menuFolder / shortcutName;
        platform_.CreateLink(link);
    }

    Append(" ");
    const std::filesystem::path desktop = platform_.SpecialFolder(kCommonDesktopFolder);
    Append(Utf8(desktop));
    if (!desktop.empty()) {
        link.LinkName = desktop / shortcutName;
        platform_.CreateLink(link);
    }
}

void Installation::CopyAllFiles(const std::filesystem::path& target) {
    display_.barsVisible = true;
    display_.activityVisible = true;
    Show();
    view_.SetBusy(true);

    std::error_code error;
    std::filesystem::create_directories(target, error);
    if (error && !std::filesystem::is_directory(target)) ReportProblem(target, kDirectoryNotCreated);
    if (const auto runtime = FindFileNoCase(distribution_, kRuntimeLibrary))
        CopyOneFile(runtime->filename(), target);

    for (const InstallStep& step : kInstallPlan) {
        CopyMaskGroup(step, target);
        display_.progressWidth = step.number * kProgressTwipsPerStep;
        display_.percentLeft = display_.progressWidth + kPercentLabelOffset;
        display_.percentText = WithLeadingBlank(step.number * 4) + " %";
        Show();
        view_.ProcessPendingEvents();
    }

    display_.activityVisible = false;
    display_.counterText.clear();
    display_.counterLeft = kCounterLabelOffset;
    display_.percentLeft = display_.progressWidth + kPercentLabelOffset;
    display_.percentText = WithLeadingBlank(100) + " %";
    display_.statusLine.clear();
    ShowBackground(kFinalBackground);
    view_.SetBusy(false);
}

void Installation::CopyMaskGroup(const InstallStep& step, const std::filesystem::path& target) {
    for (const StepBackground& change : kStepBackgrounds)
        if (change.step == step.number) ShowBackground(change.picture);

    const std::string group(step.group);
    std::vector<std::filesystem::path> files = MatchingFiles(distribution_, step.mask, [&](const auto& file) {
        return step.number == kProgramStep && platform_.IsProgramFile(file);
    });
    display_.statusLine = "In process : " + group;
    Show();
    if (step.number == kLimitedStep && files.size() > kLimitedStepFiles) files.resize(kLimitedStepFiles);

    const std::string targetText = Utf8(target);
    const std::string separator(1, static_cast<char>(std::filesystem::path::preferred_separator));
    int sweep = 0;
    for (std::size_t position = 0; position < files.size(); ++position) {
        if (++sweep > kActivityFilesPerSweep) sweep = 0;
        const std::string shown = NameWithoutExtension(Utf8(files[position]));
        display_.statusLine = "In process : " + group + " " + shown + " -> " + targetText + separator + shown;
        display_.activityWidth = sweep * kActivityTwipsPerFile;
        display_.counterLeft = display_.activityWidth + kCounterLabelOffset;
        display_.counterText = WithLeadingBlank(static_cast<long>(position));
        Show();
        CopyOneFile(files[position], target);
    }
}

void Installation::CopyOneFile(const std::filesystem::path& name, const std::filesystem::path& target) {
    const std::filesystem::path source = distribution_ / name;
    const std::filesystem::path destination = target / name;
    std::error_code error;
    // Installing into the distribution folder itself leaves its files as they are.
    if (std::filesystem::equivalent(source, destination, error)) return;

    const ReadOnlyState before = ClearReadOnly(destination);
    const bool copied = std::filesystem::copy_file(
                            source, destination, std::filesystem::copy_options::overwrite_existing, error) &&
                        !error;
    const ReadOnlyState after = ClearReadOnly(destination);
    if (after == ReadOnlyState::StillReadOnly || (!copied && before == ReadOnlyState::StillReadOnly))
        ReportProblem(destination, kStillWriteProtected);
    else if (!copied)
        ReportProblem(destination, kNotCopied);
}

ReadOnlyState Installation::ClearReadOnly(const std::filesystem::path& file) {
    if (!platform_.IsReadOnly(file)) return ReadOnlyState::Missing;
    platform_.ClearReadOnlyAttribute(file);
    view_.ProcessPendingEvents();
    const std::optional<bool> readOnly = platform_.IsReadOnly(file);
    if (!readOnly) return ReadOnlyState::Missing;
    return *readOnly ? ReadOnlyState::StillReadOnly : ReadOnlyState::Writable;
}

void Installation::ReportProblem(const std::filesystem::path& path, std::string_view text) {
    ++problemCount_;
    Append(Utf8(path) + std::string(text));
}

}  // namespace installer
