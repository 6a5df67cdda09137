#include "project/project_fields.h"

namespace tervalo {

namespace {

// Every result the run writes has one field, the run writes no field twice, and each field's facts agree
// with its kind.
constexpr bool ResultsHaveOneFieldEach() {
    for (int i = 0; i < kResultFieldCount; ++i) {
        int fields = 0;
        for (const ProjectFieldInfo& field : ProjectFields())
            if (field.result == static_cast<ResultField>(i)) ++fields;
        if (fields != 1) return false;
    }
    return true;
}
static_assert(ResultsHaveOneFieldEach());

constexpr bool KindsAndRolesAgree() {
    for (const ProjectFieldInfo& field : ProjectFields()) {
        if ((field.kind == FieldKind::ResultLabel) != (field.role == FieldRole::Result)) return false;
        if ((field.kind == FieldKind::UnitLabel) != (field.role == FieldRole::UnitLabel)) return false;
        if (field.list.has_value() != (field.kind == FieldKind::List)) return false;
        if ((field.kind == FieldKind::PriceBox) != (field.priceBox >= 0)) return false;
        if (field.role == FieldRole::Result && !field.result) return false;
        if (field.needsCop && !field.result) return false;
        // A result says what it follows from and how a run tells it wrote it; nothing else does.
        if (field.result.has_value() != (field.written != nullptr)) return false;
        if (field.result.has_value() != (field.followsFrom != 0)) return false;
        if (field.meaning.empty()) return false;
        for (const ProjectFieldInfo& other : ProjectFields())
            if (&other != &field && other.name == field.name) return false;
    }
    return true;
}
static_assert(KindsAndRolesAgree());

}  // namespace

std::string FixedUnitText(FieldUnit unit, std::string_view currency) {
    switch (unit) {
        case FieldUnit::None:
        case FieldUnit::CurrencyPerFuelUnit:
        case FieldUnit::FuelUnitsPerYear:
            return {};
        case FieldUnit::CurrencyPerKWh:
            return std::string(currency) + "/kWh";
        case FieldUnit::CurrencyPerYear:
            return std::string(currency) + "/a";
        default:
            return std::string(UnitName(unit));
    }
}

std::string_view RoleName(FieldRole role) {
    switch (role) {
        case FieldRole::Typed:
            return "typed";
        case FieldRole::Chosen:
            return "chosen";
        case FieldRole::FilledByRules:
            return "filled by the rules";
        case FieldRole::Result:
            return "result";
        case FieldRole::UnitLabel:
            break;
    }
    return "unit label";
}

std::string FieldGlossary() {
    std::string text = "# NAME\tUNIT\tROLE\tMEANING\n";
    for (const ProjectFieldInfo& field : ProjectFields()) {
        text += field.name;
        text += '\t';
        text += UnitName(field.unit);
        text += '\t';
        text += RoleName(field.role);
        if (field.result && field.role != FieldRole::Result) text += ", written by the calculation";
        if (field.needsCop) text += ", needs the COP";
        text += '\t';
        text += field.meaning;
        text += '\n';
    }
    return text;
}

std::string FieldDisplayText(const ProjectRecord& record, const ProjectFieldInfo& field) {
    if (field.kind == FieldKind::CheckBox) return record.EinbindCheck ? "1" : "0";
    if (field.kind == FieldKind::PriceBox) return record.BK[static_cast<std::size_t>(field.priceBox)];
    return record.*field.text;
}

std::string& EditableText(ProjectRecord& record, const ProjectFieldInfo& field) {
    if (field.kind == FieldKind::PriceBox) return record.BK[static_cast<std::size_t>(field.priceBox)];
    return record.*field.text;
}

}  // namespace tervalo
