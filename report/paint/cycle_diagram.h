#pragma once

// The pressure-enthalpy diagram of the design point: the refrigerant's saturation dome with a few isotherms,
// pressure on a logarithmic and enthalpy on a linear axis, and the cycle with its numbered state points. One
// drawing for the cycle window, the printed page and the SVG and PNG files. Links Qt Gui only.

#include <QPointF>
#include <QPolygonF>
#include <QRectF>
#include <string>
#include <vector>

#include "localisation/feature_texts.h"
#include "project/cycle_view/cycle_view.h"

class QPainter;

namespace tervalo {

// What the diagram needs besides the view: the cycle caption file's texts, the refrigerant's name and the
// decimal separator of the numbers at the axes.
struct CycleDiagramTexts {
    FeatureTexts texts;  // LoadFeatureTexts(cycle_texts::kFile, code)
    std::string refrigerant;
    char decimalSeparator = '.';
};

// Where the diagram puts (h, p): the plot area and the ranges of its axes.
struct PhScale {
    QRectF plot;
    double hLow = 0, hHigh = 1;   // kJ/kg
    double pLow = 1, pHigh = 10;  // bar
    QPointF Map(const PhPoint& point) const;
};

// The parts of a polyline that lie inside `frame`, each a polyline of its own; a segment that leaves the
// frame ends its part at the frame's edge.
std::vector<QPolygonF> ClipPolyline(const QPolygonF& line, const QRectF& frame);

// The axes' ranges for the view and the plot area inside `area` for the painter's font.
PhScale CycleDiagramScale(QPainter& painter, const QRectF& area, const CycleView& view);

// Draws the diagram into `area` with the painter's font; line widths follow the size of the area. Without a
// dome it draws the message that the table could not be read.
void DrawCycleDiagram(QPainter& painter, const QRectF& area, const CycleView& view,
                      const CycleDiagramTexts& texts);

// Writes the diagram to an SVG file (name ending in .svg, any case) or a PNG image (any other name), 1200 ×
// 900 device units. False when the file could not be written, or is an SVG file and the build has no SVG
// writer (kCycleDiagramSvg). Needs a QGuiApplication. The file is replaced as a whole (see
// ReplaceFileBytesAt).
#ifdef TERVALO_DIAGRAM_SVG
inline constexpr bool kCycleDiagramSvg = true;
#else
inline constexpr bool kCycleDiagramSvg = false;
#endif
bool WriteCycleDiagram(const QString& fileName, const CycleView& view, const CycleDiagramTexts& texts);

// The texts in the run's language, the record's refrigerant and the language's decimal separator.
CycleDiagramTexts CycleDiagramTextsOf(const ProjectRecord& record);

// For a program without windows: the view of the record as computed now, written to `fileName`: the whole
// cycle page for a name ending in .pdf (any case), else the diagram.
bool WriteCycleDiagramFile(const std::string& fileName, const ProjectRecord& record);

}  // namespace tervalo
