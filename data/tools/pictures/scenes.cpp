// Landscapes, the installation sequence and the small decorations of the main window.
#include <QFont>
#include <QPainterPath>
#include <QPolygonF>
#include <QRadialGradient>
#include <QRandomGenerator>

#include "drawings.h"
#include "paint_kit.h"
#include "scene_parts.h"

namespace pictures {
namespace {

using namespace palette;

// Where the house and the outdoor unit stand in a landscape of the given size.
struct Layout {
    double groundY;
    QPointF house;
    double houseScale;
    QPointF unit;
    double unitScale;
};

Layout landscapeLayout(const QSizeF& size, double houseX) {
    Layout layout{};
    layout.groundY = size.height() * 0.70;
    layout.houseScale = size.height() * 0.62 / 100;
    layout.house = QPointF(size.width() * houseX, size.height() * 0.80);
    layout.unitScale = layout.houseScale * 0.36;
    layout.unit =
        QPointF(layout.house.x() + layout.houseScale * 50 + layout.unitScale * 50 + layout.houseScale * 16,
                layout.house.y() - layout.houseScale * 2);
    return layout;
}

void drawLinesBetween(QPainter& painter, const Layout& layout) {
    const QPointF unitSide(layout.unit.x() - layout.unitScale * 50, layout.unit.y() - layout.unitScale * 40);
    const QPointF wall(layout.house.x() + layout.houseScale * 40, layout.house.y() - layout.houseScale * 14);
    drawConnectingLines(painter, unitSide, wall, std::max(1.5, layout.houseScale * 2.2));
}

void drawStars(QPainter& painter, const QRectF& rect, int count) {
    QRandomGenerator dice(7);
    painter.setPen(Qt::NoPen);
    for (int i = 0; i < count; ++i) {
        painter.setBrush(QColor(255, 255, 240, 90 + dice.bounded(140)));
        const QPointF at(rect.left() + dice.bounded(rect.width()), rect.top() + dice.bounded(rect.height()));
        painter.drawEllipse(at, 0.6 + dice.bounded(0.8), 0.6 + dice.bounded(0.8));
    }
}

void drawCheckBadge(QPainter& painter, QPointF centre, double radius) {
    QRadialGradient disc(centre - QPointF(radius * 0.4, radius * 0.4), radius * 1.6);
    disc.setColorAt(0, QColor(0x9a, 0xe6, 0x5a));
    disc.setColorAt(1, QColor(0x3f, 0x8f, 0x1e));
    painter.setPen(QPen(QColor(0x2c, 0x6a, 0x10), radius * 0.08));
    painter.setBrush(disc);
    painter.drawEllipse(centre, radius, radius);
    painter.setPen(QPen(Qt::white, radius * 0.24, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPolyline(QPolygonF{centre + QPointF(-radius * 0.45, 0),
                                   centre + QPointF(-radius * 0.1, radius * 0.35),
                                   centre + QPointF(radius * 0.5, -radius * 0.35)});
}

void drawWavyArrow(QPainter& painter, QPointF from, double length, double width, const QColor& colour) {
    // A rising wave with an arrow head at its top, the sign for heat carried upwards.
    QPainterPath wave;
    wave.moveTo(from);
    const double amplitude = width * 1.6;
    wave.cubicTo(from + QPointF(amplitude, -length * 0.2), from + QPointF(-amplitude, -length * 0.45),
                 from + QPointF(0, -length * 0.62));
    painter.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(wave);
    drawArrow(painter, from + QPointF(0, -length * 0.6), from + QPointF(0, -length), width, colour);
}

void drawHeatExchangerBox(QPainter& painter, const QRectF& box, const QColor& tint) {
    drawBody(painter, box, 6, faceShade(box, tint.lighter(165), 108), tint.darker(140), 1.4);
    QPainterPath coil;
    const double step = box.width() / 8;
    coil.moveTo(box.left() + step * 0.6, box.center().y());
    for (int i = 0; i < 7; ++i) {
        const double x = box.left() + step * (i + 0.6);
        const double y = (i % 2 == 0) ? box.top() + box.height() * 0.25 : box.bottom() - box.height() * 0.25;
        coil.lineTo(x, y);
        coil.lineTo(x + step, y);
    }
    coil.lineTo(box.right() - step * 0.4, box.center().y());
    painter.setPen(QPen(tint.darker(115), 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(coil);
}

void drawComponentAt(QPainter& painter, void (*component)(QPainter&), QPointF topLeft, double side) {
    painter.save();
    painter.translate(topLeft);
    painter.scale(side / 100, side / 100);
    component(painter);
    painter.restore();
}

void fitDesign(QPainter& painter, const QSizeF& size, const QSizeF& design) {
    // Uniform scale, centred: the design keeps its proportions on any picture size.
    const double scale = std::min(size.width() / design.width(), size.height() / design.height());
    painter.translate((size.width() - design.width() * scale) / 2,
                      (size.height() - design.height() * scale) / 2);
    painter.scale(scale, scale);
}

}  // namespace

void drawHouseScene(QPainter& p, const QSizeF& size, bool winter) {
    const Layout layout = landscapeLayout(size, 0.36);
    const QRectF sky(0, 0, size.width(), layout.groundY);
    const QRectF ground(0, layout.groundY, size.width(), size.height() - layout.groundY);
    if (winter) {
        drawSky(p, sky, QColor(0x1c, 0x33, 0x5a), QColor(0x93, 0xae, 0xcf));
        drawStars(p, QRectF(0, 0, size.width(), layout.groundY * 0.5), 40);
        drawGround(p, ground, QColor(0xf4, 0xf8, 0xfc), QColor(0xc9, 0xd8, 0xe9));
    } else {
        drawSky(p, sky, QColor(0x5d, 0xa6, 0xe0), QColor(0xdc, 0xee, 0xfa));
        drawSun(p, QPointF(size.width() * 0.86, size.height() * 0.18), size.height() * 0.07,
                QColor(0xf7, 0xc5, 0x2a));
        drawGround(p, ground, QColor(0x6c, 0xae, 0x4a), QColor(0xa6, 0xd2, 0x7a));
    }
    const double treeHeight = size.height() * 0.42;
    drawConifer(p, QPointF(size.width() * 0.08, layout.groundY + size.height() * 0.06), treeHeight, winter);
    drawConifer(p, QPointF(size.width() * 0.93, layout.groundY + size.height() * 0.04), treeHeight * 0.85,
                winter);
    HouseLook look;
    look.snowOnRoof = winter;
    look.warmWindows = winter;
    drawHouse(p, layout.house, layout.houseScale, look);
    drawLinesBetween(p, layout);
    drawOutdoorUnit(p, layout.unit, layout.unitScale);
    if (winter)
        drawSnowfall(p, QRectF(0, 0, size.width(), size.height()), int(size.width() * 0.25),
                     size.height() * 0.006);
}

void drawInstallationStage(QPainter& p, const QSizeF& size, int stage) {
    // 0: empty drawing sheet; 1: the plan; 2: the house built; 3: the heat pump set up;
    // 4: connected, heating on; 5: evening, the house warm; 6: done.
    const Layout layout = landscapeLayout(size, 0.40);
    if (stage <= 1) {
        drawBlueprint(p, QRectF(QPointF(0, 0), size));
        p.setPen(QPen(QColor(255, 255, 255, 150), 1));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(6, 6, size.width() - 12, size.height() - 12));
        const QRectF titleBlock(size.width() - 96, size.height() - 34, 90, 28);
        p.drawRect(titleBlock);
        p.drawLine(QPointF(titleBlock.left(), titleBlock.center().y()),
                   QPointF(titleBlock.right(), titleBlock.center().y()));
        p.drawLine(QPointF(titleBlock.left() + 30, titleBlock.top()),
                   QPointF(titleBlock.left() + 30, titleBlock.bottom()));
        if (stage == 1) {
            HouseLook plan;
            plan.blueprint = true;
            drawHouse(p, layout.house, layout.houseScale, plan);
            drawOutdoorUnit(p, layout.unit, layout.unitScale, true);
            p.setPen(QPen(QColor(255, 255, 255, 150), 0.8, Qt::DashLine));
            p.drawLine(QPointF(10, layout.house.y()), QPointF(size.width() - 10, layout.house.y()));
        }
        return;
    }
    const bool evening = stage >= 5;
    const QRectF sky(0, 0, size.width(), layout.groundY);
    const QRectF ground(0, layout.groundY, size.width(), size.height() - layout.groundY);
    if (evening) {
        drawSky(p, sky, QColor(0x24, 0x3f, 0x6e), QColor(0xf0, 0xb8, 0x8a));
        drawStars(p, QRectF(0, 0, size.width(), layout.groundY * 0.45), 30);
        drawGround(p, ground, QColor(0x4f, 0x7f, 0x45), QColor(0x7d, 0x9e, 0x62));
    } else {
        drawSky(p, sky, QColor(0x7d, 0xb8, 0xe6), QColor(0xe4, 0xf1, 0xfa));
        drawGround(p, ground, QColor(0x7a, 0xb5, 0x55), QColor(0xb0, 0xd6, 0x86));
    }
    drawConifer(p, QPointF(size.width() * 0.1, layout.groundY + size.height() * 0.05), size.height() * 0.4,
                false);
    drawConifer(p, QPointF(size.width() * 0.92, layout.groundY + size.height() * 0.03), size.height() * 0.32,
                false);
    HouseLook look;
    look.warmWindows = evening;
    look.showRadiators = stage >= 4;
    drawHouse(p, layout.house, layout.houseScale, look);
    if (stage >= 4) drawLinesBetween(p, layout);
    if (stage >= 3) drawOutdoorUnit(p, layout.unit, layout.unitScale);
    if (stage == 6)
        drawCheckBadge(p, QPointF(size.width() - size.height() * 0.16, size.height() * 0.18),
                       size.height() * 0.1);
}

void drawHouseSection(QPainter& p, const QSizeF& size) {
    fitDesign(p, size, QSizeF(320, 240));
    const double groundY = 132;
    drawSky(p, QRectF(0, 0, 320, groundY), QColor(0x8c, 0xc4, 0xee), QColor(0xe8, 0xf4, 0xfb));
    drawSun(p, QPointF(282, 30), 12, QColor(0xf7, 0xc5, 0x2a));
    // Soil in layers.
    QLinearGradient soil(QPointF(0, groundY), QPointF(0, 240));
    soil.setColorAt(0, QColor(0x9c, 0x74, 0x4e));
    soil.setColorAt(1, QColor(0x6b, 0x4b, 0x32));
    p.setPen(Qt::NoPen);
    p.setBrush(soil);
    p.drawRect(QRectF(0, groundY, 320, 108));
    p.setPen(QPen(QColor(0x5a, 0x3e, 0x28, 110), 1));
    for (const double y : {170.0, 200.0, 226.0}) {
        QPainterPath stratum;
        stratum.moveTo(0, y);
        stratum.cubicTo(80, y - 5, 200, y + 6, 320, y - 2);
        p.setBrush(Qt::NoBrush);
        p.drawPath(stratum);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x6c, 0xae, 0x4a));
    p.drawRect(QRectF(0, groundY - 4, 320, 6));
    drawConifer(p, QPointF(292, groundY), 70, false);

    // House in section: roof, two floors and the cellar.
    const QColor wall(0xd9, 0xcf, 0xbd);
    const QColor room(0xfb, 0xf6, 0xec);
    p.setPen(QPen(QColor(0x6b, 0x5a, 0x48), 1));
    p.setBrush(QColor(0xa8, 0x45, 0x32));
    p.drawPolygon(QPolygonF{QPointF(26, 44), QPointF(118, 6), QPointF(210, 44)});
    p.setBrush(wall);
    p.drawRect(QRectF(36, 44, 164, 134));
    p.setBrush(room);
    p.drawRect(QRectF(42, 48, 152, 38));  // upper floor
    p.drawRect(QRectF(42, 92, 152, 36));  // ground floor
    p.setBrush(QColor(0xea, 0xe4, 0xd8));
    p.drawRect(QRectF(42, 136, 152, 38));  // cellar
    // Windows in the outer walls.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xa6, 0xd0, 0xee));
    p.drawRect(QRectF(36, 58, 6, 16));
    p.drawRect(QRectF(194, 58, 6, 16));
    p.drawRect(QRectF(36, 100, 6, 16));
    p.drawRect(QRectF(194, 100, 6, 16));

    // Heat pump and buffer tank in the cellar.
    const QRectF heatPump(54, 140, 34, 32);
    drawBody(p, heatPump, 3, faceShade(heatPump, QColor(0xf4, 0xf6, 0xf8), 108), QColor(0x7a, 0x84, 0x8e));
    drawBody(p, QRectF(60, 146, 14, 8), 1.5, QColor(0x2c, 0x3e, 0x50), QColor(0x1c, 0x28, 0x34), 0.6);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x6f, 0xd0, 0x7a));
    p.drawRect(QRectF(62, 148, 6, 2));
    const QRectF tank(98, 140, 18, 32);
    drawBody(p, tank, 7, cylinderShade(tank, Qt::Vertical, QColor(0xd6, 0xdc, 0xe2)),
             QColor(0x7a, 0x84, 0x8e));

    // Heating circuit: flow up to the radiator and the floor coil, return down.
    const QColor flow(0xd6, 0x4a, 0x30);
    const QColor back(0x3a, 0x7a, 0xc8);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(flow, 2.2, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
    p.drawPolyline(QPolygonF{QPointF(107, 140), QPointF(107, 132), QPointF(128, 132), QPointF(128, 84),
                             QPointF(150, 84), QPointF(150, 78)});
    p.setPen(QPen(back, 2.2, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
    p.drawPolyline(QPolygonF{QPointF(176, 78), QPointF(176, 88), QPointF(136, 88), QPointF(136, 134),
                             QPointF(112, 134), QPointF(112, 140)});
    // Radiator upstairs with rising warmth.
    const QRectF radiator(148, 64, 30, 14);
    drawBody(p, radiator, 1.5, faceShade(radiator, QColor(0xf6, 0xf6, 0xf6)), QColor(0x8a, 0x8a, 0x8a), 0.8);
    p.setPen(QPen(QColor(0xc8, 0xc8, 0xc8), 0.8));
    for (double x = 151; x < 177; x += 3) p.drawLine(QPointF(x, 66), QPointF(x, 76));
    for (const double x : {155.0, 163.0, 171.0})
        drawWavyArrow(p, QPointF(x, 61), 12, 1.4, QColor(0xe0, 0x70, 0x40));
    // Floor heating coil in the ground floor screed.
    QPainterPath coil;
    coil.moveTo(48, 126);
    for (double x = 48; x < 186; x += 8) {
        coil.lineTo(x + 4, 123);
        coil.lineTo(x + 8, 126);
    }
    p.setPen(QPen(flow, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(coil);
    for (const double x : {70.0, 110.0, 150.0})
        drawWavyArrow(p, QPointF(x, 119), 14, 1.4, QColor(0xe0, 0x70, 0x40, 200));

    // Borehole with its loop, taking heat from the ground.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x4a, 0x35, 0x24));
    p.drawRect(QRectF(242, 150, 18, 88));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(back, 2.2, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
    p.drawPolyline(QPolygonF{QPointF(88, 160), QPointF(247, 160), QPointF(247, 234)});
    p.setPen(QPen(QColor(0x7c, 0xc0, 0xf0), 2.2, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
    p.drawPolyline(QPolygonF{QPointF(255, 234), QPointF(255, 154), QPointF(88, 154)});
    p.drawArc(QRectF(247, 230, 8, 8), 180 * 16, 180 * 16);
    for (const double y : {182.0, 206.0, 228.0}) {
        drawArrow(p, QPointF(226, y), QPointF(240, y), 1.8, QColor(0xf0, 0xa0, 0x30));
        drawArrow(p, QPointF(276, y), QPointF(262, y), 1.8, QColor(0xf0, 0xa0, 0x30));
    }
}

void drawRefrigerationCycle(QPainter& p, const QSizeF& size) {
    drawTileBackground(p, QRectF(QPointF(0, 0), size), QColor(0xfb, 0xfd, 0xff), QColor(0xe2, 0xea, 0xf2));
    fitDesign(p, size, QSizeF(320, 240));
    const QColor hotGas(0xd6, 0x3a, 0x22);
    const QColor liquid(0xef, 0x8a, 0x2a);
    const QColor coldMix(0x2f, 0x6f, 0xc8);
    const QColor suction(0x62, 0xa8, 0xe8);
    auto line = [&](const QPolygonF& route, const QColor& colour) {
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(colour.darker(150), 7.5, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
        p.drawPolyline(route);
        p.setPen(QPen(colour, 5.5, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
        p.drawPolyline(route);
    };
    line(QPolygonF{QPointF(254, 118), QPointF(254, 60), QPointF(214, 60)}, hotGas);
    line(QPolygonF{QPointF(106, 60), QPointF(56, 60), QPointF(56, 118)}, liquid);
    line(QPolygonF{QPointF(56, 140), QPointF(56, 186), QPointF(106, 186)}, coldMix);
    line(QPolygonF{QPointF(214, 186), QPointF(254, 186), QPointF(254, 150)}, suction);
    drawArrow(p, QPointF(254, 96), QPointF(254, 78), 3, hotGas.darker(130));
    drawArrow(p, QPointF(56, 80), QPointF(56, 98), 3, liquid.darker(130));
    drawArrow(p, QPointF(70, 186), QPointF(90, 186), 3, coldMix.darker(130));
    drawArrow(p, QPointF(222, 186), QPointF(240, 186), 3, suction.darker(130));

    drawHeatExchangerBox(p, QRectF(104, 42, 112, 36), hotGas);
    drawHeatExchangerBox(p, QRectF(104, 168, 112, 36), coldMix);
    // Heat given to the building above, heat taken from the surroundings below.
    for (const double x : {132.0, 160.0, 188.0}) {
        drawWavyArrow(p, QPointF(x, 38), 30, 2.6, hotGas);
        drawWavyArrow(p, QPointF(x, 236), 30, 2.6, coldMix);
    }
    drawComponentAt(p, drawHermeticCompressor, QPointF(214, 96), 78);
    drawComponentAt(p, drawExpansionValve, QPointF(18, 92), 72);
    // Electric drive of the compressor.
    p.setPen(QPen(QColor(0x9a, 0x6a, 0x00), 0.8));
    p.setBrush(QColor(0xf6, 0xc3, 0x1c));
    p.drawPolygon(QPolygonF{QPointF(304, 108), QPointF(294, 128), QPointF(302, 128), QPointF(296, 146),
                            QPointF(312, 122), QPointF(304, 122), QPointF(310, 108)});
}

void drawPressureEnthalpyChart(QPainter& p, const QSizeF& size) {
    // On a small picture the point numbers would be too small to read.
    const bool numbered = size.width() >= 240;
    drawTileBackground(p, QRectF(QPointF(0, 0), size), QColor(0xff, 0xff, 0xff), QColor(0xee, 0xf3, 0xf7));
    fitDesign(p, size, QSizeF(320, 240));
    // Paper grid.
    p.setPen(QPen(QColor(0xc8, 0xd6, 0xe4), 0.6));
    for (double x = 44; x <= 304; x += 20) p.drawLine(QPointF(x, 20), QPointF(x, 208));
    for (double y = 28; y <= 208; y += 20) p.drawLine(QPointF(44, y), QPointF(304, y));
    // Saturation dome: liquid line on the left, vapour line on the right.
    QPainterPath liquidLine;
    liquidLine.moveTo(70, 208);
    liquidLine.cubicTo(86, 130, 118, 52, 170, 40);
    QPainterPath vapourLine;
    vapourLine.moveTo(170, 40);
    vapourLine.cubicTo(222, 52, 244, 130, 250, 208);
    QPainterPath dome = liquidLine;
    dome.connectPath(vapourLine);
    QLinearGradient twoPhase(QPointF(70, 0), QPointF(250, 0));
    twoPhase.setColorAt(0, QColor(0xcf, 0xe4, 0xf8, 190));
    twoPhase.setColorAt(1, QColor(0xfa, 0xd9, 0xc8, 190));
    p.setPen(Qt::NoPen);
    p.setBrush(twoPhase);
    p.drawPath(dome);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0x2f, 0x6f, 0xc8), 2.2));
    p.drawPath(liquidLine);
    p.setPen(QPen(QColor(0xc8, 0x3a, 0x22), 2.2));
    p.drawPath(vapourLine);

    auto xOn = [](const QPainterPath& path, double y) {
        // The curves are monotonic in y: bisect on the path's length.
        double lo = 0, hi = 1;
        const bool rising = path.pointAtPercent(0).y() > path.pointAtPercent(1).y();
        for (int i = 0; i < 40; ++i) {
            const double mid = (lo + hi) / 2;
            const bool before = rising ? path.pointAtPercent(mid).y() > y : path.pointAtPercent(mid).y() < y;
            (before ? lo : hi) = mid;
        }
        return path.pointAtPercent(lo).x();
    };
    const double highY = 78, lowY = 168;
    const QPointF p3(xOn(liquidLine, highY), highY);
    const QPointF p4(p3.x(), lowY);
    const QPointF p1(xOn(vapourLine, lowY) + 8, lowY);
    const QPointF p2(p1.x() + 44, highY);
    const QPointF vapourHigh(xOn(vapourLine, highY), highY);
    auto segment = [&](QPointF a, QPointF b, const QColor& colour) {
        p.setPen(QPen(colour, 3.2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(a, b);
    };
    segment(p1, p2, QColor(0x5a, 0x5a, 0x6a));
    segment(p2, vapourHigh, QColor(0xd6, 0x3a, 0x22));
    segment(vapourHigh, p3, QColor(0xe8, 0x6a, 0x22));
    segment(p3, p4, QColor(0xef, 0x9a, 0x2a));
    segment(p4, p1, QColor(0x2f, 0x6f, 0xc8));
    QFont font("DejaVu Sans");
    font.setPixelSize(10);
    font.setBold(true);
    p.setFont(font);
    const QPointF points[] = {p1, p2, p3, p4};
    const QPointF labelShift[] = {QPointF(4, 14), QPointF(4, -6), QPointF(-12, -6), QPointF(-12, 14)};
    for (int i = 0; i < 4; ++i) {
        p.setPen(QPen(QColor(0x2e, 0x34, 0x36), 1));
        p.setBrush(Qt::white);
        p.drawEllipse(points[i], 3.2, 3.2);
        if (numbered) p.drawText(points[i] + labelShift[i], QString::number(i + 1));
    }
    // Axes: pressure (logarithmic) upwards, enthalpy to the right.
    drawArrow(p, QPointF(44, 210), QPointF(44, 14), 1.6, QColor(0x2e, 0x34, 0x36));
    drawArrow(p, QPointF(42, 208), QPointF(312, 208), 1.6, QColor(0x2e, 0x34, 0x36));
    font.setPixelSize(13);
    font.setItalic(true);
    p.setFont(font);
    p.setPen(QColor(0x2e, 0x34, 0x36));
    p.drawText(QPointF(52, 22), "log p");
    p.drawText(QPointF(300, 226), "h");
}

void drawEmblem(QPainter& p, const QSizeF& size) {
    QLinearGradient band(QPointF(0, 0), QPointF(size.width(), 0));
    band.setColorAt(0, QColor(0xd6, 0xe8, 0xf8));
    band.setColorAt(0.5, QColor(0xf8, 0xf8, 0xf6));
    band.setColorAt(1, QColor(0xfb, 0xe2, 0xcc));
    p.setPen(Qt::NoPen);
    p.setBrush(band);
    p.drawRect(QRectF(QPointF(0, 0), size));
    fitDesign(p, size, QSizeF(240, 64));
    drawSnowflake(p, QPointF(30, 32), 17, cold, 2.6);
    drawArrow(p, QPointF(56, 32), QPointF(86, 32), 3, cold);
    // The cycle: two arcs chasing each other, cold below and warm above.
    const QRectF ring(96, 8, 48, 48);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(hot, 5, Qt::SolidLine, Qt::FlatCap));
    p.drawArc(ring, 20 * 16, 150 * 16);
    p.setPen(QPen(cold, 5, Qt::SolidLine, Qt::FlatCap));
    p.drawArc(ring, 200 * 16, 150 * 16);
    p.setPen(Qt::NoPen);
    p.setBrush(hot);
    p.drawPolygon(QPolygonF{QPointF(94, 40), QPointF(104, 40), QPointF(99, 31)});
    p.setBrush(cold);
    p.drawPolygon(QPolygonF{QPointF(136, 24), QPointF(146, 24), QPointF(141, 33)});
    // Compressor in the middle of the cycle.
    drawComponentAt(p, drawHermeticCompressor, QPointF(106, 16), 30);
    drawArrow(p, QPointF(154, 32), QPointF(184, 32), 3, hot);
    // Warm house.
    p.setPen(QPen(QColor(0x8a, 0x2a, 0x1a), 1.2));
    p.setBrush(QColor(0xd9, 0x5a, 0x3b));
    p.drawPolygon(QPolygonF{QPointF(192, 30), QPointF(212, 12), QPointF(232, 30)});
    p.setBrush(QColor(0xf6, 0xec, 0xdc));
    p.drawRect(QRectF(197, 30, 30, 24));
    p.setBrush(QColor(0xf7, 0xc0, 0x50));
    p.drawRect(QRectF(202, 35, 9, 9));
    p.setBrush(QColor(0x7a, 0x52, 0x36));
    p.drawRect(QRectF(215, 38, 8, 16));
}

void drawRadiator(QPainter& p, const QSizeF& size) {
    drawTileBackground(p, QRectF(QPointF(0, 0), size), QColor(0xfd, 0xf6, 0xee), QColor(0xf1, 0xe2, 0xd2));
    fitDesign(p, size, QSizeF(120, 100));
    // Wall and floor.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xd9, 0xc2, 0xa5));
    p.drawRect(QRectF(0, 88, 120, 12));
    drawShadow(p, QRectF(14, 84, 92, 6), 60);
    const QRectF panel(16, 44, 88, 40);
    drawBody(p, panel, 3, faceShade(panel, QColor(0xfa, 0xfa, 0xfa), 106), QColor(0x8a, 0x8a, 0x8a), 1);
    p.setPen(QPen(QColor(0xc4, 0xc4, 0xc4), 1.2));
    for (double x = 22; x < 100; x += 6) p.drawLine(QPointF(x, 48), QPointF(x, 80));
    // Thermostatic valve on the flow connection.
    drawPipe(p, QPointF(104, 78), QPointF(114, 78), 4, steel);
    drawBody(p, QRectF(106, 60, 10, 14), 3, faceShade(QRectF(106, 60, 10, 14), QColor(0xf4, 0xf4, 0xf4)),
             QColor(0x8a, 0x8a, 0x8a), 0.8);
    drawPipe(p, QPointF(111, 74), QPointF(111, 78), 3, steel);
    for (const double x : {34.0, 60.0, 86.0}) drawWavyArrow(p, QPointF(x, 40), 34, 2.8, hot);
}

void drawClimateMark(QPainter& p, const QSizeF& size) {
    drawTileBackground(p, QRectF(QPointF(0, 0), size), QColor(0xf7, 0xfb, 0xff), QColor(0xe2, 0xec, 0xf5));
    fitDesign(p, size, QSizeF(120, 100));
    drawSnowflake(p, QPointF(26, 62), 16, cold, 2.6);
    drawSun(p, QPointF(94, 34), 11, QColor(0xf2, 0xb8, 0x1c));
    // Thermometer: glass tube, scale, red column.
    const QRectF tube(52, 10, 16, 66);
    drawBody(p, tube, 8, QColor(0xfc, 0xfc, 0xfc), QColor(0x6a, 0x74, 0x7e), 1.4);
    p.setPen(QPen(QColor(0x6a, 0x74, 0x7e), 1));
    for (double y = 20; y < 70; y += 8) p.drawLine(QPointF(68, y), QPointF(73, y));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xd6, 0x3a, 0x22));
    p.drawRoundedRect(QRectF(57, 36, 6, 46), 3, 3);
    QRadialGradient bulb(QPointF(57, 82), 12);
    bulb.setColorAt(0, QColor(0xf0, 0x6a, 0x4a));
    bulb.setColorAt(1, QColor(0xb0, 0x24, 0x12));
    p.setPen(QPen(QColor(0x6a, 0x74, 0x7e), 1.4));
    p.setBrush(bulb);
    p.drawEllipse(QPointF(60, 84), 11, 11);
}

void drawComponentStrip(QPainter& p, const QSizeF& size) {
    QLinearGradient band(QPointF(0, 0), QPointF(size.width(), 0));
    band.setColorAt(0, QColor(0xe4, 0xee, 0xf8));
    band.setColorAt(1, QColor(0xfa, 0xfc, 0xfe));
    p.setPen(Qt::NoPen);
    p.setBrush(band);
    p.drawRect(QRectF(QPointF(0, 0), size));
    void (*const row[])(QPainter&) = {drawHermeticCompressor, drawAirCooledCondenser, drawLiquidReceiver,
                                      drawFilterDrier,        drawSightGlass,         drawSolenoidValve,
                                      drawExpansionValve,     drawUnitCooler};
    const int count = std::size(row);
    const double side = size.height() * 0.92;
    const double gap = (size.width() - count * side) / count;
    for (int i = 0; i < count; ++i)
        drawComponentAt(p, row[i], QPointF(gap / 2 + i * (side + gap), size.height() * 0.04), side);
}

void drawIceCube(QPainter& p, const QSizeF& size) {
    p.setPen(Qt::NoPen);
    p.setBrush(buttonFace);
    p.drawRect(QRectF(QPointF(0, 0), size));
    fitDesign(p, size, QSizeF(100, 100));
    drawShadow(p, QRectF(14, 80, 76, 14), 70);
    // Three faces of a cube with softened edges, seen from above.
    const QPointF top(50, 12), left(14, 30), right(86, 30), centre(50, 48), bottomLeft(16, 70),
        bottomRight(84, 70), bottom(50, 90);
    auto face = [&](const QPolygonF& shape, const QColor& light, const QColor& dark) {
        QLinearGradient fill(shape.boundingRect().topLeft(), shape.boundingRect().bottomRight());
        fill.setColorAt(0, light);
        fill.setColorAt(1, dark);
        p.setPen(QPen(QColor(0x6f, 0xa8, 0xd6), 1.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(fill);
        p.drawPolygon(shape);
    };
    face(QPolygonF{top, right, centre, left}, QColor(0xf6, 0xfc, 0xff), QColor(0xcf, 0xe8, 0xfa));
    face(QPolygonF{left, centre, bottom, bottomLeft}, QColor(0xc4, 0xe2, 0xf8), QColor(0x8d, 0xc2, 0xec));
    face(QPolygonF{centre, right, bottomRight, bottom}, QColor(0xa6, 0xd2, 0xf2), QColor(0x6c, 0xaa, 0xde));
    // Inner cracks, bubbles and glints.
    p.setPen(QPen(QColor(255, 255, 255, 200), 1.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(22, 38), QPointF(40, 47));
    p.drawLine(QPointF(60, 56), QPointF(74, 49));
    p.drawLine(QPointF(26, 58), QPointF(28, 72));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 190));
    for (const auto& [at, radius] : {std::pair{QPointF(36, 64), 2.4}, std::pair{QPointF(66, 68), 1.8},
                                     std::pair{QPointF(70, 60), 1.2}, std::pair{QPointF(44, 24), 2.0}}) {
        p.drawEllipse(at, radius, radius);
    }
    p.setBrush(QColor(255, 255, 255, 230));
    p.drawPolygon(QPolygonF{QPointF(50, 16), QPointF(70, 26), QPointF(50, 22), QPointF(30, 28)});
    drawSnowflake(p, QPointF(84, 16), 8, QColor(0x5a, 0x9a, 0xd6), 1.5);
}

}  // namespace pictures
