#include "project/paint/lifetime_chart.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

#include "localisation/code_page.h"
#include "localisation/lifetime_texts.h"
#include "project/paint/chart_axis.h"

namespace tervalo {

namespace {

// Blue and vermilion stay apart for colour-blind readers; the boiler's dashes keep them apart on grey paper.
const QColor kHeatPumpColour(0, 114, 178);
const QColor kBoilerColour(213, 94, 0);
const QColor kGridColour(220, 220, 220);

QString Shown(const std::string& text, int codePage) {
    return QString::fromStdString(CodePageToUtf8(text, codePage));
}

struct Range {
    double low = 0, high = 1;
};

Range ValueRange(const std::vector<double>& a, const std::vector<double>& b) {
    Range range{0, 0};
    for (const std::vector<double>* values : {&a, &b})
        for (const double v : *values)
            if (std::isfinite(v)) {
                range.low = std::min(range.low, v);
                range.high = std::max(range.high, v);
            }
    if (range.high <= range.low) range.high = range.low + 1;
    return range;
}

struct Panel {
    QString title;
    const std::vector<double>* heatPump;
    const std::vector<double>* boiler;
};

void DrawSeries(QPainter& painter, const std::vector<double>& values, const QRectF& plot, int lastYear,
                const Range& range, const QPen& pen) {
    QPainterPath path;
    bool drawing = false;
    for (std::size_t i = 0; i < values.size(); ++i) {
        if (!std::isfinite(values[i])) {
            drawing = false;
            continue;
        }
        const QPointF point(
            plot.left() + plot.width() * static_cast<double>(i) / std::max(lastYear, 1),
            plot.bottom() - plot.height() * (values[i] - range.low) / (range.high - range.low));
        if (drawing)
            path.lineTo(point);
        else
            path.moveTo(point);
        drawing = true;
    }
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(path);
}

void DrawPanel(QPainter& painter, const QRectF& area, const Panel& panel, const LifetimeChartTexts& texts,
               double unit) {
    const QFontMetricsF metrics(painter.font(), painter.device());
    const double line = metrics.height();
    const int lastYear = static_cast<int>(std::max(panel.heatPump->size(), panel.boiler->size())) - 1;
    const Range values = ValueRange(*panel.heatPump, *panel.boiler);
    const double step = NiceStep(values.high - values.low, 5);
    const Range axis{std::floor(values.low / step) * step, std::ceil(values.high / step) * step};

    double labelWidth = 0;
    for (double v = axis.low; v <= axis.high + step / 2; v += step)
        labelWidth =
            std::max(labelWidth, metrics.horizontalAdvance(AxisNumber(v, step, texts.decimalSeparator)));
    // Title above; year marks, the word for year and the legend below.
    const QRectF plot(area.left() + labelWidth + line * 0.6, area.top() + line * 2,
                      area.width() - labelWidth - line * 1.1, area.height() - line * 6);
    if (plot.width() <= 0 || plot.height() <= 0) return;

    painter.setPen(Qt::black);
    painter.drawText(QPointF(area.left(), area.top() + metrics.ascent()), panel.title);

    // Value lines and labels.
    QPen grid(kGridColour, unit * 0.5);
    for (double v = axis.low; v <= axis.high + step / 2; v += step) {
        const double y = plot.bottom() - plot.height() * (v - axis.low) / (axis.high - axis.low);
        painter.setPen(grid);
        painter.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
        painter.setPen(Qt::black);
        const QString label = AxisNumber(v, step, texts.decimalSeparator);
        painter.drawText(QPointF(plot.left() - line * 0.3 - metrics.horizontalAdvance(label),
                                 y + metrics.ascent() / 2 - metrics.descent() / 2),
                         label);
    }
    // Year marks below the plot.
    int yearStep = 1;
    for (const int wider : {2, 5, 10, 20, 50})
        if (lastYear > 10 * yearStep) yearStep = wider;
    for (int year = 0; year <= std::max(lastYear, 0); year += yearStep) {
        const double x = plot.left() + plot.width() * year / std::max(lastYear, 1);
        painter.setPen(QPen(Qt::black, unit * 0.5));
        painter.drawLine(QPointF(x, plot.bottom()), QPointF(x, plot.bottom() + line * 0.25));
        const QString label = QString::number(year);
        painter.drawText(
            QPointF(x - metrics.horizontalAdvance(label) / 2, plot.bottom() + line * 0.3 + metrics.ascent()),
            label);
    }
    const QString yearText = Shown(texts.year, texts.codePage);
    painter.drawText(QPointF(plot.center().x() - metrics.horizontalAdvance(yearText) / 2,
                             plot.bottom() + line * 1.3 + metrics.ascent()),
                     yearText);

    painter.setPen(QPen(Qt::black, unit * 0.5));
    painter.drawRect(plot);

    painter.save();
    painter.setClipRect(plot.adjusted(-unit * 2, -unit * 2, unit * 2, unit * 2));
    QPen boilerPen(kBoilerColour, unit * 2.2, Qt::DashLine, Qt::FlatCap, Qt::RoundJoin);
    DrawSeries(painter, *panel.boiler, plot, lastYear, axis, boilerPen);
    DrawSeries(painter, *panel.heatPump, plot, lastYear, axis,
               QPen(kHeatPumpColour, unit * 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.restore();

    // Legend under the year label: a short stroke in each series' pen and its name.
    double x = plot.left();
    const double y = plot.bottom() + line * 3.1 + metrics.ascent() / 2;
    for (const auto& [name, pen] : {std::pair{texts.heatPump, QPen(kHeatPumpColour, unit * 2.2)},
                                    std::pair{texts.boiler, QPen(kBoilerColour, unit * 2.2, Qt::DashLine)}}) {
        painter.setPen(pen);
        painter.drawLine(QPointF(x, y), QPointF(x + line * 1.8, y));
        painter.setPen(Qt::black);
        const QString shown = Shown(name, texts.codePage);
        painter.drawText(QPointF(x + line * 2.2, y + metrics.ascent() / 2 - metrics.descent() / 2), shown);
        x += line * 3.4 + metrics.horizontalAdvance(shown);
    }
}

QString TitleWithUnit(const std::string& title, const std::string& unit, int codePage) {
    return unit.empty() ? Shown(title, codePage)
                        : Shown(title, codePage) + " (" + Shown(unit, codePage) + ")";
}

}  // namespace

LifetimeChartData LifetimeChartDataOf(const lifetime::LifetimeResult& result) {
    LifetimeChartData data;
    for (const lifetime::YearFigures& y : result.years) {
        data.heatPumpCost.push_back(y.cumulativeHeatPumpCost);
        data.boilerCost.push_back(y.cumulativeBoilerCost);
        data.heatPumpCo2_t.push_back(y.cumulativeHeatPumpCo2_kg / 1000);
        data.boilerCo2_t.push_back(y.cumulativeBoilerCo2_kg / 1000);
    }
    return data;
}

LifetimeChartTexts LifetimeChartTextsOf(const FeatureTexts& texts, const std::string& currencyCode,
                                        char decimalSeparator) {
    using namespace lifetime_texts;
    // Tonnes are "t" in every language, as in the program's " t/a".
    return {texts[kCumulativeCost], texts[kCumulativeCo2], currencyCode,   "t",
            texts[kYear],           texts[kHeatPump],      texts[kBoiler], texts.codePage(),
            decimalSeparator};
}

void DrawLifetimeChart(QPainter& painter, const QRectF& area, const LifetimeChartData& data,
                       const LifetimeChartTexts& texts) {
    if (area.width() <= 0 || area.height() <= 0) return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const double unit = std::min(area.width(), area.height()) / 400;
    const bool sideBySide = area.width() >= area.height() * 1.3;
    const double gap = QFontMetricsF(painter.font(), painter.device()).height() * 1.5;
    const QRectF first = sideBySide
                             ? QRectF(area.left(), area.top(), (area.width() - gap) / 2, area.height())
                             : QRectF(area.left(), area.top(), area.width(), (area.height() - gap) / 2);
    const QRectF second =
        sideBySide ? first.translated(first.width() + gap, 0) : first.translated(0, first.height() + gap);
    DrawPanel(painter, first,
              {TitleWithUnit(texts.costTitle, texts.costUnit, texts.codePage), &data.heatPumpCost,
               &data.boilerCost},
              texts, unit);
    DrawPanel(painter, second,
              {TitleWithUnit(texts.co2Title, texts.co2Unit, texts.codePage), &data.heatPumpCo2_t,
               &data.boilerCo2_t},
              texts, unit);
    painter.restore();
}

}  // namespace tervalo
