#pragma once

// Texts drawn no larger than the room they have. Links Qt Gui only.

#include <QFont>
#include <QPointF>
#include <QString>
#include <functional>

class QFontMetricsF;
class QPainter;
class QPaintDevice;

namespace tervalo {

// `font`, or a smaller size of it where `extent` (a width or height measured in a font) exceeds `room` on
// `device`. Font engines round sizes, so the smaller size is measured again until it fits.
QFont FittedFont(const QFont& font, const QPaintDevice* device, double room,
                 const std::function<double(const QFontMetricsF&)>& extent);

// The same for the width of one text.
QFont FittedFont(const QFont& font, const QPaintDevice* device, double width, const QString& text);

// Draws `text` with its baseline starting at `baseline` in the painter's font, made smaller where it would be
// wider than `width`. The painter's font is left as it was.
void DrawFittedText(QPainter& painter, const QPointF& baseline, double width, const QString& text);

}  // namespace tervalo
