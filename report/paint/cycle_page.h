#pragma once

// The optional report page of the cycle: the pressure-enthalpy diagram, the state points and figures beside
// it and the calculation step by step below. One drawing for the printer and PDF files. Links Qt Gui only.

#include <QRectF>
#include <QString>

#include "project/cycle_view/cycle_view.h"
#include "report/paint/cycle_diagram.h"

class QPainter;
class QPagedPaintDevice;

namespace tervalo {

// Draws the page into `page` (the sheet in the painter's coordinates) with fonts of `fontFamily` sized in
// points of the painter's device.
void DrawCyclePage(QPainter& painter, const QRectF& page, const CycleView& view,
                   const CycleDiagramTexts& texts, const QString& fontFamily);

// Writes the page as a one-sheet A4 PDF file, replaced as a whole. Needs a QGuiApplication.
bool PrintCyclePdf(const QString& fileName, const CycleView& view, const CycleDiagramTexts& texts,
                   const QString& fontFamily);

}  // namespace tervalo
