#include "project/decision/results_csv.h"

#include "project/decision/csv_table.h"
#include "project/decision/field_values.h"

namespace tervalo::decision {

namespace {

std::string Machine(const std::optional<double>& value) {
    return value ? MachineNumber(*value) : std::string();
}

struct NamedFigure {
    const char* name;
    const Figure* figure;
};

std::vector<NamedFigure> Figures(const DecisionRun& run) {
    const BreakEven& b = run.breakEven;
    return {{"break_even.electricity_price", &b.electricityPrice},
            {"break_even.fuel_price", &b.fuelPrice},
            {"break_even.heating_cop_equal_cost", &b.heatingCopEqualCost},
            {"break_even.heating_cop_equal_co2", &b.heatingCopEqualCo2},
            {"break_even.grid_co2_factor", &b.gridCo2Factor},
            {"saving.money", &run.saving.money},
            {"saving.co2", &run.saving.co2}};
}

}  // namespace

std::vector<std::string> ResultsCsvHeader(const ProjectRecord& record, int codePage,
                                          std::string_view currency) {
    std::vector<std::string> cells{"row"};
    for (const FieldValue& field : ProjectFieldValues(record, codePage, currency)) {
        cells.emplace_back(field.name);
        cells.push_back(std::string(field.name) + ".value");
    }
    for (const NamedFigure& figure : Figures(DecisionRun{})) {
        cells.emplace_back(figure.name);
        cells.push_back(std::string(figure.name) + ".value");
    }
    return cells;
}

std::vector<std::string> ResultsCsvRow(int row, const ProjectRecord& record, const DecisionRun& run,
                                       int codePage, std::string_view currency) {
    std::vector<std::string> cells{std::to_string(row)};
    for (const FieldValue& field : ProjectFieldValues(record, codePage, currency)) {
        cells.push_back(field.text);
        cells.push_back(field.isList ? (field.entry ? std::to_string(*field.entry) : std::string())
                                     : Machine(field.value));
    }
    for (const NamedFigure& figure : Figures(run)) {
        const Figure& shown = *figure.figure;
        cells.push_back(shown ? shown->text : std::string());
        cells.push_back(shown ? MachineNumber(shown->value) : std::string());
    }
    return cells;
}

std::string ResultsCsv(const ProjectRecord& record, const DecisionRun& run, int codePage,
                       std::string_view currency) {
    return CsvLine(ResultsCsvHeader(record, codePage, currency)) +
           CsvLine(ResultsCsvRow(1, record, run, codePage, currency));
}

}  // namespace tervalo::decision
