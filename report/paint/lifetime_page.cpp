#include "report/paint/lifetime_page.h"

#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>
#include <vector>

#include "localisation/code_page.h"
#include "localisation/lifetime_texts.h"
#include "project/lifetime/lifetime_file.h"
#include "project/lifetime/lifetime_rows.h"
#include "project/paint/lifetime_chart.h"
#include "project/paint/page_table.h"

namespace tervalo {

namespace {

using namespace lifetime_texts;

constexpr const char* kNoFigure = "-";

// Draws a bold sub-heading at `y` and returns the height it took.
double SubHeading(QPainter& painter, const QString& text, double left, double y, const QString& family) {
    painter.setFont(PageFont(family, 9, true));
    const QFontMetricsF metrics(painter.font(), painter.device());
    painter.drawText(QPointF(left, y + metrics.ascent()), text);
    return metrics.height() * 1.3;
}

// Draws a table whose first row holds group headings spanning their columns up to the next group, then the
// other rows headed; returns the height used.
double DrawGroupedTable(QPainter& painter, double left, double y, double width,
                        const std::vector<PageColumn>& columns,
                        const std::vector<std::vector<QString>>& rows) {
    const double line = PageTableLineHeight(painter);
    const QFontMetricsF metrics(painter.font(), painter.device());
    double x = left;
    for (std::size_t c = 0; c < rows[0].size() && c < columns.size(); ++c) {
        if (!rows[0][c].isEmpty()) {
            double span = 0;
            for (std::size_t d = c; d < columns.size() && (d == c || rows[0][d].isEmpty()); ++d)
                span += columns[d].width * width;
            const QString group =
                metrics.elidedText(rows[0][c], Qt::ElideRight, span - metrics.height() * 0.4);
            painter.drawText(QPointF(x + (span - metrics.horizontalAdvance(group)) / 2, y + metrics.ascent()),
                             group);
        }
        x += columns[c].width * width;
    }
    const std::vector<std::vector<QString>> rest(rows.begin() + 1, rows.end());
    return line + DrawPageTable(painter, left, y + line, width, columns, rest, true);
}

}  // namespace

LifetimePage LifetimePageOf(const ProjectRecord& record) {
    const lifetime::LifetimeFileRead read =
        lifetime::LoadLifetimeInputs(lifetime::DefaultLifetimeInputs(lifetime::CurrentCalendarYear()));
    return {FeaturePageOptionsOf(lifetime_texts::kFile, read.damaged),
            lifetime::EvaluateProjectLifetime(record, read.inputs)};
}

void DrawLifetimePage(QPainter& painter, const QRectF& page, const LifetimePage& content,
                      const QString& fontFamily, int sheet) {
    const FeatureTexts& t = content.texts;
    const auto text = [&t](const std::string& bytes) {
        return QString::fromStdString(CodePageToUtf8(bytes, t.codePage()));
    };
    const lifetime::ProjectLifetime& lifetime = content.lifetime;
    // Figures of a balance other than the window's are dashes, as the panel shows them.
    const bool shown = lifetime.result && lifetime.current;
    const auto table = [&](const std::vector<lifetime::LifetimeRow>& rows, bool figures) {
        std::vector<std::vector<QString>> cells;
        for (const lifetime::LifetimeRow& row : rows) {
            const bool heading = row.value.empty() && row.unit.empty();
            cells.push_back({text(row.caption), figures || heading ? text(row.value) : QString(kNoFigure),
                             figures ? text(row.unit) : QString()});
        }
        return cells;
    };
    painter.save();
    painter.setPen(Qt::black);
    const QRectF body = PageBody(page);
    double y = body.top() + DrawPageTitle(painter, body, text(t[kTitle]), fontFamily);

    // What the figures rest on, when not on a current balance and the saved inputs.
    QStringList notes;
    if (content.fileDamaged) notes << text(t[kFileDamaged]);
    if (!lifetime.result)
        notes << text(t[kNeedsCalculation]);
    else if (!lifetime.current)
        notes << text(t[kNotCurrent]);
    notes << text(lifetime::RateBasisText(lifetime.inputs, t));
    painter.setFont(PageFont(fontFamily, 8));
    const QFontMetricsF noteMetrics(painter.font(), painter.device());
    for (const QString& note : notes) {
        const QRectF box(body.left(), y, body.width(), body.height());
        const QRectF used = painter.boundingRect(box, Qt::TextWordWrap, note);
        painter.drawText(box, Qt::TextWordWrap, note);
        y += used.height() + noteMetrics.height() * 0.2;
    }
    y += noteMetrics.height() * 0.3;

    const lifetime::RowStyle style{t, content.currency, content.decimalSeparator};
    const double tableWidth = body.width() * 0.8;
    const std::vector<PageColumn> rowColumns = {{0.64, false}, {0.16, true}, {0.2, false}};
    if (sheet == 1) {
        // The inputs, then the cash flows in what is left: the font shrinks with the years of use so that all
        // of them fit.
        y += SubHeading(painter, text(t[kInputsHeading]), body.left(), y, fontFamily);
        painter.setFont(PageFont(fontFamily, 7));
        const double today = lifetime.first ? lifetime.first->gridFactorToday : 0;
        y += DrawPageTable(painter, body.left(), y, tableWidth, rowColumns,
                           table(lifetime::LifetimeInputRows(lifetime.inputs, today, style), true), false);
        y += noteMetrics.height();
        if (!shown) {
            painter.restore();
            return;
        }
        const std::vector<std::vector<std::string>> flows = lifetime::CashFlowRows(*lifetime.result, style);
        y += SubHeading(painter, text(t[kCashFlows]), body.left(), y, fontFamily);
        painter.setFont(PageFont(fontFamily, 7));
        const double fit =
            (body.bottom() - y) / (PageTableLineHeight(painter) * static_cast<double>(flows.size()));
        painter.setFont(PageFont(fontFamily, std::clamp(7 * fit, 3.0, 7.0)));
        std::vector<std::vector<QString>> cells;
        for (const std::vector<std::string>& row : flows) {
            std::vector<QString> cellRow;
            for (const std::string& cell : row) cellRow.push_back(text(cell));
            cells.push_back(std::move(cellRow));
        }
        DrawGroupedTable(painter, body.left(), y, body.width(),
                         {{0.10, false},
                          {0.13, true},
                          {0.13, true},
                          {0.13, true},
                          {0.13, true},
                          {0.13, true},
                          {0.125, true},
                          {0.125, true}},
                         cells);
        painter.restore();
        return;
    }

    // The results and their sensitivity, then the chart across the width.
    y += SubHeading(painter, text(t[kResultsHeading]), body.left(), y, fontFamily);
    painter.setFont(PageFont(fontFamily, 7));
    lifetime::LifetimeResult none;
    none.sensitivity.resize(3);
    const lifetime::LifetimeResult& result = lifetime.result ? *lifetime.result : none;
    y += DrawPageTable(painter, body.left(), y, tableWidth, rowColumns,
                       table(lifetime::LifetimeResultRows(result, style), shown), false);
    y += noteMetrics.height() * 0.5;

    y += SubHeading(painter, text(t[kSensitivity]), body.left(), y, fontFamily);
    painter.setFont(PageFont(fontFamily, 7));
    const std::vector<std::vector<std::string>> sensitivity = lifetime::SensitivityRows(result, style);
    std::vector<std::vector<QString>> cells;
    for (const std::vector<std::string>& row : sensitivity) {
        std::vector<QString> cellRow;
        for (std::size_t c = 0; c < row.size(); ++c)
            cellRow.push_back(shown || c < 2 || cells.empty() ? text(row[c]) : QString(kNoFigure));
        cells.push_back(std::move(cellRow));
    }
    y += DrawPageTable(painter, body.left(), y, tableWidth,
                       {{0.4, false}, {0.16, true}, {0.22, true}, {0.22, true}}, cells, true, 3);
    y += noteMetrics.height();
    if (shown && body.bottom() - y > body.height() * 0.15) {
        painter.setFont(PageFont(fontFamily, 7));
        DrawLifetimeChart(
            painter, QRectF(body.left(), y, body.width(), std::min(body.bottom() - y, body.height() * 0.3)),
            LifetimeChartDataOf(*lifetime.result),
            LifetimeChartTextsOf(t, content.currency, content.decimalSeparator));
    }
    painter.restore();
}

}  // namespace tervalo
