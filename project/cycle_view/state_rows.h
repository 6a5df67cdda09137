#pragma once

// The state-point table and the design-point figures of the cycle view as rows of text, for the cycle window
// and the printed page alike. UTF-8, numbers with the record's decimal separator.

#include <string>
#include <vector>

#include "localisation/feature_texts.h"
#include "project/cycle_view/cycle_view.h"

namespace tervalo {

// Number, t °C, p bar, h kJ/kg, ρ kg/m³ ("" where the model has no density), name.
struct StatePointRow {
    std::string number, temperature, pressure, enthalpy, density, name;
};

// Name, value and unit; the value is empty where the run formed none.
struct FigureRow {
    std::string name, value, unit;
};

// The column headings of the state-point table, with units: "Point", "Temperature, °C", ..., "" above the
// names
std::vector<std::string> StatePointHeadings(const FeatureTexts& texts);
std::vector<StatePointRow> StatePointRows(const CycleView& view, const FeatureTexts& texts, char separator);
std::vector<FigureRow> FigureRows(const CycleView& view, const FeatureTexts& texts, char separator);

// A value with fixed decimals and the given separator.
std::string FixedNumber(double value, int decimals, char separator);

}  // namespace tervalo
