#pragma once

// The record's fields by the names of the window's controls, in the order the calculator prints them.

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "project/project_record.h"

namespace tervalo {

enum class FieldKind {
    Text,         // a text box: typed, Enter acts
    List,         // a list field: an entry is chosen
    CheckBox,     // EinbindCheck
    PriceBox,     // BK50 to BK53 on the fuel-price panel
    UnitLabel,    // written by the heating-type rule
    ResultLabel,  // written by the calculation run
};

struct ProjectFieldInfo {
    std::string_view name;
    FieldKind kind;
    std::string ProjectRecord::*text = nullptr;  // the text fields, lists and labels
    std::optional<ProjectList> list;             // the lists
    int priceBox = -1;                           // 0 to 3 for BK50 to BK53
};

std::span<const ProjectFieldInfo> ProjectFields();
const ProjectFieldInfo* FindProjectField(std::string_view name);

// The text the window shows for the field ("0" or "1" for the check box).
std::string FieldDisplayText(const ProjectRecord& record, const ProjectFieldInfo& field);
// The text box, list field or price box that the user types into.
std::string& EditableText(ProjectRecord& record, const ProjectFieldInfo& field);

}  // namespace tervalo
