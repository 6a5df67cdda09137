#pragma once

// The project's fields as data: each field's text as the window shows it, the number that text shows, the
// list entry it is, and its unit, all in UTF-8, for the outputs that hand results to other programs.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "project/project_record.h"

namespace tervalo::decision {

enum class FieldSection { Input, Derived, Result };

struct FieldValue {
    std::string_view name;  // the control's name
    FieldSection section = FieldSection::Input;
    std::string text;             // as shown, UTF-8
    std::optional<double> value;  // the number the text shows; nothing for an empty text and for lists
    std::optional<int> entry;     // lists: the entry the text is, from 1; nothing when it is none
    bool isList = false;
    bool isCheckBox = false;
    std::string unit;  // UTF-8; empty for lists, the check box and COPs
};

// The number a shown text stands for: the part after the last "=" of a label such as "COP =  3.5", read
// with "," or "." as decimal separator; nothing when that part holds no digit.
std::optional<double> ShownNumber(std::string_view text);

// Every field of the window except the fuel-price panel and the unit labels (which give the units), in
// the window's order. `currency` is the currency code of the run's settings.
std::vector<FieldValue> ProjectFieldValues(const ProjectRecord& record, int codePage,
                                           std::string_view currency);

}  // namespace tervalo::decision
