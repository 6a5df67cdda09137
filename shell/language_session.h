#pragma once

// The language steps of start-up and of the language commands, over the run settings and the text tables.
// The windows plug in what only they can do: refresh their texts and rewrite the stored project.

#include <functional>
#include <optional>
#include <string>

namespace tervalo {

// Caption file (after the parameter-file check), component captions and heat-pump captions of the language.
void LoadLanguageTexts(const std::string& languageCode);

// A message box the window shows: exclamation icon, title and text, in code-page bytes.
struct RefusalMessage {
    std::string title;
    std::string text;
};

struct LanguageSwitchSteps {
    // Rewrites the stored project record from the previous into the new language; false when it could not,
    // and the stored files are then as they were.
    std::function<bool(const std::string& fromCode, const std::string& toCode)> rewriteProject;
    // Refreshes the main window's title, buttons, pictures and menus.
    std::function<void()> refreshWindow;
};

// The sequence of every language command. A refused language (none of the program's languages, or a missing
// or empty caption file) changes nothing and yields the message to show. When the project cannot be rewritten
// the run stays in its language too, as the stored files do.
std::optional<RefusalMessage> SwitchLanguage(const std::string& newCode, const LanguageSwitchSteps& steps);

// Takes the welcome window's answer: the full read of kparam.dat first resets the run's language to the
// stored one; a confirmed language (nullopt when the window refused the selected one) then takes its place. A
// language other than the run's is stored with the project by `rewriteProject` (from, to), which replaces the
// project and the settings file together, or, where that fails, the run keeps its language; otherwise
// kparam.dat is saved with `decimalSeparator`. A refused choice leaves the stored language and the file as
// they were.
void TakeWelcomeChoice(
    const std::optional<std::string>& confirmed, char decimalSeparator,
    const std::function<bool(const std::string& fromCode, const std::string& toCode)>& rewriteProject = {});

// What start-up does with the hand-over file KELVData.dat: Tervalo takes it over; a tool run beside Tervalo
// (tervalo-calc) leaves it unread for Tervalo.
enum class HandOverFile { Consume, LeaveUnread };

// Start-up from the settings read to the hand-over file, the steps of the main window's load that need no
// window: temporaries of killed rewrites removed, settings, line break and separator, language texts,
// branding, info texts, then KELVData.dat.
// What start-up found damaged and replaced by defaults, for a program that reports it.
struct StartupNotes {
    bool brandingDamaged = false;  // rechOpt.dat decodes to control characters: the default names stand
};
StartupNotes StartupLoad(HandOverFile handOver = HandOverFile::Consume);

}  // namespace tervalo
