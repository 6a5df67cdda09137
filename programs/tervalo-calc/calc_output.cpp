#include "programs/tervalo-calc/calc_output.h"

#include <algorithm>

#include "project/input_edits.h"
#include "project/project_fields.h"
#include "project/result_reason_text.h"

namespace tervalo {

std::string EscapeLineValue(std::string_view text) {
    std::string escaped;
    escaped.reserve(text.size());
    for (const char c : text) {
        switch (c) {
            case '\\':
                escaped += "\\\\";
                break;
            case '\r':
                escaped += "\\r";
                break;
            case '\n':
                escaped += "\\n";
                break;
            case '\0':
                escaped += "\\0";
                break;
            default:
                escaped += c;
        }
    }
    return escaped;
}

std::vector<std::string> ProjectWarnings(const ProjectRecord& record, const FeatureTexts& texts) {
    std::vector<std::string> warnings;
    for (int i = 0; i < kResultFieldCount; ++i) {
        const auto field = static_cast<ResultField>(i);
        const std::string& text = record.*ResultText(field);
        const StaleReason reason = ResultMark(record, field);
        if (reason == StaleReason::Current || reason == StaleReason::NoCalculation) continue;
        const std::string_view name = FieldOf(field).name;
        const std::string why = StaleReasonText(record, reason, texts);
        warnings.push_back(std::string(name) + (text.empty() ? " is empty: " : " is not current: ") +
                           (why.empty() ? "not computed by the last calculation" : why));
    }
    for (const ProjectFieldInfo& field : ProjectFields()) {
        if (!field.list || !field.text) continue;
        const std::string& text = record.*field.text;
        const auto& entries = record.lists[static_cast<std::size_t>(*field.list)];
        if (text.empty() || entries.empty() ||
            std::find(entries.begin(), entries.end(), text) != entries.end())
            continue;
        warnings.push_back(std::string(field.name) + " text matches no entry of its list: " + text);
    }
    return warnings;
}

}  // namespace tervalo
