#pragma once

// The project window's marks on results the last calculation did not write: such a result is shown greyed,
// its tooltip says why, and one line below the sections names the reason of the first of them.

#include <QLabel>
#include <functional>
#include <string_view>

#include "localisation/feature_texts.h"
#include "project/project_record.h"

namespace tervalo {

// The line below the sections, hidden while every shown result is current.
QLabel* CreateStaleResultsLine(QWidget* parent);

// Greys or restores each result widget (found by its control name through `widgetOf`) and fills the line.
void ShowResultMarks(const ProjectRecord& record, const FeatureTexts& texts,
                     const std::function<QWidget*(std::string_view)>& widgetOf, QLabel* line);

}  // namespace tervalo
