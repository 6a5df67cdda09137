#pragma once

// The optional report page of the lifetime comparison: the results and the inputs used, the chart of
// cumulative cost and CO2, and the cash flows year by year. One drawing for the printer and PDF
// files. Links Qt Gui only.

#include <QRectF>
#include <QString>
#include <string>

#include "localisation/feature_texts.h"
#include "project/lifetime/project_lifetime.h"

class QPainter;

namespace tervalo {

struct LifetimePage {
    lifetime::ProjectLifetime lifetime;
    bool fileDamaged = false;  // Lifetime.dat was damaged: defaults stand in
    FeatureTexts texts;        // the lifetime caption file of the run's language
    std::string currency;      // code-page bytes
    char decimalSeparator = '.';
};

// The page of the project as it stands, with the inputs of Lifetime.dat in the current directory and the
// run's language and currency.
LifetimePage LifetimePageOf(const ProjectRecord& record);

// Draws the page into `page` (the sheet in the painter's coordinates) with fonts of `fontFamily` sized in
// points of the painter's device.
void DrawLifetimePage(QPainter& painter, const QRectF& page, const LifetimePage& content,
                      const QString& fontFamily);

}  // namespace tervalo
