#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>

// Why a target directory cannot take the installation, told from what the file system answered, and the
// final page's headline that says so.
namespace installer {

enum class TargetProblem {
    None,
    IsAFile,      // the target itself is a file
    InsideAFile,  // a folder on the target's path is a file
    PathTooLong,  // the path, or a name in it, is longer than the system allows
    NoRights,     // the system refused this user
    Other,
};

struct TargetCheck {
    TargetProblem problem = TargetProblem::None;
    // The file that stands in the way, or the target.
    std::filesystem::path where;
};

// What is wrong with `target`, given the error its creation or a write into it ended with.
TargetCheck CheckTarget(const std::filesystem::path& target, std::error_code error);

// Whether the rights question can help: only when the system refused this user or gave no reason.
bool RightsMayHelp(TargetProblem problem);

// The protocol's text for the problem, following the path; empty for problems the caller names itself.
std::string_view ProblemLine(TargetProblem problem);

// The headline of the final page for IsAFile, InsideAFile and PathTooLong in the language of `code` (English
// for a code without texts of its own); empty for the others. The paths are given as the window shows them.
std::string ProblemHeadline(std::string_view code, const TargetCheck& check, std::string_view targetText,
                            std::string_view whereText);

}  // namespace installer
