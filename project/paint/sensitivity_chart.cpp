#include "project/paint/sensitivity_chart.h"

#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <numeric>

#include "localisation/code_page.h"
#include "localisation/decision_texts.h"
#include "project/paint/chart_axis.h"

namespace tervalo {

namespace {

using decision::kSensitivityInputs;
using decision::kSensitivitySteps;

// Lowered inputs in vermilion, raised ones in blue, as in the lifetime chart; the larger the change, the
// paler the shade, so the inner bars (±10 %) stay visible on top of the outer ones.
QColor StepColour(int percent) {
    const QColor full = percent < 0 ? QColor(213, 94, 0) : QColor(0, 114, 178);
    const double pale = (std::abs(percent) - 10) / 30.0;  // 0, 1/3, 2/3
    const auto mix = [pale](int channel) { return static_cast<int>(channel + (255 - channel) * pale); };
    return QColor(mix(full.red()), mix(full.green()), mix(full.blue()));
}

QString Shown(const std::string& text, int codePage) {
    return QString::fromStdString(CodePageToUtf8(text, codePage));
}

std::optional<double> Money(const decision::AnnualSaving& saving) {
    if (!saving.money) return std::nullopt;
    return saving.money->value;
}

// The widest swing first.
std::array<std::size_t, kSensitivityInputs.size()> RowOrder(const decision::Sensitivity& sensitivity,
                                                            double base) {
    std::array<double, kSensitivityInputs.size()> swing{};
    for (std::size_t i = 0; i < swing.size(); ++i)
        for (const auto& saving : sensitivity.rows[i].savings)
            if (const auto money = Money(saving)) swing[i] = std::max(swing[i], std::abs(*money - base));
    std::array<std::size_t, kSensitivityInputs.size()> order;
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(),
                     [&](std::size_t a, std::size_t b) { return swing[a] > swing[b]; });
    return order;
}

}  // namespace

SensitivityChartTexts SensitivityChartTextsOf(const FeatureTexts& texts, const std::string& currencyCode,
                                              char decimalSeparator) {
    using namespace decision_texts;
    SensitivityChartTexts chart;
    chart.title = texts[kSensitivityHeading];
    chart.axis = texts[kAnnualSaving];
    chart.unit = currencyCode + "/a";
    chart.inputs = {texts[kElectricityPrice], texts[kFuelPrice], texts[kHeatingCop], texts[kHeatDemand]};
    chart.change = texts[kChange];
    chart.codePage = texts.codePage();
    chart.decimalSeparator = decimalSeparator;
    return chart;
}

void DrawSensitivityChart(QPainter& painter, const QRectF& area, const decision::Sensitivity& sensitivity,
                          const SensitivityChartTexts& texts) {
    if (area.width() <= 0 || area.height() <= 0) return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const QFontMetricsF metrics(painter.font(), painter.device());
    const double line = metrics.height();
    const double unit = std::min(area.width(), area.height()) / 400;
    painter.setPen(Qt::black);
    painter.drawText(QPointF(area.left(), area.top() + metrics.ascent()), Shown(texts.title, texts.codePage));
    const auto base = Money(sensitivity.base);
    if (!base) {
        painter.restore();
        return;
    }

    // The axis spans every saving and the saving as entered.
    double low = *base, high = *base;
    for (const auto& row : sensitivity.rows)
        for (const auto& saving : row.savings)
            if (const auto money = Money(saving)) {
                low = std::min(low, *money);
                high = std::max(high, *money);
            }
    const double step = NiceStep(high - low, 5);
    low = std::floor(low / step) * step;
    high = std::ceil(high / step) * step;
    if (high <= low) high = low + step;

    double labelWidth = 0;
    for (const std::string& name : texts.inputs)
        labelWidth = std::max(labelWidth, metrics.horizontalAdvance(Shown(name, texts.codePage)));
    labelWidth = std::min(labelWidth, area.width() * 0.4);
    // Title above; axis numbers, the axis title and the legend below.
    const QRectF plot(area.left() + labelWidth + line * 0.6, area.top() + line * 2,
                      area.width() - labelWidth - line * 1.6, area.height() - line * 6.5);
    if (plot.width() <= 0 || plot.height() <= 0) {
        painter.restore();
        return;
    }
    const auto xOf = [&](double value) { return plot.left() + plot.width() * (value - low) / (high - low); };

    // Value lines with their numbers.
    for (double v = low; v <= high + step / 2; v += step) {
        const double x = xOf(v);
        painter.setPen(QPen(QColor(220, 220, 220), unit * 0.5));
        painter.drawLine(QPointF(x, plot.top()), QPointF(x, plot.bottom()));
        painter.setPen(Qt::black);
        const QString label = AxisNumber(v, step, texts.decimalSeparator);
        painter.drawText(
            QPointF(x - metrics.horizontalAdvance(label) / 2, plot.bottom() + line * 0.3 + metrics.ascent()),
            label);
    }
    const QString axisTitle =
        Shown(texts.axis, texts.codePage) + " (" + Shown(texts.unit, texts.codePage) + ")";
    painter.drawText(QPointF(plot.center().x() - metrics.horizontalAdvance(axisTitle) / 2,
                             plot.bottom() + line * 1.4 + metrics.ascent()),
                     axisTitle);

    // One band per input; in it the outer changes first, so the inner ones lie on top.
    const double band = plot.height() / static_cast<double>(kSensitivityInputs.size());
    const auto order = RowOrder(sensitivity, *base);
    for (std::size_t position = 0; position < order.size(); ++position) {
        const std::size_t i = order[position];
        const double top = plot.top() + band * static_cast<double>(position) + band * 0.2;
        const double height = band * 0.6;
        const QString name =
            metrics.elidedText(Shown(texts.inputs[i], texts.codePage), Qt::ElideRight, labelWidth);
        painter.setPen(Qt::black);
        painter.drawText(QPointF(plot.left() - line * 0.3 - metrics.horizontalAdvance(name),
                                 top + height / 2 + metrics.ascent() / 2 - metrics.descent() / 2),
                         name);
        for (const int magnitude : {30, 20, 10})
            for (std::size_t s = 0; s < kSensitivitySteps.size(); ++s) {
                if (std::abs(kSensitivitySteps[s]) != magnitude) continue;
                const auto money = Money(sensitivity.rows[i].savings[s]);
                if (!money) continue;
                const double from = xOf(std::min(*money, *base)), to = xOf(std::max(*money, *base));
                painter.setPen(Qt::NoPen);
                painter.setBrush(StepColour(kSensitivitySteps[s]));
                painter.drawRect(QRectF(from, top, std::max(to - from, unit * 0.5), height));
            }
    }
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Qt::black, unit * 0.5));
    painter.drawRect(plot);
    painter.setPen(QPen(Qt::black, unit * 1.5));
    painter.drawLine(QPointF(xOf(*base), plot.top()), QPointF(xOf(*base), plot.bottom()));

    // Legend: the word for the change, then a swatch for each step.
    double x = plot.left();
    const double y = plot.bottom() + line * 3.2;
    painter.setPen(Qt::black);
    const QString change = Shown(texts.change, texts.codePage) + ":";
    painter.drawText(QPointF(x, y + metrics.ascent()), change);
    x += metrics.horizontalAdvance(change) + line * 0.6;
    for (const int percent : kSensitivitySteps) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(StepColour(percent));
        painter.drawRect(QRectF(x, y + line * 0.15, line * 1.2, line * 0.7));
        painter.setPen(Qt::black);
        const QString label = (percent > 0 ? "+" : "\u2212") + QString::number(std::abs(percent)) + " %";
        painter.drawText(QPointF(x + line * 1.4, y + metrics.ascent()), label);
        x += line * 1.9 + metrics.horizontalAdvance(label);
    }
    painter.restore();
}

}  // namespace tervalo
