#pragma once

// The optional report pages of the lifetime comparison: the results with their rate basis, the sensitivity
// and the chart of cumulative cost and CO2 on the first sheet; the inputs used and the cash flows year by
// year on the second. One drawing for the printer and PDF files. Links Qt Gui only.

#include <QRectF>
#include <QString>
#include <string>

#include "localisation/feature_texts.h"
#include "project/lifetime/project_lifetime.h"
#include "project/paint/feature_page.h"

class QPainter;

namespace tervalo {

// With the lifetime caption file; fileDamaged: Lifetime.dat was damaged.
struct LifetimePage : FeaturePageOptions {
    lifetime::ProjectLifetime lifetime;
};

inline constexpr int kLifetimeSheets = 2;

// The page of the project as it stands, with the inputs of Lifetime.dat in the current directory and the
// run's language and currency; its calculations take the loads of the action that prints it.
LifetimePage LifetimePageOf(const ProjectRecord& record, ActionLoads* loads = nullptr);

// Draws sheet `sheet` (0 or 1) into `page` (the sheet in the painter's coordinates) with fonts of
// `fontFamily` sized in points of the painter's device. Figures that are not current are dashes, as in the
// panel; the chart and the cash flows are then left out.
void DrawLifetimePage(QPainter& painter, const QRectF& page, const LifetimePage& content,
                      const QString& fontFamily, int sheet = 0);

}  // namespace tervalo
