#pragma once

#include <array>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "tervalo_version.h"

// What the installer copies: the program's identity and the 24 steps of file masks.
namespace installer {

inline constexpr std::string_view kProgramName = "Tervalo";
// The version text carries its leading blank so that it can follow the name directly.
inline constexpr std::string_view kProgramVersion = " " TERVALO_VERSION;

// The application icon, which the distribution holds beside the program.
inline constexpr std::string_view kIconFileName = "org.kelvara.Tervalo.svg";

// ProgramName + ProgramVersion: the title labels and the start-menu folder.
std::string ProgramTitle();
// ProgramTitle + ".LNK": the file name of both shortcuts on Windows.
std::string LinkFileName();
std::string WindowCaption();

struct InstallStep {
    int number;
    std::string_view mask;
    // Only shown in the status line; every file of every step lands in the target directory itself.
    std::string_view group;
};

// The 24 classic steps, then the three languages that came later and the scalable application icon.
inline constexpr std::array<InstallStep, 28> kInstallPlan{{
    {1, "*.dat", "Property"},    {2, "*.exe", kProgramName}, {3, "*.bmp", "Images"},
    {4, "*.lst", "Data"},        {5, "*.RDM", "Data"},       {6, "*.ico", "Images"},
    {7, "*.ger", "German"},      {8, "*.eng", "English"},    {9, "*.ita", "Italiano"},
    {10, "*.std", "Data"},       {11, "*.fra", "Francais"},  {12, "*.esp", "Espaniol"},
    {13, "*.ndl", "Nederlands"}, {14, "*.swe", "Swedish"},   {15, "*.dll", "Library"},
    {16, "*.ocx", "Library"},    {17, "*.sym", "Images"},    {18, "*.por", "Portuguese"},
    {19, "*.jpg", "Images"},     {20, "*.rus", "Russian"},   {21, "*.trk", "Turkish"},
    {22, "*.gre", "Greece"},     {23, "*.pol", "Polish"},    {24, "*.rom", "Romanian"},
    {25, "*.ara", "Arabic"},     {26, "*.bul", "Bulgarian"}, {27, "*.hun", "Hungarian"},
    {28, "*.svg", "Images"},
}};

// The step that copies the program files. Every catalogue file is copied: the catalogue list names pairs of
// files, and a pair copied in part gives the program a catalogue without titles.
inline constexpr int kProgramStep = 2;

// Mask with "*" and "?" wildcards, compared without regard to ASCII letter case.
bool MatchesMask(std::string_view name, std::string_view mask);

// Alphabetical order without regard to letter case; names equal but for case keep a stable byte order.
bool NameLessNoCase(std::string_view a, std::string_view b);

// The ordinary files of `folder` whose names match `mask` or that `alsoTake` accepts, alphabetically.
// An unreadable folder yields no files.
std::vector<std::filesystem::path> MatchingFiles(
    const std::filesystem::path& folder, std::string_view mask,
    const std::function<bool(const std::filesystem::path&)>& alsoTake);

// The file `name` in `folder`, found without regard to letter case; nothing when there is none.
std::optional<std::filesystem::path> FindFileNoCase(const std::filesystem::path& folder,
                                                    std::string_view name);

// The name as the status line shows it: without its last four characters (the point and a three-letter
// extension that every mask requires); a name without such an extension stays whole.
std::string NameWithoutExtension(std::string_view name);

}  // namespace installer
