#include "report/paint/lifetime_page.h"

#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>
#include <vector>

#include "config/run_settings.h"
#include "localisation/code_page.h"
#include "localisation/languages.h"
#include "localisation/lifetime_texts.h"
#include "project/lifetime/lifetime_file.h"
#include "project/lifetime/lifetime_rows.h"
#include "project/paint/lifetime_chart.h"
#include "project/paint/page_table.h"

namespace tervalo {

namespace {

using namespace lifetime_texts;

QFont PageFont(const QString& family, double points, bool bold = false) {
    QFont font(family);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

// Draws a bold sub-heading at `y` and returns the height it took.
double SubHeading(QPainter& painter, const QString& text, double left, double y, const QString& family) {
    painter.setFont(PageFont(family, 9, true));
    const QFontMetricsF metrics(painter.font(), painter.device());
    painter.drawText(QPointF(left, y + metrics.ascent()), text);
    return metrics.height() * 1.3;
}

}  // namespace

LifetimePage LifetimePageOf(const ProjectRecord& record) {
    LifetimePage page;
    const lifetime::LifetimeFileRead read =
        lifetime::LoadLifetimeInputs(lifetime::DefaultLifetimeInputs(lifetime::CurrentCalendarYear()));
    page.lifetime = lifetime::EvaluateProjectLifetime(record, read.inputs);
    page.fileDamaged = read.damaged;
    page.texts = LoadFeatureTexts(lifetime_texts::kFile, Settings.LanguageCode);
    page.currency = Settings.CurrencyCode;
    page.decimalSeparator = ShownDecimalSeparator(Settings.LanguageCode);
    return page;
}

void DrawLifetimePage(QPainter& painter, const QRectF& page, const LifetimePage& content,
                      const QString& fontFamily) {
    const FeatureTexts& t = content.texts;
    const auto text = [&t](const std::string& bytes) {
        return QString::fromStdString(CodePageToUtf8(bytes, t.codePage()));
    };
    const auto table = [&text](const std::vector<lifetime::LifetimeRow>& rows) {
        std::vector<std::vector<QString>> cells;
        for (const lifetime::LifetimeRow& row : rows)
            cells.push_back({text(row.caption), text(row.value), text(row.unit)});
        return cells;
    };
    painter.save();
    painter.setPen(Qt::black);
    const double margin = page.width() * 0.07;
    const QRectF body = page.adjusted(margin, margin * 0.8, -margin, -margin * 0.8);

    painter.setFont(PageFont(fontFamily, 13, true));
    const QFontMetricsF headingMetrics(painter.font(), painter.device());
    painter.drawText(QPointF(body.left(), body.top() + headingMetrics.ascent()), text(t[kTitle]));
    double y = body.top() + headingMetrics.height() * 1.4;

    // What the figures rest on, when not on a current balance and the saved inputs.
    const lifetime::ProjectLifetime& lifetime = content.lifetime;
    QStringList notes;
    if (content.fileDamaged) notes << text(t[kFileDamaged]);
    if (!lifetime.result)
        notes << text(t[kNeedsCalculation]);
    else if (!lifetime.current)
        notes << text(t[kNotCurrent]);
    painter.setFont(PageFont(fontFamily, 8));
    const QFontMetricsF noteMetrics(painter.font(), painter.device());
    for (const QString& note : notes) {
        painter.drawText(QPointF(body.left(), y + noteMetrics.ascent()), note);
        y += noteMetrics.height() * 1.2;
    }

    // The results, then the inputs they rest on, each a table of caption, figure and unit.
    const lifetime::RowStyle style{t, content.currency, content.decimalSeparator};
    const double tableWidth = body.width() * 0.8;
    const std::vector<PageColumn> rowColumns = {{0.64, false}, {0.16, true}, {0.2, false}};
    if (lifetime.result) {
        y += SubHeading(painter, text(t[kResultsHeading]), body.left(), y, fontFamily);
        painter.setFont(PageFont(fontFamily, 7));
        y += DrawPageTable(painter, body.left(), y, tableWidth, rowColumns,
                           table(lifetime::LifetimeResultRows(*lifetime.result, style)), false);
        y += noteMetrics.height() * 0.5;
    }
    y += SubHeading(painter, text(t[kInputsHeading]), body.left(), y, fontFamily);
    painter.setFont(PageFont(fontFamily, 7));
    const double today = lifetime.first ? lifetime.first->gridFactorToday : 0;
    y += DrawPageTable(painter, body.left(), y, tableWidth, rowColumns,
                       table(lifetime::LifetimeInputRows(lifetime.inputs, today, style)), false);
    y += headingMetrics.height() * 0.5;
    if (!lifetime.result) {
        painter.restore();
        return;
    }

    // The chart across the width.
    painter.setFont(PageFont(fontFamily, 7));
    const double chartHeight = body.height() * 0.22;
    DrawLifetimeChart(painter, QRectF(body.left(), y, body.width(), chartHeight),
                      LifetimeChartDataOf(*lifetime.result),
                      LifetimeChartTextsOf(t, content.currency, content.decimalSeparator));
    y += chartHeight + headingMetrics.height() * 0.5;

    // The cash flows in what is left: the font shrinks with the years of use so that all of them fit.
    const std::vector<std::vector<std::string>> flows = lifetime::CashFlowRows(*lifetime.result, style);
    y += SubHeading(painter, text(t[kCashFlows]), body.left(), y, fontFamily);
    painter.setFont(PageFont(fontFamily, 7));
    const double rowsWanted = static_cast<double>(flows.size());
    const double fit = (body.bottom() - y) / (PageTableLineHeight(painter) * rowsWanted);
    painter.setFont(PageFont(fontFamily, std::clamp(7 * fit, 3.0, 7.0)));
    const std::vector<PageColumn> columns = {{0.10, false}, {0.13, true}, {0.13, true},  {0.13, true},
                                             {0.13, true},  {0.13, true}, {0.125, true}, {0.125, true}};
    // The group headings span their columns up to the next group.
    const double line = PageTableLineHeight(painter);
    const QFontMetricsF metrics(painter.font(), painter.device());
    double x = body.left();
    for (std::size_t c = 0; c < flows[0].size() && c < columns.size(); ++c) {
        if (!flows[0][c].empty()) {
            double span = 0;
            for (std::size_t d = c; d < columns.size() && (d == c || flows[0][d].empty()); ++d)
                span += columns[d].width * body.width();
            const QString group =
                metrics.elidedText(text(flows[0][c]), Qt::ElideRight, span - metrics.height() * 0.4);
            painter.drawText(QPointF(x + (span - metrics.horizontalAdvance(group)) / 2, y + metrics.ascent()),
                             group);
        }
        x += columns[c].width * body.width();
    }
    y += line;
    std::vector<std::vector<QString>> cells;
    for (std::size_t r = 1; r < flows.size(); ++r) {
        std::vector<QString> row;
        for (const std::string& cell : flows[r]) row.push_back(text(cell));
        cells.push_back(std::move(row));
    }
    DrawPageTable(painter, body.left(), y, body.width(), columns, cells, true);
    painter.restore();
}

}  // namespace tervalo
