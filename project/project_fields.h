#pragma once

// The record's fields by the names of the window's controls, in the order the calculator prints them, with
// everything the program knows about each: its kind of control, who fills it, its unit, whether it needs the
// cycle's COP, what it means, and for a result which inputs it follows from and how a run's result tells
// that the run wrote it. The results' facts come from their list (result_fields.h). The lists of fields
// elsewhere (units, typed and derived inputs, the results a run writes, their record texts, marks, JSON and
// CSV columns) are drawn from this table, and a name looked up at compile time that is not in it stops the
// build.

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>

#include "localisation/result_captions_texts.h"
#include "project/project_record.h"
#include "project/result_fields.h"

namespace tervalo {

enum class FieldKind {
    Text,         // a text box: typed, Enter acts
    List,         // a list field: an entry is chosen
    CheckBox,     // EinbindCheck
    PriceBox,     // BK50 to BK53 on the fuel-price panel
    UnitLabel,    // written by the heating-type rule
    ResultLabel,  // written by the calculation run
};

// Who fills a field.
enum class FieldRole {
    Typed,          // the user types it
    Chosen,         // the user chooses an entry or ticks the box
    FilledByRules,  // a rule fills it from other inputs; the user may type over it
    Result,         // the calculation run writes it
    UnitLabel,      // the heating-type rule writes it beside another field
};

// The unit a field's number is in. The currency and the fuel's units are the run's.
enum class FieldUnit {
    None,
    SquareMetre,
    KWhPerSquareMetreYear,
    KWhPerYear,
    Percent,
    Celsius,
    CurrencyPerKWh,
    CurrencyPerYear,
    TonnesPerYear,
    CurrencyPerFuelUnit,  // the heating type's price unit (BrennStKeinh)
    FuelUnitsPerYear,     // the heating type's quantity unit (BrennstVUnit)
};

// The groups of inputs a result follows from (bits): a typed change of an input marks every result that
// follows from one of the input's groups (input_edits.cpp).
namespace inputs {
inline constexpr unsigned Cycle = 1;      // the design point: location, heat source, distribution, t0, Tc
inline constexpr unsigned Demand = 2;     // the building's heat demand
inline constexpr unsigned FuelSide = 4;   // the existing heating: fuel, boiler, stand-by losses
inline constexpr unsigned FuelPrice = 8;  // BrennK
inline constexpr unsigned ElectricityPrice = 16;  // EnergKost
inline constexpr unsigned Integration = 32;       // EinbindCheck
}  // namespace inputs

struct ProjectFieldInfo {
    std::string_view name;
    FieldKind kind;
    std::string ProjectRecord::*text = nullptr;  // the text fields, lists and labels
    std::optional<ProjectList> list = {};        // the lists
    int priceBox = -1;                           // 0 to 3 for BK50 to BK53
    FieldRole role = FieldRole::Typed;
    FieldUnit unit = FieldUnit::None;
    std::optional<ResultField> result;  // the run writes this field (results, and inputs it fills)
    bool needsCop = false;              // the run writes it only once the cycle's COP is formed
    std::string_view meaning;           // in words, with the unit
    unsigned followsFrom = 0;           // of a result: the groups of inputs (inputs::) it follows from
    bool (*written)(const CalculationResult&) = nullptr;  // of a result: whether that run wrote its text
    int caption = 0;  // of a result the window's layout does not place: its item of ResultCaptions
};

namespace field_table {

using R = ProjectRecord;
using K = FieldKind;
using L = ProjectList;
using O = FieldRole;
using U = FieldUnit;
using F = ResultField;

using Written = bool (*)(const CalculationResult&);
using S = BalanceStep;
using namespace inputs;

// The tests of whether a run wrote a result (the `written` column of result_fields.h).
// Written by the balance's step.
template <BalanceStep step>
bool Wrote(const CalculationResult& run) {
    return run.balance.wrote(step);
}
// Written by the design point.
template <bool DesignPointResult::*written>
bool DesignPointWrote(const CalculationResult& run) {
    return run.designPoint.*written;
}
// First written as a provisional figure from the compressor power (result_currency.cpp), then from the
// electricity.
inline bool RunningCostWrote(const CalculationResult& run) {
    return run.balance.wrote(S::ProvisionalRunningCost) || run.balance.wrote(S::RunningCost);
}

constexpr ProjectFieldInfo Typed(std::string_view name, std::string R::*text, U unit,
                                 std::string_view meaning) {
    return {name, K::Text, text, {}, -1, O::Typed, unit, {}, false, meaning};
}
constexpr ProjectFieldInfo Filled(std::string_view name, std::string R::*text, U unit,
                                  std::string_view meaning) {
    return {name, K::Text, text, {}, -1, O::FilledByRules, unit, {}, false, meaning};
}
constexpr ProjectFieldInfo Chosen(std::string_view name, std::string R::*text, L list,
                                  std::string_view meaning) {
    return {name, K::List, text, list, -1, O::Chosen, U::None, {}, false, meaning};
}
constexpr ProjectFieldInfo Unit(std::string_view name, std::string R::*text, std::string_view meaning) {
    return {name, K::UnitLabel, text, {}, -1, O::UnitLabel, U::None, {}, false, meaning};
}
constexpr ProjectFieldInfo Price(std::string_view name, int box, std::string_view meaning) {
    return {name, K::PriceBox, nullptr, std::nullopt, box, O::Typed, U::CurrencyPerFuelUnit,
            {},   false,       meaning};
}
// A result, from its line of result_fields.h: a label, or a text box when the rules fill it too.
constexpr ProjectFieldInfo ResultEntry(std::string_view name, std::string R::*text, O role, U unit, F result,
                                       bool needsCop, unsigned followsFrom, Written written, int caption,
                                       std::string_view meaning) {
    return {.name = name,
            .kind = role == O::Result ? K::ResultLabel : K::Text,
            .text = text,
            .role = role,
            .unit = unit,
            .result = result,
            .needsCop = needsCop,
            .meaning = meaning,
            .followsFrom = followsFrom,
            .written = written,
            .caption = caption};
}

// Every result's entry, in the order of ResultField.
inline constexpr std::array<ProjectFieldInfo, kResultFieldCount> kResultEntries = {
#define TERVALO_RESULT_ENTRY(name, role, unit, needsCop, followsFrom, written, caption, meaning) \
    ResultEntry(#name, &R::name, O::role, U::unit, F::name, needsCop, followsFrom, written, caption, meaning),
    TERVALO_RESULT_FIELDS(TERVALO_RESULT_ENTRY)
#undef TERVALO_RESULT_ENTRY
};
// A result where it stands among the fields.
constexpr ProjectFieldInfo Placed(F result) {
    return kResultEntries.at(static_cast<std::size_t>(result));
}

// The fields in the order the calculator prints them. A result not placed here follows them (kFields).
inline constexpr ProjectFieldInfo kPlacedFields[] = {
    Typed("WohnFL", &R::WohnFL, U::SquareMetre, "heated living area, m\u00B2"),
    Chosen("HausTyp", &R::HausTyp, L::HausTyp, "house type (building age class)"),
    Chosen("Klimazone", &R::Klimazone, L::Klimazone, "climate zone"),
    Chosen("AmbientT", &R::AmbientT, L::AmbientT, "ambient level of the location"),
    Filled("SpezHeizLeist", &R::SpezHeizLeist, U::KWhPerSquareMetreYear,
           "specific annual heat demand, kWh/(m\u00B2\u00B7a)"),
    Placed(F::GesHBDGeB),
    Chosen("HeizArt", &R::HeizArt, L::HeizArt, "heating type of the existing heating (its fuel)"),
    Chosen("KesselWirk", &R::KesselWirk, L::KesselWirk, "boiler type"),
    Filled("WirkGKessel", &R::WirkGKessel, U::Percent, "annual efficiency of the boiler, %"),
    Chosen("Bereitstell", &R::Bereitstell, L::Bereitstell, "stand-by situation of the boiler"),
    Filled("BereitStV", &R::BereitStV, U::Percent, "stand-by and distribution losses, %"),
    Typed("BrennK", &R::BrennK, U::CurrencyPerFuelUnit, "fuel price per fuel unit"),
    Placed(F::BrennStV),
    Placed(F::GesHBDHeiz),
    Chosen("AnwendBereich", &R::AnwendBereich, L::AnwendBereich,
           "application range: the heat pump's heat source"),
    Chosen("VFlsize", &R::VFlsize, L::VFlsize, "heat-distribution type with its supply temperature"),
    Filled("t0", &R::t0, U::Celsius, "evaporating temperature of the design point, \u00B0C"),
    Filled("Tc", &R::Tc, U::Celsius, "condensing temperature of the design point, \u00B0C"),
    Typed("EnergKost", &R::EnergKost, U::CurrencyPerKWh, "electricity price per kWh"),
    ProjectFieldInfo{"EinbindCheck",
                     K::CheckBox,
                     nullptr,
                     {},
                     -1,
                     O::Chosen,
                     U::None,
                     {},
                     false,
                     "heat pump integrated into the existing system (stand-by losses apply), 0 or 1"},
    Placed(F::GesEnergWP),
    Chosen("Leitungsdimension", &R::Leitungsdimension, L::Leitungsdimension,
           "pipe dimension (saved with the project, enters no calculation)"),
    Chosen("Verdichterbauart", &R::Verdichterbauart, L::Verdichterbauart,
           "compressor type (saved with the project, enters no calculation)"),
    Chosen("WartungI", &R::WartungI, L::WartungI,
           "maintenance interval (saved with the project, enters no calculation)"),
    Chosen("Tempbereich", &R::Tempbereich, L::Tempbereich, "temperature range (a list that stays empty)"),
    Unit("BrennStKeinh", &R::BrennStKeinh, "price unit beside the fuel price BrennK"),
    Unit("BrennstVUnit", &R::BrennstVUnit, "quantity unit beside the annual fuel quantity BrennStV"),
    Unit("Label21", &R::Label21, "caption of the annual fuel quantity, by heating type"),
    Unit("Label39", &R::Label39, "caption of the annual fuel energy, by heating type"),
    Placed(F::pn32),
    Placed(F::LeistZahlK),
    Placed(F::LeistZahlH),
    Placed(F::LeistZ),
    Placed(F::Label27),
    Placed(F::Label38),
    Placed(F::BetrKo),
    Placed(F::co2consum),
    Price("BK50", 0, "default price of heating oil (fuel-price panel)"),
    Price("BK51", 1, "default price of natural gas (fuel-price panel)"),
    Price("BK52", 2, "default price of wood pellets (fuel-price panel)"),
    Price("BK53", 3, "default price of electricity for heating (fuel-price panel)"),
};

constexpr bool IsPlaced(F result) {
    for (const ProjectFieldInfo& field : kPlacedFields)
        if (field.result == result) return true;
    return false;
}
constexpr std::size_t UnplacedCount() {
    std::size_t count = 0;
    for (const ProjectFieldInfo& result : kResultEntries) count += !IsPlaced(*result.result);
    return count;
}

// The placed fields, then the results not placed in the order of ResultField.
inline constexpr std::array<ProjectFieldInfo, std::size(kPlacedFields) + UnplacedCount()> kFields = [] {
    std::array<ProjectFieldInfo, std::size(kPlacedFields) + UnplacedCount()> fields{};
    std::size_t count = 0;
    for (const ProjectFieldInfo& field : kPlacedFields) fields.at(count++) = field;
    for (const ProjectFieldInfo& result : kResultEntries)
        if (!IsPlaced(*result.result)) fields.at(count++) = result;
    return fields;
}();

}  // namespace field_table

constexpr std::span<const ProjectFieldInfo> ProjectFields() {
    return field_table::kFields;
}

// The field of that name, or nullptr.
constexpr const ProjectFieldInfo* FindProjectField(std::string_view name) {
    for (const ProjectFieldInfo& field : ProjectFields())
        if (field.name == name) return &field;
    return nullptr;
}

// The field of a name known when the program is built: a name not in the table stops the build.
consteval const ProjectFieldInfo& Field(std::string_view name) {
    const ProjectFieldInfo* field = FindProjectField(name);
    if (!field) throw std::logic_error("no field of that name");
    return *field;
}

// The field the run writes as `result`.
constexpr const ProjectFieldInfo& FieldOf(ResultField result) {
    for (const ProjectFieldInfo& field : ProjectFields())
        if (field.result == result) return field;
    throw std::logic_error("a result without field");
}

// The results a run writes, in the order of ResultField.
inline constexpr std::array<ResultField, kResultFieldCount> kResultFields = {
#define TERVALO_RESULT_VALUE(name, ...) ResultField::name,
    TERVALO_RESULT_FIELDS(TERVALO_RESULT_VALUE)
#undef TERVALO_RESULT_VALUE
};

// The results that follow from any of `groups` (inputs::), one bit per ResultField.
constexpr std::uint32_t ResultsFollowingFrom(unsigned groups) {
    std::uint32_t results = 0;
    for (const ProjectFieldInfo& field : ProjectFields())
        if (field.result && (field.followsFrom & groups))
            results |= std::uint32_t{1} << static_cast<int>(*field.result);
    return results;
}

// The unit in UTF-8 where it is fixed or follows the currency; empty for none and for the fuel's units,
// which the heating-type rule writes into the unit labels.
std::string FixedUnitText(FieldUnit unit, std::string_view currency);
// The unit as the glossary names it, in UTF-8 ("kWh/a", "currency/a", "fuel units/a", "-" for none).
constexpr std::string_view UnitName(FieldUnit unit) {
    switch (unit) {
        case FieldUnit::None:
            return "-";
        case FieldUnit::SquareMetre:
            return "m\u00B2";
        case FieldUnit::KWhPerSquareMetreYear:
            return "kWh/(m\u00B2\u00B7a)";
        case FieldUnit::KWhPerYear:
            return "kWh/a";
        case FieldUnit::Percent:
            return "%";
        case FieldUnit::Celsius:
            return "\u00B0C";
        case FieldUnit::CurrencyPerKWh:
            return "currency/kWh";
        case FieldUnit::CurrencyPerYear:
            return "currency/a";
        case FieldUnit::TonnesPerYear:
            return "t/a";
        case FieldUnit::CurrencyPerFuelUnit:
            return "currency/fuel unit";
        case FieldUnit::FuelUnitsPerYear:
            break;
    }
    return "fuel units/a";
}
std::string_view RoleName(FieldRole role);

// The glossary of the fields for --fields: per field its name, unit, role and meaning, in UTF-8.
std::string FieldGlossary();

// The text the window shows for the field ("0" or "1" for the check box).
std::string FieldDisplayText(const ProjectRecord& record, const ProjectFieldInfo& field);
// The text box, list field or price box that the user types into.
std::string& EditableText(ProjectRecord& record, const ProjectFieldInfo& field);

}  // namespace tervalo
