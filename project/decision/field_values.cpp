#include "project/decision/field_values.h"

#include <algorithm>
#include <cctype>

#include "localisation/code_page.h"
#include "project/field_numbers.h"
#include "project/project_fields.h"
#include "project/project_lists.h"

namespace tervalo::decision {

namespace {

bool IsTypedInput(std::string_view name) {
    return name == "WohnFL" || name == "BrennK" || name == "EnergKost";
}

// Units in UTF-8 of the fields that have a fixed one.
std::string FixedUnit(std::string_view name, std::string_view currency) {
    if (name == "WohnFL") return "m\u00B2";
    if (name == "SpezHeizLeist") return "kWh/(m\u00B2\u00B7a)";
    if (name == "GesHBDGeB" || name == "GesHBDHeiz" || name == "GesEnergWP") return "kWh/a";
    if (name == "WirkGKessel" || name == "BereitStV") return "%";
    if (name == "t0" || name == "Tc" || name == "pn32") return "\u00B0C";
    if (name == "EnergKost") return std::string(currency) + "/kWh";
    if (name == "Label27" || name == "BetrKo") return std::string(currency) + "/a";
    if (name == "Label38" || name == "co2consum") return "t/a";
    return {};
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
                value.section = IsTypedInput(field.name) ? FieldSection::Input : FieldSection::Derived;
                value.value = ShownNumber(shown);
                break;
            default:
                value.section = FieldSection::Result;
                value.value = ShownNumber(shown);
                break;
        }
        value.unit = FixedUnit(field.name, currency);
        if (field.name == "BrennK") value.unit = CodePageToUtf8(record.BrennStKeinh, codePage);
        if (field.name == "BrennStV") value.unit = CodePageToUtf8(record.BrennstVUnit, codePage);
        values.push_back(std::move(value));
    }
    return values;
}

}  // namespace tervalo::decision
