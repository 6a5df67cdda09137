#pragma once

// The files that keep the project between runs, in the working directory: TempPart.dat (the record, 22 quoted
// text fields, one per line) and SpezBK.dat (the default fuel prices, four quoted texts).

#include <array>
#include <string>
#include <string_view>

#include "project/project_record.h"

namespace tervalo {

inline constexpr const char* kProjectFileName = "TempPart.dat";
inline constexpr const char* kFuelPriceFileName = "SpezBK.dat";
inline constexpr const char* kRewriteFileName = "Puffer.dat";
inline constexpr int kProjectFileFields = 22;

// Reads TempPart.dat into the record's fields. Fields that a missing or short file does not reach keep their
// texts; fields 1 (the refrigerant), 6 and 15 (reserved) are read and not kept.
void ReadProjectFile(ProjectRecord& record);

// Writes the 22 fields. A double quote, which a text field cannot hold, is stored as two single quotes. The
// old file is replaced as a whole: an interruption leaves either the old or the new file. False when it could
// not be written.
bool WriteProjectFile(const ProjectRecord& record);

// Reads SpezBK.dat into FuelPriceTable; prices the file does not hold keep their texts.
void ReadFuelPrices(ProjectRecord& record);
// Writes FuelPriceTable to SpezBK.dat; false when it could not be written.
bool WriteFuelPrices(const ProjectRecord& record);

// A list text in the other language: the heat-pump caption it equals, or a combined entry translated piece
// by piece as the lists build them (a caption, ", " and a caption; a caption, a blank and a year). The text
// unchanged when neither matches.
std::string TranslateListText(const std::string& text, std::string_view fromCode, std::string_view toCode);

// Rewrites TempPart.dat from the language `fromCode` into `toCode`: fields 4 to 18 (the list choices) are
// translated by TranslateListText, all others copied; empty texts stay empty. The new record is written to
// Puffer.dat, then replaces TempPart.dat as a whole (see ReplaceFileBytes) and the buffer is removed, so the
// project is never lost. A
// missing TempPart.dat gives a record of 22 empty texts. False when the new file could not be written (the
// old one is then untouched).
bool RewriteProjectFileForLanguage(std::string_view fromCode, std::string_view toCode);

// The bytes that rewrite gives TempPart.dat.
std::string ProjectBytesInLanguage(std::string_view fromCode, std::string_view toCode);

}  // namespace tervalo
