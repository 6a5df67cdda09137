#pragma once

// Texts are kept as the bytes of the language files, in the Windows code page of their language; they become
// Unicode only where a window shows them, and typed text goes back into the code page.

#include <string>
#include <string_view>

namespace tervalo {

// The Windows ANSI code page of a language code as the language table gives it (1250 for POL, HUN, ROM; 1251
// for RUS, BUL; 1253 for GRE; 1254 for TRK; 1256 for ARA; 1252 for the Western languages); 1252 for any other
// code.
int CodePageOf(std::string_view languageCode);

// Code-page bytes to UTF-8. A byte the code page leaves undefined becomes U+FFFD.
std::string CodePageToUtf8(std::string_view bytes, int codePage);

// UTF-8 to code-page bytes. A character the code page cannot hold, or invalid UTF-8, becomes "?".
std::string Utf8ToCodePage(std::string_view utf8, int codePage);

// Whether every byte of the text is defined in the code page.
bool DecodesCleanly(std::string_view bytes, int codePage);

}  // namespace tervalo
