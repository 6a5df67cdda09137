#pragma once

#include <cstddef>
#include <filesystem>
#include <istream>
#include <string>
#include <vector>

// The installer's own reader of the settings file: it needs only the language code, the fourth field.
namespace installer {

// Up to `count` fields, read one after another regardless of line breaks: a field ends at a comma or at the
// end of a line, a quoted field is taken between its quotes (commas inside are kept), blanks around an
// unquoted field are dropped. Fewer fields when the text ends first.
std::vector<std::string> ReadLeadingFields(std::istream& in, std::size_t count);

// The fourth field of the settings file, as written; empty when the file is missing or shorter.
std::string ReadLanguageCode(const std::filesystem::path& settingsFile);

}  // namespace installer
