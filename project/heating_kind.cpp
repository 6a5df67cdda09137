#include "project/heating_kind.h"

#include "localisation/language_tables.h"
#include "project/list_match.h"

namespace tervalo {

HeatingKind HeatingKindOf(std::string_view heizArtText) {
    for (int kind = 1; kind <= 4; ++kind)
        if (EntryMatches(heizArtText, HeatCaption(kHeatingKindItems[kind - 1])))
            return static_cast<HeatingKind>(kind);
    return HeatingKind::None;
}

double FuelConstants(HeatingKind kind, int selector, double electricityCo2Factor) {
    // Calorific values: heating oil EL 10.5 kWh/l, natural gas 9.85 kWh/m³, solid fuel 5.6 kWh/kg;
    // CO2 of their combustion per fuel unit.
    struct Fuel {
        double calorificValue;
        double co2;
    };
    Fuel fuel{0, 0};
    switch (kind) {
        case HeatingKind::LiquidFuel:
            fuel = {10.5, 2.66};
            break;
        case HeatingKind::GasFuel:
            fuel = {9.85, 2.02};
            break;
        case HeatingKind::SolidFuel:
            fuel = {5.6, 0.2};
            break;
        case HeatingKind::Electricity:
            fuel = {1, electricityCo2Factor};
            break;
        case HeatingKind::None:
            break;
    }
    if (selector == kCalorificValue) return fuel.calorificValue;
    if (selector == kCo2Factor) return fuel.co2;
    return 0;
}

}  // namespace tervalo
