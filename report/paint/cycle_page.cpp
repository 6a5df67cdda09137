#include "report/paint/cycle_page.h"

#include <QBuffer>
#include <QFile>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <algorithm>
#include <filesystem>
#include <string_view>

#include "engine/file_access.h"
#include "localisation/code_page.h"
#include "localisation/cycle_texts.h"
#include "project/cycle_view/state_rows.h"
#include "project/cycle_view/trace_rows.h"
#include "project/paint/fitted_text.h"
#include "project/paint/page_table.h"

namespace tervalo {

namespace {

QString Utf8(const std::string& text) {
    return QString::fromStdString(text);
}

QString Text(const FeatureTexts& texts, int item) {
    return QString::fromStdString(CodePageToUtf8(texts[item], texts.codePage()));
}

QFont PageFont(const QString& family, double points, bool bold = false) {
    QFont font(family);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

}  // namespace

void DrawCyclePage(QPainter& painter, const QRectF& page, const CycleView& view,
                   const CycleDiagramTexts& texts, const QString& fontFamily) {
    painter.save();
    painter.setPen(Qt::black);
    const double margin = page.width() * 0.07;
    const QRectF body = page.adjusted(margin, margin * 0.8, -margin, -margin * 0.8);
    const FeatureTexts& t = texts.texts;

    painter.setFont(PageFont(fontFamily, 13, true));
    const QFontMetricsF headingMetrics(painter.font(), painter.device());
    DrawFittedText(painter, QPointF(body.left(), body.top() + headingMetrics.ascent()), body.width(),
                   Text(t, cycle_texts::kTitle));
    double y = body.top() + headingMetrics.height() * 1.5;

    // The diagram across the full width.
    painter.setFont(PageFont(fontFamily, 8));
    const double diagramHeight = body.height() * 0.38;
    DrawCycleDiagram(painter, QRectF(body.left(), y, body.width(), diagramHeight), view, texts);
    y += diagramHeight + headingMetrics.height() * 0.5;

    // State points across the width, the design-point figures below.
    const char separator = texts.decimalSeparator;
    painter.setFont(PageFont(fontFamily, 9, true));
    const QFontMetricsF sub(painter.font(), painter.device());
    DrawFittedText(painter, QPointF(body.left(), y + sub.ascent()), body.width(),
                   Text(t, cycle_texts::kStatePoints));
    y += sub.height() * 1.3;
    painter.setFont(PageFont(fontFamily, 7));
    std::vector<std::vector<QString>> pointRows;
    {
        std::vector<QString> heading;
        for (const std::string& h : StatePointHeadings(t)) heading.push_back(Utf8(h));
        pointRows.push_back(heading);
        for (const StatePointRow& p : StatePointRows(view, t, separator))
            pointRows.push_back({Utf8(p.number), Utf8(p.temperature), Utf8(p.pressure), Utf8(p.enthalpy),
                                 Utf8(p.density), Utf8(p.name)});
    }
    y += DrawPageTable(painter, body.left(), y, body.width(),
                       {{0.07, false}, {0.16, true}, {0.14, true}, {0.16, true}, {0.16, true}, {0.31, false}},
                       pointRows, true);
    y += sub.height() * 0.6;
    painter.setFont(PageFont(fontFamily, 9, true));
    DrawFittedText(painter, QPointF(body.left(), y + sub.ascent()), body.width(),
                   Text(t, cycle_texts::kDesignPoint));
    y += sub.height() * 1.3;
    painter.setFont(PageFont(fontFamily, 7));
    std::vector<std::vector<QString>> figureRows;
    for (const FigureRow& f : FigureRows(view, t, separator))
        figureRows.push_back({Utf8(f.name), Utf8(f.value), Utf8(f.unit)});
    y += DrawPageTable(painter, body.left(), y, body.width() * 0.6,
                       {{0.7, false}, {0.18, true}, {0.12, false}}, figureRows, false);
    y += sub.height() * 0.6;

    // The working.
    painter.setFont(PageFont(fontFamily, 9, true));
    DrawFittedText(painter, QPointF(body.left(), y + sub.ascent()), body.width(),
                   Text(t, cycle_texts::kWorking));
    y += sub.height() * 1.3;
    std::vector<std::vector<QString>> steps = {
        {Text(t, cycle_texts::kQuantity), Text(t, cycle_texts::kFormula), Text(t, cycle_texts::kNumbers),
         Text(t, cycle_texts::kResult), Text(t, cycle_texts::kShown)}};
    for (const TraceRow& row : TraceRows(view.trace, t, separator))
        steps.push_back(
            {Utf8(row.name), Utf8(row.formula), Utf8(row.numbers), Utf8(row.result), Utf8(row.shown)});
    // The working takes the rest of the page; a long one is set smaller.
    painter.setFont(FittedFont(
        PageFont(fontFamily, 6.3), painter.device(), body.bottom() - y,
        [rows = steps.size()](const QFontMetricsF& metrics) { return PageTableHeight(metrics, rows); }));
    DrawPageTable(painter, body.left(), y, body.width(),
                  {{0.27, false}, {0.24, false}, {0.26, false}, {0.13, true}, {0.10, true}}, steps, true);
    painter.restore();
}

bool PrintCyclePdf(const QString& fileName, const CycleView& view, const CycleDiagramTexts& texts,
                   const QString& fontFamily) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter pdf(&buffer);
        pdf.setResolution(600);
        pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()));
        pdf.setTitle(Text(texts.texts, cycle_texts::kTitle));
        QPainter painter;
        if (!painter.begin(&pdf)) return false;
        DrawCyclePage(painter, QRectF(0, 0, pdf.width(), pdf.height()), view, texts, fontFamily);
        if (!painter.end()) return false;
    }
    const QByteArray& bytes = buffer.data();
    return ReplaceFileBytesAt(std::filesystem::path(QFile::encodeName(fileName).toStdString()),
                              std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

}  // namespace tervalo
