#include "project/paint/page_table.h"

#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>

#include "project/paint/fitted_text.h"

namespace tervalo {

namespace {

// A cell too wide for its column is drawn smaller, down to this part of the table's font, and only then cut.
constexpr double kSmallestCellFont = 0.75;

}  // namespace

double PageTableHeight(const QFontMetricsF& metrics, std::size_t rows) {
    return metrics.height() * 1.15 * static_cast<double>(rows);
}

double PageTableLineHeight(const QPainter& painter) {
    return PageTableHeight(QFontMetricsF(painter.font(), painter.device()), 1);
}

double DrawPageTable(QPainter& painter, double left, double top, double width,
                     const std::vector<PageColumn>& columns, const std::vector<std::vector<QString>>& rows,
                     bool headed) {
    const QFont font = painter.font();
    const QFontMetricsF metrics(font, painter.device());
    QFont smallest = font;
    smallest.setPointSizeF(font.pointSizeF() * kSmallestCellFont);
    const QFontMetricsF smallestMetrics(smallest, painter.device());
    const double line = PageTableLineHeight(painter);
    double y = top;
    for (std::size_t r = 0; r < rows.size(); ++r) {
        double x = left;
        for (std::size_t c = 0; c < rows[r].size() && c < columns.size(); ++c) {
            const double cell = width * columns[c].width;
            const double room = cell - metrics.height() * 0.4;
            QString text = rows[r][c];
            if (metrics.horizontalAdvance(text) > room && smallestMetrics.horizontalAdvance(text) > room)
                // Right-aligned columns end in the figure, which stays.
                text = smallestMetrics.elidedText(text, columns[c].right ? Qt::ElideMiddle : Qt::ElideRight,
                                                  room);
            const double shown = std::min(metrics.horizontalAdvance(text), room);
            const double at = columns[c].right ? x + room - shown : x;
            DrawFittedText(painter, QPointF(at, y + metrics.ascent()), room, text);
            x += cell;
        }
        y += line;
        if (headed && r == 0) {
            painter.drawLine(QPointF(left, y - line * 0.08), QPointF(left + width, y - line * 0.08));
        }
    }
    return y - top;
}

}  // namespace tervalo
