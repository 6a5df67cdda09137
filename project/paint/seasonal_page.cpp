#include "project/paint/seasonal_page.h"

#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

#include "config/run_settings.h"
#include "localisation/code_page.h"
#include "localisation/languages.h"
#include "localisation/seasonal_texts.h"
#include "project/paint/fitted_text.h"
#include "project/paint/page_table.h"
#include "project/seasonal/seasonal_file.h"

namespace tervalo {

namespace {

using namespace seasonal_texts;
using seasonal::ProjectSeason;

// A figure with `decimals` decimals and the run's separator; "–" for none.
std::string Figure(std::optional<double> value, int decimals, char separator) {
    if (!value || !std::isfinite(*value)) return "\x96";  // en dash in every Windows code page
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", decimals, *value);
    std::string out = text;
    std::replace(out.begin(), out.end(), '.', separator);
    return out;
}

int SeasonItem(seasonal::Climate climate) {
    return climate == seasonal::Climate::Colder   ? kColder
           : climate == seasonal::Climate::Warmer ? kWarmer
                                                  : kAverage;
}

// Nice step of an axis for about `ticks` divisions of `range`.
double AxisStep(double range, int ticks) {
    const double raw = range / ticks;
    const double magnitude = std::pow(10.0, std::floor(std::log10(raw)));
    for (const double factor : {1.0, 2.0, 5.0, 10.0})
        if (raw <= factor * magnitude) return factor * magnitude;
    return 10 * magnitude;
}

}  // namespace

SeasonalPage SeasonalPageOf(const ProjectRecord& record, ActionLoads* loads) {
    const seasonal::SeasonalFileRead read = seasonal::LoadSeasonalFile();
    return {FeaturePageOptionsOf(seasonal_texts::kFile, read.damaged),
            seasonal::EvaluateProjectSeasons(record, read.project, loads)};
}

std::vector<std::vector<std::string>> SeasonRows(const SeasonalPage& content) {
    const FeatureTexts& t = content.texts;
    const char sep = content.decimalSeparator;
    const auto& seasons = content.seasons.seasons;
    std::vector<std::vector<std::string>> rows;
    std::vector<std::string> heading = {t[kSeason]};
    for (const ProjectSeason& s : seasons) heading.push_back(t[SeasonItem(s.climate)]);
    rows.push_back(heading);
    const auto row = [&](const std::string& caption, const std::string& unit, auto cell) {
        std::vector<std::string> r = {unit.empty() ? caption : caption + " (" + unit + ")"};
        for (const ProjectSeason& s : seasons) r.push_back(cell(s));
        rows.push_back(std::move(r));
    };
    const auto annual = [&](auto member, int decimals) {
        return [=](const ProjectSeason& s) {
            return s.annual ? Figure(member(*s.annual), decimals, sep) : Figure(std::nullopt, 0, sep);
        };
    };
    const seasonal::Backup backup = content.seasons.backup;
    row(t[kSeasonalCop], "", [&](const ProjectSeason& s) {
        if (!s.result) return std::string(t[kOutsideTable]);
        return Figure(seasonal::ProjectScop(*s.result, backup), 2, sep);
    });
    row(t[kCertifiedUnits], "", [&](const ProjectSeason& s) {
        if (!s.band) return Figure(std::nullopt, 0, sep);
        return Figure(s.band->median, 2, sep) + " (" + Figure(s.band->low10, 2, sep) + "\x96" +
               Figure(s.band->high90, 2, sep) + ")";
    });
    row(t[kBivalent],
        "\xB0"
        "C",
        [&](const ProjectSeason& s) { return Figure(s.bivalent_C, 0, sep); });
    row(t[kBackupShare], "%", [&](const ProjectSeason& s) {
        return s.result ? Figure(100 * s.result->backupShare, 1, sep) : Figure(std::nullopt, 0, sep);
    });
    row(t[kElectricity], "kWh/a",
        annual([](const seasonal::SeasonAnnual& a) { return a.electricity_kWh; }, 0));
    row(t[kCost], content.currency, annual([](const seasonal::SeasonAnnual& a) { return a.cost; }, 0));
    row(t[kCo2], "t/a", annual([](const seasonal::SeasonAnnual& a) { return a.co2_kg / 1000; }, 3));
    row(t[kSaving], content.currency,
        annual([](const seasonal::SeasonAnnual& a) { return a.savingMoney; }, 0));
    row(t[kCo2Saving], "t/a", annual([](const seasonal::SeasonAnnual& a) { return a.savingCo2_t; }, 3));
    row(t[kBreakEvenElectricity], content.currency + "/kWh",
        annual([](const seasonal::SeasonAnnual& a) { return a.electricityPrice; }, 3));
    row(t[kBreakEvenFuel], "", annual([](const seasonal::SeasonAnnual& a) { return a.fuelPrice; }, 3));
    row(t[kBreakEvenCop], "",
        annual([](const seasonal::SeasonAnnual& a) { return a.seasonalCopEqualCost; }, 2));
    row(t[kBreakEvenGrid], "kg/kWh",
        annual([](const seasonal::SeasonAnnual& a) { return a.gridCo2Factor; }, 3));
    return rows;
}

// The chart's legend: its entries (a swatch and a label) in rows no wider than `width`, the type made a
// little smaller before an entry goes to the next row, and smaller still where one entry alone is wider.
struct LegendLayout {
    QFont font;
    std::vector<QPointF> at;  // each entry's left edge and top, from the legend's top left corner
    double height = 0;
};

LegendLayout LayOutLegend(const QFont& font, const QPaintDevice* device, double width,
                          const std::vector<QString>& labels) {
    const auto entry = [](const QFontMetricsF& m, const QString& label) {
        return m.height() * 1.2 + m.horizontalAdvance(label);
    };
    const auto gap = [](const QFontMetricsF& m) { return m.height() * 0.8; };
    LegendLayout layout;
    layout.font = FittedFont(font, device, width, [&](const QFontMetricsF& m) {
        double row = 0;
        for (const QString& label : labels) row += entry(m, label) + gap(m);
        return row - gap(m);
    });
    if (layout.font.pointSizeF() < font.pointSizeF() * 0.8) {
        layout.font.setPointSizeF(font.pointSizeF() * 0.8);
        layout.font = FittedFont(layout.font, device, width, [&](const QFontMetricsF& m) {
            double widest = 0;
            for (const QString& label : labels) widest = std::max(widest, entry(m, label));
            return widest;
        });
    }
    const QFontMetricsF m(layout.font, device);
    double x = 0, y = 0;
    for (const QString& label : labels) {
        if (x > 0 && x + entry(m, label) > width) {
            x = 0;
            y += m.height() * 1.1;
        }
        layout.at.emplace_back(x, y);
        x += entry(m, label) + gap(m);
    }
    layout.height = y + m.height();
    return layout;
}

void DrawSeasonChart(QPainter& painter, const QRectF& area, const ProjectSeason& season,
                     const FeatureTexts& t, char decimalSeparator) {
    if (!season.result || season.result->bins.empty()) return;
    const auto text = [&t](int item) {
        return QString::fromStdString(CodePageToUtf8(t[item], t.codePage()));
    };
    const auto& bins = season.result->bins;
    painter.save();
    const QFontMetricsF metrics(painter.font(), painter.device());
    const double line = metrics.height();
    const double unit = std::max(area.width(), area.height()) / 600;

    double top = 0;
    for (const seasonal::BinResult& b : bins) top = std::max({top, b.load_kW, b.capacity_kW});
    const double step = AxisStep(top > 0 ? top : 1, 5);
    top = std::ceil(top / step) * step;
    if (!(top > 0)) top = 1;

    // Plot area: room for the axis numbers on the left, the legend on top and the axis title below.
    const double left = area.left() + metrics.horizontalAdvance(QStringLiteral("000.0")) + line * 0.5;
    const std::vector<QString> labels{text(kChartHeatPump), text(kChartBackup), text(kCapacity)};
    const QPointF legendAt(left + line * 0.5, area.top() + line * 0.2);
    const LegendLayout legend =
        LayOutLegend(painter.font(), painter.device(), area.right() - legendAt.x(), labels);
    const double plotTop = legendAt.y() + legend.height + line * 0.4;
    const QRectF plot(left, plotTop, area.right() - left - line * 0.5, area.bottom() - line * 2.6 - plotTop);
    const double first = bins.front().t_C - 0.5, last = bins.back().t_C + 0.5;
    const auto x = [&](double t_C) { return plot.left() + (t_C - first) / (last - first) * plot.width(); };
    const auto y = [&](double kW) { return plot.bottom() - kW / top * plot.height(); };

    painter.setPen(QPen(Qt::lightGray, unit * 0.6));
    for (double v = 0; v <= top + step * 0.01; v += step) {
        painter.drawLine(QPointF(plot.left(), y(v)), QPointF(plot.right(), y(v)));
        const QString label = QString::fromStdString(Figure(v, step < 1 ? 1 : 0, decimalSeparator));
        painter.setPen(Qt::black);
        painter.drawText(QRectF(area.left(), y(v) - line / 2, left - area.left() - line * 0.3, line),
                         Qt::AlignRight | Qt::AlignVCenter, label);
        painter.setPen(QPen(Qt::lightGray, unit * 0.6));
    }

    const QColor heatPump(46, 125, 50), backup(198, 40, 40), capacity(21, 101, 192);
    const double barWidth = plot.width() / (last - first) * 0.7;
    for (const seasonal::BinResult& b : bins) {
        const double own = b.load_kW - b.backup_kW;
        const QRectF ownBar(x(b.t_C) - barWidth / 2, y(own), barWidth, y(0) - y(own));
        painter.fillRect(ownBar, heatPump);
        if (b.backup_kW > 0)
            painter.fillRect(QRectF(ownBar.left(), y(b.load_kW), barWidth, y(own) - y(b.load_kW)), backup);
    }
    // The capacity line, where the unit runs.
    painter.setPen(QPen(capacity, unit * 2));
    for (std::size_t i = 1; i < bins.size(); ++i)
        if (bins[i - 1].capacity_kW > 0 && bins[i].capacity_kW > 0)
            painter.drawLine(QPointF(x(bins[i - 1].t_C), y(bins[i - 1].capacity_kW)),
                             QPointF(x(bins[i].t_C), y(bins[i].capacity_kW)));

    // Axes, every fifth temperature and the titles.
    painter.setPen(QPen(Qt::black, unit * 0.8));
    painter.drawLine(plot.bottomLeft(), plot.bottomRight());
    painter.drawLine(plot.bottomLeft(), plot.topLeft());
    for (const seasonal::BinResult& b : bins) {
        if (b.t_C % 5 != 0) continue;
        painter.drawLine(QPointF(x(b.t_C), plot.bottom()), QPointF(x(b.t_C), plot.bottom() + line * 0.25));
        painter.drawText(QRectF(x(b.t_C) - line * 2, plot.bottom() + line * 0.25, line * 4, line),
                         Qt::AlignHCenter | Qt::AlignTop, QString::number(b.t_C));
    }
    const QString outdoor = text(kChartOutdoor) + QStringLiteral(", \u00B0C");
    const QFont font = painter.font();
    painter.setFont(FittedFont(font, painter.device(), area.width(), outdoor));
    painter.drawText(QRectF(area.left(), plot.bottom() + line * 1.3, area.width(), line), Qt::AlignHCenter,
                     outdoor);
    painter.setFont(font);
    painter.drawText(QRectF(area.left(), area.top(), plot.left() - area.left(), line), Qt::AlignLeft, "kW");

    // The legend above the plot.
    painter.setFont(legend.font);
    const QFontMetricsF legendMetrics(legend.font, painter.device());
    const double legendLine = legendMetrics.height();
    const QColor colours[3] = {heatPump, backup, capacity};
    for (std::size_t i = 0; i < labels.size(); ++i) {
        const QPointF at = legendAt + legend.at[i];
        if (i < 2) {
            painter.fillRect(QRectF(at.x(), at.y() + legendLine * 0.25, legendLine * 0.9, legendLine * 0.6),
                             colours[i]);
        } else {
            painter.setPen(QPen(colours[i], unit * 2));
            painter.drawLine(QPointF(at.x(), at.y() + legendLine * 0.55),
                             QPointF(at.x() + legendLine * 0.9, at.y() + legendLine * 0.55));
        }
        painter.setPen(Qt::black);
        painter.drawText(QPointF(at.x() + legendLine * 1.2, at.y() + legendMetrics.ascent()), labels[i]);
    }
    painter.restore();
}

void DrawSeasonalView(QPainter& painter, const QRectF& area, const SeasonalPage& content,
                      std::size_t chartSeason, const QString& fontFamily) {
    const FeatureTexts& t = content.texts;
    const auto text = [&t](const std::string& bytes) {
        return QString::fromStdString(CodePageToUtf8(bytes, t.codePage()));
    };
    painter.save();
    painter.setPen(Qt::black);
    double y = area.top();
    const auto note = [&](const QString& line, double points, bool bold = false) {
        painter.setFont(PageFont(fontFamily, points, bold));
        const QFontMetricsF metrics(painter.font(), painter.device());
        painter.drawText(QRectF(area.left(), y, area.width(), metrics.height() * 3),
                         Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop, line);
        y += metrics.boundingRect(QRectF(0, 0, area.width(), 1e6), Qt::TextWordWrap, line).height() +
             metrics.height() * 0.3;
    };
    note(text(t[kCycleOnly]), 8, true);
    note(text(t[kBesideDesignPoint]), 7);
    if (content.fileDamaged) note(text(t[kFileDamaged]), 7);
    const seasonal::ProjectSeasons& s = content.seasons;
    if (s.seasons.empty()) {
        note(text(t[kNoSeasons]), 8);
        painter.restore();
        return;
    }
    // What the seasons rest on.
    const char sep = content.decimalSeparator;
    const std::string sourceName = t[s.source == seasonal::Source::Air     ? kAir
                                     : s.source == seasonal::Source::Brine ? kBrine
                                                                           : kWater];
    note(text(t[kSource] + ": " + sourceName + "; " + t[kDesignFlow] + " " + Figure(s.designFlow_C, 1, sep) +
              " \xB0"
              "C; " +
              t[kEvaporatorDifference] + " " + Figure(s.inputs.evaporatorDifference_K, 1, sep) + " K; " +
              t[kCondenserDifference] + " " + Figure(s.inputs.condenserDifference_K, 1, sep) + " K; Cd " +
              Figure(s.degradation, 2, sep)),
         7);
    note(text(t[s.backup == seasonal::Backup::Boiler ? kBackupBoiler : kBackupElectric]), 7);

    painter.setFont(PageFont(fontFamily, 7.5));
    std::vector<std::vector<QString>> cells;
    for (const auto& row : SeasonRows(content)) {
        std::vector<QString> r;
        for (const std::string& cell : row) r.push_back(text(cell));
        cells.push_back(std::move(r));
    }
    const std::vector<PageColumn> columns = {{0.46, false}, {0.18, true}, {0.18, true}, {0.18, true}};
    y += DrawPageTable(painter, area.left(), y, area.width(), columns, cells, true);
    y += PageTableLineHeight(painter) * 0.4;

    // One line where the project lies above the certified band.
    const bool above = std::any_of(s.seasons.begin(), s.seasons.end(),
                                   [](const ProjectSeason& season) { return season.aboveBand; });
    if (above) {
        painter.setPen(QColor(183, 28, 28));
        note(text(t[kAboveBand]), 7.5, true);
        painter.setPen(Qt::black);
    }
    note(text(t[kBandSource]) + QStringLiteral(" ") + QString::fromUtf8(seasonal::kCertifiedBandSource), 6.5);

    // The chart of the chosen season in what is left.
    const std::size_t shown = std::min(chartSeason, s.seasons.size() - 1);
    note(text(t[SeasonItem(s.seasons[shown].climate)]), 8, true);
    painter.setFont(PageFont(fontFamily, 7));
    const double height = area.bottom() - y;
    if (height > PageTableLineHeight(painter) * 6)
        DrawSeasonChart(painter, QRectF(area.left(), y, area.width(), height), s.seasons[shown], t, sep);
    painter.restore();
}

void DrawSeasonalPage(QPainter& painter, const QRectF& page, const SeasonalPage& content,
                      const QString& fontFamily) {
    const FeatureTexts& t = content.texts;
    painter.save();
    painter.setPen(Qt::black);
    const QRectF body = PageBody(page);
    const double top =
        body.top() + DrawPageTitle(painter, body,
                                   QString::fromStdString(CodePageToUtf8(t[kTitle], t.codePage())),
                                   fontFamily);
    DrawSeasonalView(painter,
                     QRectF(body.left(), top, body.width(), std::min(body.bottom() - top, body.width())),
                     content, 0, fontFamily);
    painter.restore();
}

}  // namespace tervalo
