#pragma once

// The texts of the main window's info box, built from the about file of the language in force (the language
// code followed by ".dat") and the branding of the run.

#include <string>

#include "shell/program_identity.h"

namespace tervalo {

std::string AboutFileName(const std::string& languageCode);

// The title: "The things, that you ever want to know about " followed by the product name and "...".
std::string AboutBoxTitle();

// The text from the about file's items, the owner lines, the notice line and the web address; when the about
// file is missing or empty, a neutral text from the product name, version, notice line, owner lines and web
// address.
std::string AboutBoxText();

}  // namespace tervalo
