// Climate-zone map of Europe: four zones from mild (1) to cold (4), drawn over the country
// outlines of Natural Earth in a Lambert azimuthal equal-area projection.
#include <QFile>
#include <QFont>
#include <QImage>
#include <QPainterPath>
#include <QTextStream>
#include <QtMath>
#include <cmath>
#include <optional>

#include "drawings.h"
#include "paint_kit.h"

namespace pictures {
namespace {

constexpr double kCentreLon = 14.0;
constexpr double kCentreLat = 52.0;

QPointF project(double lonDeg, double latDeg) {
    const double lon = qDegreesToRadians(lonDeg - kCentreLon);
    const double lat = qDegreesToRadians(latDeg);
    const double lat0 = qDegreesToRadians(kCentreLat);
    const double k =
        std::sqrt(2 / (1 + std::sin(lat0) * std::sin(lat) + std::cos(lat0) * std::cos(lat) * std::cos(lon)));
    // y grows downwards on the picture.
    return {k * std::cos(lat) * std::sin(lon),
            -k * (std::cos(lat0) * std::sin(lat) - std::sin(lat0) * std::cos(lat) * std::cos(lon))};
}

QPointF unproject(QPointF xy) {
    const double x = xy.x(), y = -xy.y();
    const double rho = std::hypot(x, y);
    const double lat0 = qDegreesToRadians(kCentreLat);
    if (rho < 1e-12) return {kCentreLon, kCentreLat};
    const double c = 2 * std::asin(std::min(1.0, rho / 2));
    const double lat = std::asin(std::cos(c) * std::sin(lat0) + y * std::sin(c) * std::cos(lat0) / rho);
    const double lon =
        std::atan2(x * std::sin(c), rho * std::cos(lat0) * std::cos(c) - y * std::sin(lat0) * std::sin(c));
    return {kCentreLon + qRadiansToDegrees(lon), qRadiansToDegrees(lat)};
}

// A smooth estimate of the January mean temperature (degrees C), fitted to a few dozen
// stations, with the colder mountain areas pressed in: enough to draw zone boundaries.
double januaryTemperature(double lon, double lat) {
    double t =
        47.2 - 0.0857 * lon - 1.241 * lat - 0.0013 * lon * lon + 0.00747 * lat * lat - 0.00237 * lon * lat;
    const struct {
        double lon, lat, radius, drop;
    } mountains[] = {{10.0, 46.5, 2.2, 5.0}, {8.5, 61.5, 2.8, 5.0},  {15.0, 65.5, 2.5, 3.0},
                     {0.5, 42.7, 1.2, 3.0},  {24.5, 46.5, 1.8, 2.5}, {35.0, 39.0, 4.0, 4.0},
                     {42.5, 42.8, 2.0, 4.0}, {-4.0, 40.5, 2.0, 2.5}};
    for (const auto& m : mountains) {
        const double d2 =
            std::pow((lon - m.lon) * std::cos(qDegreesToRadians(lat)), 2) + std::pow(lat - m.lat, 2);
        t -= m.drop * std::exp(-d2 / (m.radius * m.radius));
    }
    return t;
}

const QColor kZoneColours[4] = {QColor(0xf2, 0xc2, 0x72), QColor(0xbf, 0xdb, 0x8e), QColor(0x8c, 0xc6, 0xd8),
                                QColor(0x6b, 0x8f, 0xd0)};

struct Outline {
    std::vector<QPolygonF> zoned;       // land that the climate zones cover
    std::vector<QPolygonF> neighbours;  // countries beyond, in a neutral colour
};

std::optional<Outline> readOutline(const QString& file) {
    QFile source(file);
    if (!source.open(QIODevice::ReadOnly | QIODevice::Text)) return std::nullopt;
    Outline outline;
    QTextStream lines(&source);
    while (!lines.atEnd()) {
        QStringList fields = lines.readLine().split(' ', Qt::SkipEmptyParts);
        if (fields.size() < 4) continue;
        const QString kind = fields.takeFirst();
        QPolygonF ring;
        for (const QString& point : fields) {
            const QStringList lonLat = point.split(',');
            if (lonLat.size() == 2) ring << project(lonLat[0].toDouble(), lonLat[1].toDouble());
        }
        if (ring.size() < 3) continue;
        (kind == "N" ? outline.neighbours : outline.zoned).push_back(ring);
    }
    if (outline.zoned.empty()) return std::nullopt;
    return outline;
}

QPainterPath pathOf(const std::vector<QPolygonF>& rings, const QTransform& transform) {
    QPainterPath path;
    path.setFillRule(Qt::WindingFill);
    for (const QPolygonF& ring : rings) path.addPolygon(transform.map(ring));
    return path;
}

}  // namespace

int climateZoneAt(double lon, double lat) {
    const double temperature = januaryTemperature(lon, lat);
    if (temperature >= 5) return 1;
    if (temperature >= 1) return 2;
    if (temperature >= -3) return 3;
    return 4;
}

bool drawClimateMap(QPainter& p, const QSizeF& size, const QString& outlineFile) {
    const auto outline = readOutline(outlineFile);
    if (!outline) return false;
    // Frame: from Portugal to the Volga, from Crete to the North Cape.
    QRectF frame;
    for (const auto& [lon, lat] : {std::pair{-10.5, 36.0}, std::pair{-10.5, 58.0}, std::pair{41.0, 45.0},
                                   std::pair{36.0, 66.0}, std::pair{26.0, 71.5}, std::pair{25.0, 32.8}}) {
        const QPointF at = project(lon, lat);
        frame =
            frame.isNull() ? QRectF(at, QSizeF(1e-9, 1e-9)) : frame.united(QRectF(at, QSizeF(1e-9, 1e-9)));
    }
    const double scale = std::min(size.width() / frame.width(), size.height() / frame.height());
    QTransform toPicture;
    toPicture.translate(size.width() / 2, size.height() / 2);
    toPicture.scale(scale, scale);
    toPicture.translate(-frame.center().x(), -frame.center().y());

    QLinearGradient sea(QPointF(0, 0), QPointF(0, size.height()));
    sea.setColorAt(0, QColor(0xd4, 0xe8, 0xf6));
    sea.setColorAt(1, QColor(0xb4, 0xd4, 0xec));
    p.fillRect(QRectF(QPointF(0, 0), size), sea);

    // Graticule every 10 degrees.
    p.setPen(QPen(QColor(255, 255, 255, 150), 0.7));
    p.setBrush(Qt::NoBrush);
    for (int lon = -30; lon <= 60; lon += 10) {
        QPolygonF meridian;
        for (double lat = 25; lat <= 80; lat += 1) meridian << toPicture.map(project(lon, lat));
        p.drawPolyline(meridian);
    }
    for (int lat = 30; lat <= 80; lat += 10) {
        QPolygonF parallel;
        for (double lon = -40; lon <= 70; lon += 1) parallel << toPicture.map(project(lon, lat));
        p.drawPolyline(parallel);
    }

    const QPainterPath land = pathOf(outline->zoned, toPicture);
    const QPainterPath neighbours = pathOf(outline->neighbours, toPicture);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xea, 0xe6, 0xdd));
    p.drawPath(neighbours);

    // The zones, computed per pixel and shown through the land.
    const QTransform toMap = toPicture.inverted();
    QImage zones(size.toSize(), QImage::Format_RGB32);
    for (int y = 0; y < zones.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(zones.scanLine(y));
        for (int x = 0; x < zones.width(); ++x) {
            const QPointF lonLat = unproject(toMap.map(QPointF(x + 0.5, y + 0.5)));
            row[x] = kZoneColours[climateZoneAt(lonLat.x(), lonLat.y()) - 1].rgb();
        }
    }
    p.save();
    p.setClipPath(land);
    p.drawImage(QPointF(0, 0), zones);
    p.restore();
    // Country borders, then the coast line.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(255, 255, 255, 200), 0.7));
    for (const auto* rings : {&outline->zoned, &outline->neighbours})
        for (const QPolygonF& ring : *rings) p.drawPolygon(toPicture.map(ring));
    p.setPen(QPen(QColor(0x5a, 0x7a, 0x96), 0.8));
    p.drawPath(land);
    p.drawPath(neighbours);

    // Legend in the bottom left corner: zone numbers from mild (sun) to cold (snowflake).
    const double unit = size.height() / 100;
    const QRectF legend(unit * 2, size.height() - unit * 12, unit * 50, unit * 10);
    p.setPen(QPen(QColor(0x6a, 0x84, 0x9c), 1));
    p.setBrush(QColor(255, 255, 255, 230));
    p.drawRoundedRect(legend, unit * 1.5, unit * 1.5);
    drawSun(p, QPointF(legend.left() + unit * 5, legend.center().y()), unit * 1.9, QColor(0xf2, 0xb8, 0x1c));
    QFont font("DejaVu Sans");
    font.setPixelSize(int(unit * 4.6));
    font.setBold(true);
    p.setFont(font);
    for (int zone = 0; zone < 4; ++zone) {
        const QRectF swatch(legend.left() + unit * (10 + zone * 8.2), legend.top() + unit * 1.8, unit * 7.4,
                            unit * 6.4);
        p.setPen(QPen(QColor(0x5a, 0x6a, 0x7a), 0.8));
        p.setBrush(kZoneColours[zone]);
        p.drawRect(swatch);
        p.setPen(QColor(0x22, 0x2a, 0x32));
        p.drawText(swatch, Qt::AlignCenter, QString::number(zone + 1));
    }
    drawSnowflake(p, QPointF(legend.right() - unit * 4.8, legend.center().y()), unit * 3, palette::cold,
                  unit * 0.6);
    p.setPen(QPen(QColor(0x5a, 0x6a, 0x7a), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(0.5, 0.5, size.width() - 1, size.height() - 1));
    return true;
}

}  // namespace pictures
