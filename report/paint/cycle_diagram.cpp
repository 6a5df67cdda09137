#include "report/paint/cycle_diagram.h"

#include <QBuffer>
#include <QFile>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#ifdef TERVALO_DIAGRAM_SVG
#include <QSvgGenerator>
#endif
#include <algorithm>
#include <cmath>
#include <filesystem>
#include <string_view>
#include <vector>

#include "config/run_settings.h"
#include "engine/file_access.h"
#include "localisation/code_page.h"
#include "localisation/cycle_texts.h"
#include "localisation/languages.h"
#include "project/paint/chart_axis.h"
#include "project/paint/fitted_text.h"
#include "report/paint/cycle_page.h"
#include "report/paint/gui_application.h"

namespace tervalo {

namespace {

// Blue, bluish green and vermilion stay apart for colour-blind readers.
const QColor kBubbleColour(0, 114, 178);
const QColor kDewColour(0, 158, 115);
const QColor kCycleColour(213, 94, 0);
const QColor kIsothermColour(150, 150, 150);
const QColor kGridColour(225, 225, 225);

QString Shown(const FeatureTexts& texts, int item) {
    return QString::fromStdString(CodePageToUtf8(texts[item], texts.codePage()));
}

QString Number(double value, int decimals, char separator) {
    QString text = QString::number(value, 'f', decimals);
    return text.replace('.', QChar(separator));
}

// The 1-2-5 value at or below (down) or at or above (up) a positive value.
double Round125(double value, bool up) {
    const double power = std::pow(10.0, std::floor(std::log10(value)));
    const double steps[] = {1, 2, 5, 10};
    if (up) {
        for (const double s : steps)
            if (s * power >= value * (1 - 1e-12)) return s * power;
        return 10 * power;
    }
    double result = power;
    for (const double s : steps)
        if (s * power <= value * (1 + 1e-12)) result = s * power;
    return result;
}

int DecimalsOf(double value) {
    int decimals = 0;
    for (double scaled = value; decimals < 4 && std::abs(scaled - std::round(scaled)) > 1e-9; scaled *= 10)
        ++decimals;
    return decimals;
}

// The cycle in drawing order: 1, 2, 3, the condensing pressure's dew point, 4, 5 and back to 1.
std::vector<PhPoint> CyclePath(const CycleView& view) {
    std::vector<PhPoint> path;
    if (view.points.size() != static_cast<std::size_t>(kStatePointCount)) return path;
    for (int i = 0; i < kStatePointCount; ++i) {
        path.push_back(view.points[static_cast<std::size_t>(i)].ph);
        if (view.points[static_cast<std::size_t>(i)].point == StatePoint::Discharge &&
            view.condenserDew.h < view.points[static_cast<std::size_t>(i)].ph.h)
            path.push_back(view.condenserDew);
    }
    path.push_back(view.points.front().ph);
    return path;
}

// Every curve is cut to the plot frame before it is drawn: the SVG generator keeps no clip.
void DrawPolyline(QPainter& painter, const PhScale& scale, const std::vector<PhPoint>& points,
                  const QPen& pen) {
    if (points.size() < 2) return;
    QPolygonF mapped;
    for (const PhPoint& point : points) mapped << scale.Map(point);
    QPainterPath path;
    for (const QPolygonF& part : ClipPolyline(mapped, scale.plot)) path.addPolygon(part);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(path);
}

void DrawAxes(QPainter& painter, const PhScale& scale, const CycleDiagramTexts& texts, double unit) {
    const QFontMetricsF metrics(painter.font(), painter.device());
    const QRectF& plot = scale.plot;
    const char separator = texts.decimalSeparator;
    // Pressure: a line at every 1 to 9 of a decade, labels at 1, 2 and 5.
    for (double decade = std::pow(10.0, std::floor(std::log10(scale.pLow))); decade <= scale.pHigh;
         decade *= 10) {
        for (int m = 1; m <= 9; ++m) {
            const double p = m * decade;
            if (p < scale.pLow * (1 - 1e-9) || p > scale.pHigh * (1 + 1e-9)) continue;
            const double y = scale.Map({scale.hLow, p}).y();
            const bool labelled = m == 1 || m == 2 || m == 5;
            painter.setPen(QPen(labelled ? kGridColour.darker(115) : kGridColour, unit * 0.5));
            painter.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
            if (!labelled) continue;
            const QString label = Number(p, DecimalsOf(p), separator);
            painter.setPen(Qt::black);
            painter.drawText(QPointF(plot.left() - metrics.height() * 0.3 - metrics.horizontalAdvance(label),
                                     y + metrics.ascent() / 2 - metrics.descent() / 2),
                             label);
        }
    }
    // Enthalpy: lines and labels at a round step.
    const double step = NiceStep(scale.hHigh - scale.hLow, 8);
    for (double h = std::ceil(scale.hLow / step) * step; h <= scale.hHigh + step * 1e-9; h += step) {
        const double x = scale.Map({h, scale.pLow}).x();
        painter.setPen(QPen(kGridColour, unit * 0.5));
        painter.drawLine(QPointF(x, plot.top()), QPointF(x, plot.bottom()));
        const QString label = Number(h, DecimalsOf(step), separator);
        painter.setPen(Qt::black);
        painter.drawText(QPointF(x - metrics.horizontalAdvance(label) / 2,
                                 plot.bottom() + metrics.height() * 0.2 + metrics.ascent()),
                         label);
    }
    painter.setPen(QPen(Qt::black, unit * 0.8));
    painter.drawRect(plot);

    const QString hTitle = Shown(texts.texts, cycle_texts::kEnthalpy) + QStringLiteral(" h, kJ/kg");
    painter.drawText(QPointF(plot.center().x() - metrics.horizontalAdvance(hTitle) / 2,
                             plot.bottom() + metrics.height() * 1.3 + metrics.ascent()),
                     hTitle);
    const QString pTitle = Shown(texts.texts, cycle_texts::kPressure) + QStringLiteral(" p, bar");
    painter.save();
    painter.translate(plot.left() - metrics.height() * 2.6,
                      plot.center().y() + metrics.horizontalAdvance(pTitle) / 2);
    painter.rotate(-90);
    painter.drawText(QPointF(0, 0), pTitle);
    painter.restore();
}

void DrawIsotherms(QPainter& painter, const PhScale& scale, const CycleView& view,
                   const CycleDiagramTexts& texts, double unit) {
    // Those whose saturation pressures lie on the chart, at most six.
    std::vector<Isotherm> shown;
    for (const Isotherm& line : view.isotherms)
        if (line.dew.p >= scale.pLow && line.bubble.p <= scale.pHigh) shown.push_back(line);
    if (shown.size() > 6) {
        std::vector<Isotherm> thinned;
        for (std::size_t i = shown.size() % 2 ? 0 : 1; i < shown.size(); i += 2) thinned.push_back(shown[i]);
        shown = std::move(thinned);
    }
    const QFontMetricsF metrics(painter.font(), painter.device());
    for (const Isotherm& line : shown) {
        // Steep in the liquid, across the dome, then the vapour part the model gives (or nothing beyond the
        // dew line).
        std::vector<PhPoint> points = {{line.bubble.h, scale.pHigh}, line.bubble, line.dew};
        points.insert(points.end(), line.vapour.begin(), line.vapour.end());
        DrawPolyline(painter, scale, points, QPen(kIsothermColour, unit * 0.6, Qt::DashLine));
        const QString label = Number(line.t, 0, texts.decimalSeparator) + QStringLiteral(" °C");
        const QPointF at = scale.Map(line.dew);
        // Inside the dome, just left of the dew line, where the cycle's numbers do not stand; a label that
        // would leave the frame is left out.
        const double width = metrics.horizontalAdvance(label);
        const QPointF baseline(at.x() - width - unit * 4, at.y() - unit * 3);
        if (!scale.plot.contains(
                QRectF(baseline.x(), baseline.y() - metrics.ascent(), width, metrics.height())))
            continue;
        painter.setPen(kIsothermColour.darker(140));
        painter.drawText(baseline, label);
    }
}

void DrawCycle(QPainter& painter, const PhScale& scale, const CycleView& view, double unit) {
    const std::vector<PhPoint> path = CyclePath(view);
    if (path.empty()) return;
    DrawPolyline(painter, scale, path,
                 QPen(kCycleColour, unit * 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));

    const QFontMetricsF metrics(painter.font(), painter.device());
    // Each number stands away from the cycle: 1 and 2 below right, 3 above right, 4 above left, 5 below left.
    const QPointF offsets[kStatePointCount] = {
        {0.4, 1.0}, {0.6, 1.0}, {0.6, -0.4}, {-1.2, -0.4}, {-1.2, 1.0}};
    const double radius = unit * 3.5;
    for (std::size_t i = 0; i < view.points.size(); ++i) {
        const QPointF at = scale.Map(view.points[i].ph);
        painter.setPen(QPen(Qt::black, unit * 0.6));
        painter.setBrush(Qt::white);
        painter.drawEllipse(at, radius, radius);
        painter.setBrush(Qt::NoBrush);
        const QString number = QString::number(i + 1);
        painter.setPen(Qt::black);
        painter.drawText(
            QPointF(at.x() + offsets[i].x() * metrics.height(), at.y() + offsets[i].y() * metrics.height()),
            number);
    }
}

void DrawLegend(QPainter& painter, const QRectF& area, const PhScale& scale, const CycleDiagramTexts& texts,
                double unit, bool withCycle) {
    std::vector<std::pair<int, QPen>> entries = {{cycle_texts::kBubbleLine, QPen(kBubbleColour, unit * 1.6)},
                                                 {cycle_texts::kDewLine, QPen(kDewColour, unit * 1.6)}};
    if (withCycle) entries.push_back({cycle_texts::kDesignCycle, QPen(kCycleColour, unit * 2.2)});
    // One row below the plot; long names make its font smaller.
    const auto rowWidth = [&entries, &texts](const QFontMetricsF& metrics) {
        double width = 0;
        for (const auto& entry : entries)
            width += metrics.height() * 3.2 + metrics.horizontalAdvance(Shown(texts.texts, entry.first));
        return width;
    };
    const QFont font = painter.font();
    const QFont legendFont = FittedFont(font, painter.device(), area.right() - scale.plot.left(), rowWidth);
    painter.setFont(legendFont);
    const QFontMetricsF metrics(legendFont, painter.device());
    double x = scale.plot.left();
    const double y = area.bottom() - QFontMetricsF(font, painter.device()).height() * 0.6;
    for (const auto& [item, pen] : entries) {
        painter.setPen(pen);
        painter.drawLine(QPointF(x, y), QPointF(x + metrics.height() * 1.6, y));
        painter.setPen(Qt::black);
        const QString name = Shown(texts.texts, item);
        painter.drawText(QPointF(x + metrics.height() * 2, y + metrics.ascent() / 2 - metrics.descent() / 2),
                         name);
        x += metrics.height() * 3.2 + metrics.horizontalAdvance(name);
    }
    painter.setFont(font);
}

}  // namespace

std::vector<QPolygonF> ClipPolyline(const QPolygonF& line, const QRectF& frame) {
    std::vector<QPolygonF> parts;
    QPolygonF current;
    const auto close = [&] {
        if (current.size() >= 2) parts.push_back(current);
        current.clear();
    };
    for (qsizetype i = 1; i < line.size(); ++i) {
        // Liang-Barsky: the parameters of the segment a + u (b − a) at which it enters and leaves the frame.
        const QPointF a = line[i - 1], b = line[i];
        const double dx = b.x() - a.x(), dy = b.y() - a.y();
        double enter = 0, leave = 1;
        bool visible = true;
        const double p[4] = {-dx, dx, -dy, dy};
        const double q[4] = {a.x() - frame.left(), frame.right() - a.x(), a.y() - frame.top(),
                             frame.bottom() - a.y()};
        for (int k = 0; k < 4 && visible; ++k) {
            if (p[k] == 0) {
                visible = q[k] >= 0;
            } else if (const double u = q[k] / p[k]; p[k] < 0) {
                enter = std::max(enter, u);
            } else {
                leave = std::min(leave, u);
            }
        }
        if (!visible || enter > leave || !std::isfinite(enter) || !std::isfinite(leave)) {
            close();
            continue;
        }
        const QPointF from = a + (b - a) * enter, to = a + (b - a) * leave;
        if (current.isEmpty() || enter > 0) {
            close();
            current << from;
        }
        current << to;
        if (leave < 1) close();
    }
    close();
    return parts;
}

QPointF PhScale::Map(const PhPoint& point) const {
    const double x = plot.left() + plot.width() * (point.h - hLow) / (hHigh - hLow);
    const double y = plot.bottom() - plot.height() * std::log(point.p / pLow) / std::log(pHigh / pLow);
    return {x, y};
}

PhScale CycleDiagramScale(QPainter& painter, const QRectF& area, const CycleView& view) {
    PhScale scale;
    const QFontMetricsF metrics(painter.font(), painter.device());
    const double line = metrics.height();
    // Title above; enthalpy labels, axis title and legend below; pressure labels and axis title to the left.
    const double left = metrics.horizontalAdvance(QStringLiteral("0,05")) + line * 3.2;
    scale.plot = QRectF(area.left() + left, area.top() + line * 2, area.width() - left - line * 1.2,
                        area.height() - line * 6.2);

    double pMin = INFINITY, pMax = 0;
    for (const DomeSample& s : view.dome)
        for (const PhPoint& p : {s.bubble, s.dew}) {
            pMin = std::min(pMin, p.p);
            pMax = std::max(pMax, p.p);
        }
    if (!(pMax > 0) || !std::isfinite(pMin)) return scale;
    // Three decades below the top, or down to a third of the cycle's lowest pressure.
    double wantedLow = pMax / 1000;
    if (!view.points.empty()) {
        wantedLow = INFINITY;
        for (const CycleStatePoint& point : view.points)
            if (point.ph.p > 0) wantedLow = std::min(wantedLow, point.ph.p / 3);
    }
    scale.pLow = Round125(std::max(pMin, wantedLow), false);
    scale.pHigh = Round125(pMax * 1.5, true);

    double hMin = INFINITY, hMax = -INFINITY;
    for (const DomeSample& s : view.dome) {
        if (s.bubble.p >= scale.pLow) hMin = std::min(hMin, s.bubble.h);
        hMax = std::max(hMax, s.dew.h);
    }
    for (const CycleStatePoint& point : view.points) {
        hMin = std::min(hMin, point.ph.h);
        hMax = std::max(hMax, point.ph.h);
    }
    if (!std::isfinite(hMin) || !(hMax > hMin)) return scale;
    const double span = hMax - hMin;
    const double step = NiceStep(span * 1.2, 8);
    scale.hLow = std::floor((hMin - span * 0.05) / step) * step;
    scale.hHigh = std::ceil((hMax + span * 0.12) / step) * step;
    return scale;
}

void DrawCycleDiagram(QPainter& painter, const QRectF& area, const CycleView& view,
                      const CycleDiagramTexts& texts) {
    if (area.width() <= 0 || area.height() <= 0) return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const double unit = std::min(area.width(), area.height()) / 400;
    const QFontMetricsF metrics(painter.font(), painter.device());
    painter.setPen(Qt::black);
    QString title = Shown(texts.texts, cycle_texts::kDiagramTitle);
    if (!texts.refrigerant.empty())
        title += QStringLiteral(" – ") + QString::fromStdString(texts.refrigerant);
    const QFont font = painter.font();
    QFont bold = font;
    bold.setBold(true);
    painter.setFont(bold);
    DrawFittedText(painter, QPointF(area.left(), area.top() + metrics.ascent()), area.width(), title);
    painter.setFont(font);

    if (view.dome.empty()) {
        painter.drawText(QPointF(area.left(), area.top() + metrics.height() * 2.5),
                         Shown(texts.texts, cycle_texts::kNoTable));
        painter.restore();
        return;
    }
    const PhScale scale = CycleDiagramScale(painter, area, view);
    if (scale.plot.width() <= 0 || scale.plot.height() <= 0) {
        painter.restore();
        return;
    }
    DrawAxes(painter, scale, texts, unit);

    painter.save();
    painter.setClipRect(scale.plot);
    DrawIsotherms(painter, scale, view, texts, unit);
    std::vector<PhPoint> bubble, dew;
    for (const DomeSample& s : view.dome) {
        bubble.push_back(s.bubble);
        dew.push_back(s.dew);
    }
    DrawPolyline(painter, scale, bubble, QPen(kBubbleColour, unit * 1.6));
    DrawPolyline(painter, scale, dew, QPen(kDewColour, unit * 1.6));
    // The dome closes at the table's last temperature.
    DrawPolyline(painter, scale, {bubble.back(), dew.back()}, QPen(kBubbleColour, unit * 1.6, Qt::DotLine));
    painter.restore();

    DrawCycle(painter, scale, view, unit);
    DrawLegend(painter, area, scale, texts, unit, !view.points.empty());
    painter.restore();
}

bool WriteCycleDiagram(const QString& fileName, const CycleView& view, const CycleDiagramTexts& texts) {
    const QSize size(1200, 900);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(17);
    QByteArray bytes;
    if (fileName.endsWith(QStringLiteral(".svg"), Qt::CaseInsensitive)) {
#ifndef TERVALO_DIAGRAM_SVG
        return false;
#else
        QBuffer buffer(&bytes);
        QSvgGenerator svg;
        svg.setOutputDevice(&buffer);
        svg.setSize(size);
        svg.setViewBox(QRect(QPoint(0, 0), size));
        svg.setTitle(Shown(texts.texts, cycle_texts::kDiagramTitle));
        QPainter painter;
        if (!painter.begin(&svg)) return false;
        painter.fillRect(QRect(QPoint(0, 0), size), Qt::white);
        painter.setFont(font);
        DrawCycleDiagram(painter, QRectF(20, 20, size.width() - 40, size.height() - 40), view, texts);
        painter.end();
#endif
    } else {
        QImage image(size, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.setFont(font);
        DrawCycleDiagram(painter, QRectF(20, 20, size.width() - 40, size.height() - 40), view, texts);
        painter.end();
        QBuffer buffer(&bytes);
        if (!buffer.open(QIODevice::WriteOnly) || !image.save(&buffer, "PNG")) return false;
    }
    return ReplaceFileBytesAt(std::filesystem::path(QFile::encodeName(fileName).toStdString()),
                              std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

CycleDiagramTexts CycleDiagramTextsOf(const ProjectRecord& record) {
    return {LoadFeatureTexts(cycle_texts::kFile, Settings.LanguageCode), record.RefrigerantName,
            ShownDecimalSeparator(Settings.LanguageCode)};
}

bool WriteCycleDiagramFile(const std::string& fileName, const ProjectRecord& record) {
    EnsureGuiApplication();
    const QString name = QString::fromLocal8Bit(fileName.c_str());
    if (name.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive))
        return PrintCyclePdf(name, CycleViewOf(record), CycleDiagramTextsOf(record),
                             QString::fromStdString(
                                 CodePageToUtf8(Settings.PrintFontName, CodePageOf(Settings.LanguageCode))));
    return WriteCycleDiagram(name, CycleViewOf(record), CycleDiagramTextsOf(record));
}

}  // namespace tervalo
