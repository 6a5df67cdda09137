#pragma once

#include <string>
#include <string_view>

namespace tervalo {

// The text without the blanks on both sides (blanks only, as the files' texts are trimmed).
std::string TrimBlanks(std::string_view text);

// The text without its leading blanks.
std::string TrimLeadingBlanks(std::string_view text);

// ASCII letters in upper case; other bytes as they are.
std::string UpperAscii(std::string_view text);

}  // namespace tervalo
