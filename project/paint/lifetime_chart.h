#pragma once

// The chart of the lifetime comparison: cumulative cost and cumulative CO2 of the heat pump and the boiler
// over the years of use, as two panels side by side (or one above the other in a tall area). One drawing for
// the view, the printed page and the tests' images. Links Qt Gui only.

#include <QRectF>
#include <string>
#include <vector>

#include "localisation/feature_texts.h"
#include "project/lifetime/lifetime_analysis.h"

class QPainter;

namespace tervalo {

// Values by year of use, index 0 (the investments) to N.
struct LifetimeChartData {
    std::vector<double> heatPumpCost;  // cumulative, currency
    std::vector<double> boilerCost;
    std::vector<double> heatPumpCo2_t;  // cumulative, tonnes
    std::vector<double> boilerCo2_t;
};

// The chart's texts as bytes of the language's code page (the lifetime caption file), and the decimal
// separator of the numbers at the axes.
struct LifetimeChartTexts {
    std::string costTitle;  // "Cumulative cost"
    std::string co2Title;   // "Cumulative CO2"
    std::string costUnit;   // the currency code
    std::string co2Unit;    // "t"
    std::string year;
    std::string heatPump;
    std::string boiler;
    int codePage = 1252;
    char decimalSeparator = '.';
};

LifetimeChartData LifetimeChartDataOf(const lifetime::LifetimeResult& result);

// The chart's texts from the lifetime caption file (LoadFeatureTexts(lifetime_texts::kFile, code)), with the
// run's currency code as the unit of cost.
LifetimeChartTexts LifetimeChartTextsOf(const FeatureTexts& texts, const std::string& currencyCode,
                                        char decimalSeparator);

// Draws the chart into `area` of the painter with the painter's font; line widths follow the size of the
// area, so a printer draws what the screen shows. Values that are not finite are left out.
void DrawLifetimeChart(QPainter& painter, const QRectF& area, const LifetimeChartData& data,
                       const LifetimeChartTexts& texts);

}  // namespace tervalo
