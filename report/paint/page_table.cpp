#include "report/paint/page_table.h"

#include <QFontMetricsF>
#include <QPainter>

namespace tervalo {

double PageTableLineHeight(const QPainter& painter) {
    return QFontMetricsF(painter.font(), painter.device()).height() * 1.15;
}

double DrawPageTable(QPainter& painter, double left, double top, double width,
                     const std::vector<PageColumn>& columns, const std::vector<std::vector<QString>>& rows,
                     bool headed) {
    const QFontMetricsF metrics(painter.font(), painter.device());
    const double line = PageTableLineHeight(painter);
    double y = top;
    for (std::size_t r = 0; r < rows.size(); ++r) {
        double x = left;
        for (std::size_t c = 0; c < rows[r].size() && c < columns.size(); ++c) {
            const double cell = width * columns[c].width;
            const QString text =
                metrics.elidedText(rows[r][c], Qt::ElideRight, cell - metrics.height() * 0.4);
            const double at =
                columns[c].right ? x + cell - metrics.height() * 0.4 - metrics.horizontalAdvance(text) : x;
            painter.drawText(QPointF(at, y + metrics.ascent()), text);
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
