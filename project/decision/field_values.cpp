#include "project/decision/field_values.h"

#include <algorithm>
#include <cctype>

#include "localisation/code_page.h"
#include "project/field_numbers.h"
#include "project/project_fields.h"
#include "project/project_lists.h"

namespace tervalo::decision {

namespace {

// The unit in UTF-8: fixed, the currency's, or the heating type's unit label.
std::string UnitOf(const ProjectRecord& record, const ProjectFieldInfo& field, int codePage,
                   std::string_view currency) {
    if (field.unit == FieldUnit::CurrencyPerFuelUnit) return CodePageToUtf8(record.BrennStKeinh, codePage);
    if (field.unit == FieldUnit::FuelUnitsPerYear) return CodePageToUtf8(record.BrennstVUnit, codePage);
    return FixedUnitText(field.unit, currency);
}

std::optional<int> EntryOf(const ProjectRecord& record, ProjectList list, const std::string& text) {
    const auto& filled = record.lists[static_cast<std::size_t>(list)];
    const std::vector<std::string> entries = filled.empty() ? ListEntries(list) : filled;
    const auto at = std::find(entries.begin(), entries.end(), text);
    if (at == entries.end()) return std::nullopt;
    return static_cast<int>(at - entries.begin()) + 1;
}

}  // namespace

std::optional<double> ShownNumber(std::string_view text) {
    if (const auto equals = text.rfind('='); equals != std::string_view::npos) text.remove_prefix(equals + 1);
    if (std::none_of(text.begin(), text.end(),
                     [](char c) { return std::isdigit(static_cast<unsigned char>(c)); }))
        return std::nullopt;
    return FieldNumber(std::string(text));
}

std::vector<FieldValue> ProjectFieldValues(const ProjectRecord& record, int codePage,
                                           std::string_view currency) {
    std::vector<FieldValue> values;
    for (const ProjectFieldInfo& field : ProjectFields()) {
        if (field.kind == FieldKind::PriceBox || field.kind == FieldKind::UnitLabel) continue;
        FieldValue value;
        value.name = field.name;
        const std::string shown = FieldDisplayText(record, field);
        value.text = CodePageToUtf8(shown, codePage);
        switch (field.kind) {
            case FieldKind::List:
                value.isList = true;
                value.entry = EntryOf(record, *field.list, shown);
                break;
            case FieldKind::CheckBox:
                value.isCheckBox = true;
                value.value = record.EinbindCheck ? 1 : 0;
                break;
            case FieldKind::Text:
                value.section = field.role == FieldRole::Typed ? FieldSection::Input : FieldSection::Derived;
                value.value = ShownNumber(shown);
                break;
            default:
                value.section = FieldSection::Result;
                value.value = ShownNumber(shown);
                break;
        }
        value.unit = UnitOf(record, field, codePage, currency);
        values.push_back(std::move(value));
    }
    return values;
}

}  // namespace tervalo::decision
