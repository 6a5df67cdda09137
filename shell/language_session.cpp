#include "shell/language_session.h"

#include "config/run_settings.h"
#include "config/settings_file.h"
#include "engine/file_access.h"
#include "localisation/language_tables.h"
#include "localisation/languages.h"
#include "shell/branding_file.h"
#include "shell/handover_file.h"
#include "shell/parameter_file.h"

namespace tervalo {

void LoadLanguageTexts(const std::string& languageCode) {
    CheckParameterFile();
    LoadCaptionFile(languageCode);
    LoadComponentCaptions(languageCode);
    LoadHeatCaptions(languageCode);
}

std::optional<RefusalMessage> SwitchLanguage(const std::string& newCode, const LanguageSwitchSteps& steps) {
    const std::string previousCode = Settings.LanguageCode;
    if (!KnownLanguage(newCode) || !CaptionFileUsable(newCode))
        return RefusalMessage{Settings.ProductName, RefusedLanguageText(newCode)};
    Settings.LanguageCode = newCode;
    if (steps.rewriteProject && !steps.rewriteProject(previousCode, newCode)) {
        Settings.LanguageCode = previousCode;
        return std::nullopt;
    }
    LoadLanguageTexts(newCode);
    if (steps.refreshWindow) steps.refreshWindow();
    LoadInfoTexts(Settings.LanguageCode);
    return std::nullopt;
}

void TakeWelcomeChoice(
    const std::optional<std::string>& confirmed, char decimalSeparator,
    const std::function<bool(const std::string& fromCode, const std::string& toCode)>& rewriteProject) {
    const std::string previousCode = Settings.LanguageCode;
    FullReadSettings(KnownLanguage);
    if (!confirmed) return;
    Settings.LanguageCode = *confirmed;
    if (*confirmed == previousCode || !rewriteProject) {
        SaveSettings(decimalSeparator);
        return;
    }
    // A start killed between the project's and the settings file's writes leaves both in one language.
    if (!rewriteProject(previousCode, *confirmed)) Settings.LanguageCode = previousCode;
}

StartupNotes StartupLoad(HandOverFile handOver) {
    // Rewrites killed midway in an earlier run leave their temporaries; the files themselves are whole. A
    // language switch killed between its two files is completed before the settings are read.
    RemoveAbandonedTemporaries(".");
    FinishReplacements(kLanguageSwitchJournal);
    StartupReadSettings(KnownLanguage);
    Settings.LineBreak = "\r\n";
    Settings.LabelSeparator = " :";
    LoadLanguageTexts(Settings.LanguageCode);
    StartupNotes notes;
    notes.brandingDamaged = !ReadBranding();
    LoadInfoTexts(Settings.LanguageCode);
    if (handOver == HandOverFile::Consume) ConsumeHandOverFile();
    return notes;
}

}  // namespace tervalo
