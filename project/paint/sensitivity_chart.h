#pragma once

// The tornado chart of the sensitivity strip: for each input (electricity price, fuel price, heating COP,
// heat demand) a bar from the annual saving as entered to the saving with the input moved by -30 … +30 %,
// the widest swing on top. One drawing for the view, the printed page and the tests' images. Links Qt Gui
// only.

#include <QRectF>
#include <array>
#include <string>

#include "localisation/feature_texts.h"
#include "project/decision/sensitivity.h"

class QPainter;

namespace tervalo {

// The chart's texts as bytes of the language's code page (the decision caption file), and the decimal
// separator of the numbers at the axis.
struct SensitivityChartTexts {
    std::string title;                  // "Sensitivity of the annual saving"
    std::string axis;                   // "Annual saving"
    std::string unit;                   // currency per year
    std::array<std::string, 4> inputs;  // in the order of kSensitivityInputs
    std::string change;                 // legend heading, "Change"
    int codePage = 1252;
    char decimalSeparator = '.';
};

SensitivityChartTexts SensitivityChartTextsOf(const FeatureTexts& texts, const std::string& currencyCode,
                                              char decimalSeparator);

// Draws the money savings of `sensitivity` into `area` with the painter's font. Steps without a saving are
// left out; without the saving as entered only the title is drawn.
void DrawSensitivityChart(QPainter& painter, const QRectF& area, const decision::Sensitivity& sensitivity,
                          const SensitivityChartTexts& texts);

}  // namespace tervalo
