#pragma once

// The texts of the project window that do not come from a calculation: the title, the captions of its labels
// and buttons, and the units beside the fuel fields. All in the code page of the current language.

#include <string>
#include <vector>

#include "project/heating_kind.h"
#include "project/project_record.h"

namespace tervalo {

// "m²" and "m³" in the current language's code page; "m2" and "m3" where the code page has no superscript
// digits (Central European and Cyrillic).
std::string SquareMetres();
std::string CubicMetres();

// Units of a heating kind: the price unit after the currency ("/l") and the annual quantity ("l/a").
struct FuelUnits {
    std::string perUnit;
    std::string perYear;
};
FuelUnits FuelUnitsOf(HeatingKind kind);

// The window title, whose joining words depend on the language code (compared in upper case).
std::string ProjectWindowTitle();

// Captions of the window's labels and buttons, set once when it initialises.
std::vector<ControlCaption> ProjectWindowCaptions();

}  // namespace tervalo
