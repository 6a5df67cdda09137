#include "install/core/target_problem.h"

#include <algorithm>

#include "install/core/install_plan.h"
#include "install/texts/target_texts.h"

namespace installer {

namespace fs = std::filesystem;

TargetCheck CheckTarget(const fs::path& target, std::error_code error) {
    if (error == std::errc::filename_too_long) return {TargetProblem::PathTooLong, target};
    // The nearest existing entry on the path decides: a file there leaves no room for a folder.
    for (fs::path entry = target; !entry.empty(); entry = entry.parent_path()) {
        std::error_code statusError;
        const fs::file_status status = fs::status(entry, statusError);
        if (statusError == std::errc::filename_too_long) return {TargetProblem::PathTooLong, target};
        if (fs::exists(status)) {
            if (!fs::is_directory(status))
                return {entry == target ? TargetProblem::IsAFile : TargetProblem::InsideAFile, entry};
            break;
        }
        if (entry == entry.parent_path()) break;
    }
    if (!error) return {TargetProblem::None, {}};
    // Systems differ in what they answer for a name no file system takes (wine: "not found"), so its length
    // decides. 255 is the limit of the common file systems: bytes on Linux, UTF-16 units on Windows.
    constexpr std::size_t kLongestName = 255;
    for (const fs::path& name : target.relative_path())
        if (name.native().size() > kLongestName) return {TargetProblem::PathTooLong, target};
    if (error == std::errc::permission_denied || error == std::errc::operation_not_permitted ||
        error == std::errc::read_only_file_system)
        return {TargetProblem::NoRights, target};
    return {TargetProblem::Other, target};
}

bool RightsMayHelp(TargetProblem problem) {
    return problem == TargetProblem::NoRights || problem == TargetProblem::Other;
}

std::string_view ProblemLine(TargetProblem problem) {
    switch (problem) {
        case TargetProblem::IsAFile:
        case TargetProblem::InsideAFile:
            return ":  Is a file, not a folder.";
        case TargetProblem::PathTooLong:
            return ":  Path longer than this system allows.";
        default:
            return {};
    }
}

std::string ProblemHeadline(std::string_view code, const TargetCheck& check, std::string_view targetText,
                            std::string_view whereText) {
    using target_texts::Text;
    Text item;
    switch (check.problem) {
        case TargetProblem::IsAFile:
            item = Text::TargetIsAFile;
            break;
        case TargetProblem::InsideAFile:
            item = Text::TargetInsideAFile;
            break;
        case TargetProblem::PathTooLong:
            item = Text::PathTooLong;
            break;
        default:
            return {};
    }
    const auto& codes = target_texts::kCodes;
    auto language = std::find(codes.begin(), codes.end(), code);
    if (language == codes.end()) language = std::find(codes.begin(), codes.end(), "ENG");
    const std::string_view text = target_texts::kTexts[static_cast<std::size_t>(item)]
                                                      [static_cast<std::size_t>(language - codes.begin())];

    // The placeholders are filled in one pass, so that a path holding "%2" stays as it is.
    std::string headline;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 1 < text.size() && text[i + 1] >= '1' && text[i + 1] <= '3') {
            const char number = text[++i];
            headline += number == '1' ? kProgramName : number == '2' ? targetText : whereText;
        } else {
            headline += text[i];
        }
    }
    return headline;
}

}  // namespace installer
