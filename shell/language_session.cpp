#include "shell/language_session.h"

#include "engine/file_access.h"
#include "localisation/language_tables.h"
#include "shell/branding_file.h"
#include "shell/handover_file.h"
#include "shell/parameter_file.h"
#include "config/run_settings.h"
#include "config/settings_file.h"

namespace tervalo {

void LoadLanguageTexts() {
    CheckParameterFile();
    LoadCaptionFile(Settings.LanguageCode);
    LoadComponentCaptions(Settings.LanguageCode);
    LoadHeatCaptions(Settings.LanguageCode);
}

std::optional<RefusalMessage> SwitchLanguage(const std::string& newCode, const LanguageSwitchSteps& steps) {
    const std::string previousCode = Settings.LanguageCode;
    if (!CaptionFileUsable(newCode)) return RefusalMessage{Settings.ProductName, RefusedLanguageText()};
    Settings.LanguageCode = newCode;
    if (steps.rewriteProject) steps.rewriteProject(previousCode, newCode);
    LoadLanguageTexts();
    if (steps.refreshWindow) steps.refreshWindow();
    LoadInfoTexts(Settings.LanguageCode);
    return std::nullopt;
}

void StartupLoad(HandOverFile handOver) {
    // Rewrites killed midway in an earlier run leave their temporaries; the files themselves are whole.
    RemoveAbandonedTemporaries(".");
    StartupReadSettings();
    Settings.LineBreak = "\r\n";
    Settings.LabelSeparator = " :";
    LoadLanguageTexts();
    ReadBranding();
    LoadInfoTexts(Settings.LanguageCode);
    if (handOver == HandOverFile::Consume) ConsumeHandOverFile();
}

}  // namespace tervalo
