#pragma once

// The program keeps its texts as the bytes of the language's Windows code page; windows convert them here,
// with the code page of the language in force, and nowhere else.

#include <QString>
#include <string>
#include <string_view>

namespace tervalo {

// Code-page bytes as a window shows them; CR LF line breaks become plain line feeds.
QString DisplayText(std::string_view bytes);

// The same with every number in the decimal separator of the language in force (see ShownNumbers).
QString DisplayNumbers(std::string_view bytes);

// The same with the units m2 and m3 written with their superscripts (see SuperscriptUnits), for unit labels.
QString DisplayUnits(std::string_view bytes);

// The decimal separator of the numbers a window shows: the language's.
char ShownSeparator();

// Text typed into a window, as code-page bytes; a character the code page lacks becomes "?".
std::string TypedText(const QString& text);

// A menu caption with its first letter as the keyboard accelerator; "&" inside the caption stays a character.
QString MenuCaption(const QString& caption);

// The decimal separator of the system's regional settings ("," or "."), for numbers written in that form.
char SystemDecimalSeparator();

}  // namespace tervalo
