#include "project/ui/result_marks_view.h"

#include <algorithm>

#include "project/input_edits.h"
#include "project/project_fields.h"
#include "project/result_reason_text.h"
#include "widgets/window_text.h"

namespace tervalo {

QLabel* CreateStaleResultsLine(QWidget* parent) {
    auto* line = new QLabel(parent);
    line->setObjectName(QStringLiteral("StaleResults"));
    line->setWordWrap(true);
    line->setStyleSheet(QStringLiteral("color: #8a4b00;"));
    line->hide();
    return line;
}

void ShowResultMarks(const ProjectRecord& record, const FeatureTexts& texts,
                     const std::function<QWidget*(std::string_view)>& widgetOf, QLabel* line) {
    for (int i = 0; i < kResultFieldCount; ++i) {
        const auto field = static_cast<ResultField>(i);
        QWidget* widget = widgetOf(FieldOf(field).name);
        if (!widget) continue;
        const bool stale = !ResultCurrent(record, field) && !(record.*ResultText(field)).empty();
        // Greyed as a disabled widget looks, while it keeps taking the focus and showing its text.
        widget->setStyleSheet(stale ? QStringLiteral("color: palette(mid);") : QString());
        widget->setToolTip(stale ? DisplayNumbers(StaleReasonText(record, ResultMark(record, field), texts))
                                 : QString());
    }
    const std::string text = StaleResultsLine(record, texts);
    line->setText(DisplayNumbers(text));
    line->setVisible(!text.empty());
}

}  // namespace tervalo
