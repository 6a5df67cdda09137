#include "config/settings_file.h"

#include <optional>
#include <string>

#include "config/run_settings.h"
#include "engine/file_access.h"
#include "engine/number_text.h"
#include "engine/text_record.h"
#include "engine/text_util.h"

namespace tervalo {

namespace {

// Reads the settings file field by field; a missing or oversized file reads as no fields at all.
class SettingsReader {
  public:
    SettingsReader()
        : bytes_(ReadFileBytes(kSettingsFileName, kSettingsFileByteLimit).value_or(std::string())) {}
    TextRecordReader& operator*() { return reader_; }
    TextRecordReader* operator->() { return &reader_; }

  private:
    std::string bytes_;
    TextRecordReader reader_{bytes_};
};

// Line 1 fields 1 to 11; false once the file has run out.
bool ReadLine1UpToField11(TextRecordReader& in) {
    std::string dropped;
    CarriedSettings& carried = Settings.carried;
    return in.ReadText(dropped) && in.ReadText(dropped) && in.ReadText(dropped) &&
           in.ReadText(Settings.LanguageCode) && in.ReadText(Settings.CurrencyCode) &&
           in.ReadText(Settings.PrintFontName) && in.ReadText(Settings.UserName) &&
           in.ReadInt16(carried.welcomeOption) && in.ReadText(carried.line1Field9) &&
           in.ReadText(carried.line1Field10) && in.ReadText(carried.line1Field11);
}

void ReadLine2(TextRecordReader& in) {
    CarriedSettings& carried = Settings.carried;
    carried.line2Field1 = 0;
    carried.line2Field2 = "35";
    carried.line2Field2Quoted = false;
    if (!in.ReadInt16(carried.line2Field1)) return;
    if (!in.ReadText(carried.line2Field2)) return;
    carried.line2Field2Quoted = in.LastFieldWasQuoted();
    std::string number;
    if (!in.ReadText(number)) return;
    carried.line2Field3 = ParseNumberText(number);
    if (carried.line2Field3 <= 0) carried.line2Field3 = 2.5;
    in.ReadText(carried.line2Field4) && in.ReadText(carried.line2Field5) &&
        in.ReadInt16(carried.line2Field6) && in.ReadText(carried.line2Field7);
}

// Fields 12 to 14 of line 1 into the carried record, then line 2.
void ReadCarriedRest(TextRecordReader& in) {
    CarriedSettings& carried = Settings.carried;
    carried.storedParameterDirectoryMode = 0;
    if (in.ReadInt16(carried.PrintHeaderOption) && in.ReadText(carried.storedParameterDirectory))
        in.ReadInt16(carried.storedParameterDirectoryMode);
    ReadLine2(in);
}

void ApplyCommonDefaults(const char* languageDefault, LanguageFilter known) {
    if (Settings.PrintFontName.size() < 3) Settings.PrintFontName = "Arial";
    if (!known(Settings.LanguageCode)) Settings.LanguageCode = languageDefault;
    if (Settings.CurrencyCode.empty()) Settings.CurrencyCode = "EUR";
}

}  // namespace

void StartupReadSettings(LanguageFilter known) {
    SettingsReader in;
    if (ReadLine1UpToField11(*in))
        ReadCarriedRest(*in);
    else
        ReadLine2(*in);  // sets the defaults of line 2
    ApplyCommonDefaults("GER", known);
}

void FullReadSettings(LanguageFilter known) {
    SettingsReader in;
    Settings.ParameterDirectoryMode = 0;
    if (ReadLine1UpToField11(*in) && in->ReadInt16(Settings.carried.PrintHeaderOption)) {
        std::string directory;
        if (in->ReadText(directory)) {
            Settings.ParameterDirectory = TrimBlanks(directory);
            in->ReadInt16(Settings.ParameterDirectoryMode);
        }
    }
    ReadLine2(*in);
    Settings.carried.storedParameterDirectory = Settings.ParameterDirectory;
    Settings.carried.storedParameterDirectoryMode = Settings.ParameterDirectoryMode;

    std::string& directory = Settings.ParameterDirectory;
    if (directory.size() > 3) directory = "C:\\";
    const std::string trimmed = TrimBlanks(directory);
    if (trimmed.empty() || trimmed == "0" || UpperAscii(trimmed) == "C:") directory = "C:\\";
    if (Settings.ParameterDirectoryMode == 77) directory.clear();
    Settings.parameterDirectoryRead = true;
    ApplyCommonDefaults("ENG", known);
}

StoredChoice ReadStoredChoice(LanguageFilter known) {
    StoredChoice stored;
    const auto bytes = ReadFileBytes(kSettingsFileName, kSettingsFileByteLimit);
    if (!bytes) return stored;
    TextRecordReader in(*bytes);
    std::string field;
    for (int i = 1; i <= 3; ++i)
        if (!in.ReadText(field)) return stored;
    if (!in.ReadText(field)) return stored;
    // Read, but a code of no language selects nothing, as a code in the wrong letter case does.
    stored.languageCode = known(field) ? field : std::string();
    for (int i = 5; i <= 7; ++i)
        if (!in.ReadText(field)) return stored;
    std::int16_t option = 0;
    if (in.ReadInt16(option)) stored.welcomeOption = option;
    return stored;
}

std::string SettingsFileBytes(char decimalSeparator) {
    const RunSettings& s = Settings;
    const CarriedSettings& carried = s.carried;
    const std::string& directory =
        s.parameterDirectoryRead ? s.ParameterDirectory : carried.storedParameterDirectory;
    const std::int16_t mode =
        s.parameterDirectoryRead ? s.ParameterDirectoryMode : carried.storedParameterDirectoryMode;

    TextRecordWriter out;
    out.Text("")
        .Text("")
        .Text("")
        .Text(s.LanguageCode)
        .Text(s.CurrencyCode)
        .Text(s.PrintFontName)
        .Text(s.UserName);
    out.Int(carried.welcomeOption)
        .Text(carried.line1Field9)
        .Text(carried.line1Field10)
        .Text(carried.line1Field11);
    out.Int(carried.PrintHeaderOption).Text(directory).Int(mode);
    out.EndStatement();
    out.Int(carried.line2Field1);
    if (carried.line2Field2Quoted)
        out.Text(carried.line2Field2);
    else
        out.Raw(carried.line2Field2);
    out.Text(LocaleFormat(carried.line2Field3, decimalSeparator))
        .Text(carried.line2Field4)
        .Text(carried.line2Field5);
    out.Int(carried.line2Field6).Text(carried.line2Field7);
    out.EndStatement();
    return out.bytes();
}

bool SaveSettings(char decimalSeparator) {
    return ReplaceFileBytes(kSettingsFileName, SettingsFileBytes(decimalSeparator));
}

}  // namespace tervalo
