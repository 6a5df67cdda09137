#include "decision_output.h"

#include <nlohmann/json.hpp>

#include "config/run_settings.h"
#include "project/decision/results_json.h"
#include "project/lifetime/lifetime_json.h"
#include "project/seasonal/seasonal_file.h"
#include "window_commands.h"

namespace tervalo {

namespace {

constexpr const char* kNoFigure = "\u2013";

std::string FigureText(const decision::Figure& figure) {
    return figure ? figure->text : kNoFigure;  // the figures are formed of digits and the separator alone
}

std::string Line(const std::string& name, const std::string& text) {
    return name + '=' + text + '\n';
}

}  // namespace

std::string DecisionLines(const DecisionRun& run, bool withWhatIf) {
    const decision::BreakEven& b = run.breakEven;
    std::string lines = Line("BreakEven.electricity_price", FigureText(b.electricityPrice)) +
                        Line("BreakEven.fuel_price", FigureText(b.fuelPrice)) +
                        Line("BreakEven.heating_cop_equal_cost", FigureText(b.heatingCopEqualCost)) +
                        Line("BreakEven.heating_cop_equal_co2", FigureText(b.heatingCopEqualCo2)) +
                        Line("BreakEven.grid_co2_factor", FigureText(b.gridCo2Factor)) +
                        Line("Saving.money", FigureText(run.saving.money)) +
                        Line("Saving.co2", FigureText(run.saving.co2));
    if (!withWhatIf) return lines;
    for (const decision::WhatIfCell& cell : run.whatIf) {
        const std::string prefix =
            "WhatIf." + std::to_string(cell.heatSource) + '.' + std::to_string(cell.distribution) + '.';
        lines += Line(prefix + "AnwendBereich", Utf8(cell.heatSourceText)) +
                 Line(prefix + "VFlsize", Utf8(cell.distributionText)) + Line(prefix + "t0", Utf8(cell.t0)) +
                 Line(prefix + "Tc", Utf8(cell.Tc)) + Line(prefix + "LeistZahlH", Utf8(cell.LeistZahlH)) +
                 Line(prefix + "GesEnergWP", Utf8(cell.GesEnergWP)) +
                 Line(prefix + "BetrKo", Utf8(cell.BetrKo)) +
                 Line(prefix + "co2consum", Utf8(cell.co2consum)) +
                 Line(prefix + "Saving.money", FigureText(cell.saving.money)) +
                 Line(prefix + "Saving.co2", FigureText(cell.saving.co2));
    }
    return lines;
}

std::string DecisionJson(const ProjectRecord& record, const DecisionRun& run, bool withWhatIf,
                         const FeatureTexts& reasons, ActionLoads* loads) {
    const std::string currency = Utf8(Settings.CurrencyCode);
    // Built as one value and written once.
    auto document = decision::ResultsDocument(record, decision::FiguresOf(run, withWhatIf),
                                              {CodePage(), Settings.LanguageCode, currency, &reasons});
    lifetime::AddLifetimeMember(document, record, currency, loads);
    document["seasonal"] = seasonal::ProjectSeasonsMemberObject(record, loads);
    return document.dump(2, ' ', false, nlohmann::ordered_json::error_handler_t::replace) + "\n";
}

}  // namespace tervalo
