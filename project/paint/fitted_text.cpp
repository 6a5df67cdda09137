#include "project/paint/fitted_text.h"

#include <QFontMetricsF>
#include <QPainter>

namespace tervalo {

QFont FittedFont(const QFont& font, const QPaintDevice* device, double room,
                 const std::function<double(const QFontMetricsF&)>& extent) {
    QFont fitted = font;
    if (!(room > 0)) return fitted;
    for (int tries = 0; tries < 5; ++tries) {
        const double measured = extent(QFontMetricsF(fitted, device));
        if (measured <= room) break;
        // A little below the exact ratio, so that most texts fit at the first try.
        fitted.setPointSizeF(fitted.pointSizeF() * room / measured * 0.99);
    }
    return fitted;
}

QFont FittedFont(const QFont& font, const QPaintDevice* device, double width, const QString& text) {
    return FittedFont(font, device, width,
                      [&text](const QFontMetricsF& metrics) { return metrics.horizontalAdvance(text); });
}

void DrawFittedText(QPainter& painter, const QPointF& baseline, double width, const QString& text) {
    const QFont font = painter.font();
    painter.setFont(FittedFont(font, painter.device(), width, text));
    painter.drawText(baseline, text);
    painter.setFont(font);
}

}  // namespace tervalo
