#include "data/tools/eos/table_file.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "data/tools/eos/fluids.h"

namespace tervalo::eos {

namespace {

constexpr double kCelsiusZero = 273.15;       // K
constexpr int kMarginBelowEvaporating = 30;   // K
constexpr double kMarginBelowCritical = 0.5;  // K
constexpr int kSignificantDigits = 9;

std::string FormatFixed(double value, int decimals) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*f", decimals, value);
    std::string text = buffer;
    // "-0.00" and the like would read back as zero anyway; keep the file free of negative zeros.
    if (text.find_first_not_of("-0.") == std::string::npos && text.front() == '-') text.erase(0, 1);
    return text;
}

}  // namespace

const std::vector<TablePlan>& TablePlans() {
    // The lowest evaporating temperatures are those that the program's application limits accept.
    static const std::vector<TablePlan> plans = [] {
        std::vector<TablePlan> planned;
        for (const RefrigerantRow& row : RefrigerantRegistry()) {
            if (row.equationOfState.empty()) continue;
            // A row naming an equation that is not compiled in gets no plan; the generator reports it.
            if (const FluidFunction fluid = FindFluid(row.equationOfState))
                planned.push_back({row.tableFile, fluid, row.limits.tMin, row.layout});
        }
        return planned;
    }();
    return plans;
}

const TablePlan* FindTablePlan(std::string_view fileName) {
    for (const TablePlan& plan : TablePlans())
        if (plan.fileName == fileName) return &plan;
    return nullptr;
}

TableRange TableTemperatureRange(const TablePlan& plan) {
    const FluidData& fluid = plan.fluid();
    const int lowestOfEquation = static_cast<int>(std::ceil(fluid.triplePointTemperature - kCelsiusZero));
    const int highest =
        static_cast<int>(std::floor(fluid.criticalTemperature - kMarginBelowCritical - kCelsiusZero));
    const int first = std::max(plan.lowestEvaporatingTemperature - kMarginBelowEvaporating, lowestOfEquation);
    return {first, highest};
}

std::optional<std::vector<SaturationPoint>> TableRecords(const TablePlan& plan) {
    const FluidData& fluid = plan.fluid();
    // A fluid whose critical point lies below 0 °C keeps the reference state of its published equation.
    double shift = 0;
    if (fluid.criticalTemperature > kIirTemperature) {
        const std::optional<double> iir = IirEnthalpyShift(fluid);
        if (!iir) return std::nullopt;
        shift = *iir;
    }
    const TableRange range = TableTemperatureRange(plan);
    std::vector<SaturationPoint> records;
    for (int celsius = range.firstCelsius; celsius <= range.lastCelsius; ++celsius) {
        std::optional<SaturationPoint> point = Saturation(fluid, celsius + kCelsiusZero);
        if (!point) return std::nullopt;
        point->hLiquid += shift;
        point->hVapour += shift;
        records.push_back(*point);
    }
    return records;
}

std::string FormatSignificant(double value, int significantDigits) {
    if (value == 0 || !std::isfinite(value)) return FormatFixed(value, significantDigits - 1);
    const int magnitude = static_cast<int>(std::floor(std::log10(std::abs(value))));
    const int decimals = std::max(0, significantDigits - 1 - magnitude);
    const std::string text = FormatFixed(value, decimals);
    // Rounding may carry into a new leading digit (99.99... to 100.0...): one decimal fewer then.
    if (decimals > 0 && std::abs(std::strtod(text.c_str(), nullptr)) >= std::pow(10.0, magnitude + 1))
        return FormatFixed(value, decimals - 1);
    return text;
}

std::string EncodeTable(const std::vector<SaturationPoint>& records, const StoredLayout& layout) {
    std::string bytes;
    int number = 0;
    for (const SaturationPoint& record : records) {
        ++number;
        const double temperature = layout.celsius ? record.temperature - kCelsiusZero : record.temperature;
        const double enthalpySign = layout.negatedEnthalpies ? -1 : 1;
        const double liquidSign =
            number <= layout.negatedLiquidEnthalpyRecords ? -enthalpySign : enthalpySign;
        const auto density = [&](double rho) { return layout.specificVolumes ? 1000 / rho : rho; };
        const std::string fields[] = {
            FormatFixed(temperature, 2),
            FormatSignificant(record.pDew, kSignificantDigits),
            FormatSignificant(record.pBubble, kSignificantDigits),
            FormatSignificant(liquidSign * record.hLiquid, kSignificantDigits),
            FormatSignificant(enthalpySign * record.hVapour, kSignificantDigits),
            FormatSignificant(density(record.rhoLiquid), kSignificantDigits),
            FormatSignificant(density(record.rhoVapour), kSignificantDigits),
        };
        for (std::size_t i = 0; i < std::size(fields); ++i) {
            if (i > 0) bytes += ',';
            bytes += fields[i];
        }
        bytes += "\r\n";
    }
    return bytes;
}

}  // namespace tervalo::eos
