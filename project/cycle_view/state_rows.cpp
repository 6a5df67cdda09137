#include "project/cycle_view/state_rows.h"

#include <cmath>
#include <cstdio>

#include "localisation/code_page.h"
#include "localisation/cycle_texts.h"

namespace tervalo {

namespace {

std::string Utf8(const FeatureTexts& texts, int item) {
    return CodePageToUtf8(texts[item], texts.codePage());
}

constexpr int kPointNames[kStatePointCount] = {cycle_texts::kEvaporatorOutlet, cycle_texts::kCompressorInlet,
                                               cycle_texts::kCompressorOutlet, cycle_texts::kCondenserOutlet,
                                               cycle_texts::kEvaporatorInlet};

std::string Optional(const std::optional<double>& value, int decimals, char separator) {
    return value && std::isfinite(*value) ? FixedNumber(*value, decimals, separator) : std::string();
}

}  // namespace

std::string FixedNumber(double value, int decimals, char separator) {
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    std::string result = text;
    if (result.find_first_not_of("-0.") == std::string::npos && result.front() == '-') result.erase(0, 1);
    for (char& c : result)
        if (c == '.') c = separator;
    return result;
}

std::vector<std::string> StatePointHeadings(const FeatureTexts& texts) {
    return {Utf8(texts, cycle_texts::kPoint),
            Utf8(texts, cycle_texts::kTemperature) + ", °C",
            Utf8(texts, cycle_texts::kPressure) + ", bar",
            Utf8(texts, cycle_texts::kEnthalpyColumn) + ", kJ/kg",
            Utf8(texts, cycle_texts::kDensity) + ", kg/m³",
            ""};
}

std::vector<StatePointRow> StatePointRows(const CycleView& view, const FeatureTexts& texts, char separator) {
    std::vector<StatePointRow> rows;
    for (const CycleStatePoint& point : view.points) {
        const int index = static_cast<int>(point.point);
        rows.push_back({std::to_string(index + 1), FixedNumber(point.t, 1, separator),
                        FixedNumber(point.ph.p, 3, separator), FixedNumber(point.ph.h, 1, separator),
                        Optional(point.density, 2, separator), Utf8(texts, kPointNames[index])});
    }
    return rows;
}

std::vector<FigureRow> FigureRows(const CycleView& view, const FeatureTexts& texts, char separator) {
    using namespace cycle_texts;
    const auto row = [&](int item, const std::optional<double>& value, int decimals, const char* unit) {
        return FigureRow{Utf8(texts, item), Optional(value, decimals, separator), unit};
    };
    return {row(kCapacity, view.capacity, 1, "kW"),
            row(kMassFlow, view.massFlow, 4, "kg/s"),
            row(kCompressorPower, view.compressorPower, 3, "kW"),
            row(kRefrigerationCop, view.refrigerationCop, 3, ""),
            row(kHeatingCop, view.heatingCop, 3, ""),
            row(kDischargeTemperature, view.dischargeTemperature, 1, "°C"),
            row(kCarnotCop, view.carnotCop, 3, ""),
            row(kCarnotRatio, view.carnotRatio, 3, "")};
}

}  // namespace tervalo
