#pragma once

// The optional report page of the decision: the annual saving and the break-even figures, the table of heat
// sources by distributions and the sensitivity chart, for the project as the window shows it. One drawing for
// the printer and PDF files. Links Qt Gui only.

#include <QRectF>
#include <QString>
#include <string>

#include "localisation/feature_texts.h"
#include "project/decision/decision_run.h"
#include "project/project_record.h"

class QPainter;

namespace tervalo {

struct DecisionPage {
    ProjectRecord record;         // as shown: its choices and units
    decision::DecisionRun run;    // with the table and the sensitivity
    FeatureTexts texts;           // the decision caption file's
    std::string currency;         // currency code, code-page bytes
    char decimalSeparator = '.';  // of the numbers on the page: the language's
};

// The page of the record: its figures evaluated on copies of it, its numbers in the language's separator.
// Its calculations take the loads of the action that prints it.
DecisionPage DecisionPageOf(const ProjectRecord& record, const FeatureTexts& texts,
                            const std::string& currency, ActionLoads* loads = nullptr);

// Draws the page into `page` (the sheet in the painter's coordinates) with fonts of `fontFamily` sized in
// points of the painter's device.
void DrawDecisionPage(QPainter& painter, const QRectF& page, const DecisionPage& decision,
                      const QString& fontFamily);

}  // namespace tervalo
