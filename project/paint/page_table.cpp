#include "project/paint/page_table.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QStringList>
#include <algorithm>

#include "project/paint/fitted_text.h"

namespace tervalo {

namespace {

// A cell too wide for its column is drawn smaller, down to this part of the table's font, and only then cut.
constexpr double kSmallestCellFont = 0.75;

// `text` broken at blanks into lines no wider than `room` where its words allow, at most `most` (the last
// takes the rest).
QStringList WrappedHeading(const QString& text, const QFontMetricsF& metrics, double room, int most) {
    QStringList lines;
    for (const QString& word : text.split(' ', Qt::SkipEmptyParts)) {
        const QString longer = lines.isEmpty() ? word : lines.back() + ' ' + word;
        if (lines.isEmpty() || (metrics.horizontalAdvance(longer) > room && lines.size() < most))
            lines << word;
        else
            lines.back() = longer;
    }
    return lines;
}

}  // namespace

double PageTableHeight(const QFontMetricsF& metrics, std::size_t rows) {
    return metrics.height() * 1.15 * static_cast<double>(rows);
}

double PageTableLineHeight(const QPainter& painter) {
    return PageTableHeight(QFontMetricsF(painter.font(), painter.device()), 1);
}

double DrawPageTable(QPainter& painter, double left, double top, double width,
                     const std::vector<PageColumn>& columns, const std::vector<std::vector<QString>>& rows,
                     bool headed, int headingLines) {
    const QFont font = painter.font();
    const QFontMetricsF metrics(font, painter.device());
    QFont smallest = font;
    smallest.setPointSizeF(font.pointSizeF() * kSmallestCellFont);
    const QFontMetricsF smallestMetrics(smallest, painter.device());
    const double line = PageTableLineHeight(painter);
    double y = top;
    for (std::size_t r = 0; r < rows.size(); ++r) {
        // A heading too wide for its cell even in the smaller font takes more lines rather than an ellipsis:
        // a cut column heading leaves the figures below it unnamed.
        const bool heading = headed && r == 0;
        std::vector<QStringList> cellLines;
        int lines = 1;
        for (std::size_t c = 0; c < rows[r].size() && c < columns.size(); ++c) {
            const double room = width * columns[c].width - metrics.height() * 0.4;
            QStringList split;
            if (heading && headingLines > 1 && smallestMetrics.horizontalAdvance(rows[r][c]) > room)
                split = WrappedHeading(rows[r][c], metrics, room, headingLines);
            cellLines.push_back(split.isEmpty() ? QStringList{rows[r][c]} : split);
            lines = std::max(lines, static_cast<int>(cellLines.back().size()));
        }
        double x = left;
        for (std::size_t c = 0; c < cellLines.size(); ++c) {
            const double cell = width * columns[c].width;
            const double room = cell - metrics.height() * 0.4;
            for (qsizetype l = 0; l < cellLines[c].size(); ++l) {
                QString text = cellLines[c][l];
                if (metrics.horizontalAdvance(text) > room && smallestMetrics.horizontalAdvance(text) > room)
                    // Right-aligned columns end in the figure, which stays.
                    text = smallestMetrics.elidedText(
                        text, columns[c].right ? Qt::ElideMiddle : Qt::ElideRight, room);
                const double shown = std::min(metrics.horizontalAdvance(text), room);
                const double at = columns[c].right ? x + room - shown : x;
                DrawFittedText(painter, QPointF(at, y + line * static_cast<double>(l) + metrics.ascent()),
                               room, text);
            }
            x += cell;
        }
        y += line * lines;
        if (heading) painter.drawLine(QPointF(left, y - line * 0.08), QPointF(left + width, y - line * 0.08));
    }
    return y - top;
}

}  // namespace tervalo
