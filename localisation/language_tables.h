#pragma once

// The run's text tables, filled from the language files "Caption.", "VerbCapt.", "heatcap." and "infoTXT."
// followed by the language code. Items are taken by position; an item that a load does not reach keeps its
// previous text.

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "localisation/caption_items.h"  // the names of the items the code shows, from data/lang/master.tsv

namespace tervalo {

inline constexpr int kCaptionItems = 273;
inline constexpr int kMessageCount = 61;  // caption items 97 to 157
inline constexpr int kComponentCaptions = 24;
inline constexpr int kHeatCaptions = 56;
inline constexpr int kInfoTexts = 66;

struct LanguageTables {
    std::array<std::string, kCaptionItems + 1> captions;  // [1..273]; 97..157 live in messages
    std::array<std::string, kMessageCount + 1> messages;  // MessageTexts [1..61]
    std::array<std::string, kComponentCaptions + 1> componentCaptions;
    std::array<std::string, kHeatCaptions + 1> heatCaptions;
    std::array<std::string, kInfoTexts + 1> infoTexts;  // InfoTexts [1..66]
};

// The module-wide tables of the run, and their reset for a fresh start.
extern LanguageTables Texts;
void ResetLanguageTables();

// Numbered access; a number outside the table gives an empty text.
const std::string& Caption(int item);
const std::string& Message(int number);
const std::string& ComponentCaption(int item);
const std::string& HeatCaption(int item);
const std::string& InfoText(int number);

// Language files are read whole; the largest holds a few kilobytes, and a file above this size is refused as
// if it were missing.
inline constexpr std::size_t kLanguageFileByteLimit = 1u << 20;

// A language file's bytes, found by bare name without regard to letter case; nothing when it is missing,
// above `limit`, or when its name (built from a language code) leads out of the program directory.
std::optional<std::string> ReadLanguageFileBytes(const std::string& name,
                                                 std::size_t limit = kLanguageFileByteLimit);

// File names of the four kinds of language file.
std::string CaptionFileName(std::string_view code);
std::string ComponentCaptionFileName(std::string_view code);
std::string HeatCaptionFileName(std::string_view code);
std::string InfoTextFileName(std::string_view code);

// The loads. A missing or short file leaves the items it does not reach as they were. The
// parameter-file check that precedes every caption load belongs to the caller.
void LoadCaptionFile(std::string_view code);
void LoadComponentCaptions(std::string_view code);
void LoadHeatCaptions(std::string_view code);
void LoadInfoTexts(std::string_view code);  // resets the 66 entries first

// A language's caption file exists (inside the program directory) and is not empty.
bool CaptionFileUsable(std::string_view code);

// The refused-language message, built from the texts of the language still in force: caption item 91, a
// blank, the refused code (its printable ASCII characters, at most 8) and a blank, then message 61.
std::string RefusedLanguageText(std::string_view code);

// The text in the other language: the item of "heatcap." + to at the position of the first item of
// "heatcap." + from that equals the text, both trimmed of blanks. The text unchanged when nothing matches or
// a file is missing.
std::string TranslateText(std::string_view text, std::string_view fromCode, std::string_view toCode);

// The same item, or nothing when no item matches (or the item of "to" is missing).
std::optional<std::string> FindTranslation(std::string_view text, std::string_view fromCode,
                                           std::string_view toCode);

}  // namespace tervalo
