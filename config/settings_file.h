#pragma once

// kparam.dat: the settings file, two statements of text-record fields.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tervalo {

inline constexpr const char* kSettingsFileName = "kparam.dat";

// The file holds two short lines; one above this size is read as missing.
inline constexpr std::size_t kSettingsFileByteLimit = 1u << 20;

// Whether a code is one of the program's languages. The stored code ends the names of the language files, so
// any other text (a path, a stray word) is read as no language at all and the default takes its place.
using LanguageFilter = bool (*)(std::string_view code);

// The read at start-up: line 1 fields 4 to 7 into the settings (fields 8 to 11 carried), then the defaults
// "Arial", "GER" and "EUR". The remaining fields are taken as carried fields only, so a save without a full
// read writes back what the file holds; a missing or short file leaves the defaults.
void StartupReadSettings(LanguageFilter known);

// The full read of the welcome window's confirmation, with its rules: the parameter directory reduced to a
// drive root or emptied (mode 77), "Arial", "ENG", "EUR".
void FullReadSettings(LanguageFilter known);

// What the welcome window reads of kparam.dat for itself: line 1 fields 4 (the stored language) and 8, as far
// as the file holds them, without touching the run settings. A code `known` refuses reads as empty.
struct StoredChoice {
    std::optional<std::string> languageCode;
    std::optional<std::int16_t> welcomeOption;
};
StoredChoice ReadStoredChoice(LanguageFilter known);

// Writes both lines from the run settings; `decimalSeparator` is the system's, for line 2 field 3.
// Returns false when the file could not be written (the old file then stays as it was).
bool SaveSettings(char decimalSeparator);
// The bytes such a save writes.
std::string SettingsFileBytes(char decimalSeparator);

// The journal of a language switch: the project and the settings file replaced together (see
// ReplaceFilesTogether); start-up completes a switch a kill interrupted.
inline constexpr const char* kLanguageSwitchJournal = "LangSwitch.dat";

}  // namespace tervalo
