#include "scene_parts.h"

#include <QPainterPath>
#include <QPolygonF>
#include <QRadialGradient>
#include <QRandomGenerator>

#include "paint_kit.h"

namespace pictures {
namespace {

const QColor plaster(0xf3, 0xe9, 0xd6);
const QColor roofTiles(0xa8, 0x45, 0x32);
const QColor blueprintLine(255, 255, 255, 210);

void placeBox(QPainter& painter, QPointF origin, double scale, double width, double height) {
    painter.translate(origin.x() - width * scale / 2, origin.y() - height * scale);
    painter.scale(scale, scale);
}

void drawWindow(QPainter& painter, const QRectF& frame, const HouseLook& look, bool hasRadiator) {
    if (look.blueprint) {
        painter.setPen(QPen(blueprintLine, 0.8));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(frame);
        painter.drawLine(QPointF(frame.center().x(), frame.top()),
                         QPointF(frame.center().x(), frame.bottom()));
        return;
    }
    QLinearGradient glass(frame.topLeft(), frame.bottomRight());
    if (look.warmWindows) {
        glass.setColorAt(0, QColor(0xff, 0xe7, 0xa0));
        glass.setColorAt(1, QColor(0xf5, 0xb0, 0x45));
    } else {
        glass.setColorAt(0, QColor(0xd8, 0xec, 0xfa));
        glass.setColorAt(0.5, QColor(0x9c, 0xc6, 0xe6));
        glass.setColorAt(1, QColor(0x6f, 0x9f, 0xc8));
    }
    painter.setPen(QPen(QColor(0xff, 0xff, 0xff), 1.6));
    painter.setBrush(glass);
    painter.drawRect(frame);
    if (look.showRadiators && hasRadiator) {
        // A warm glow rising from the radiator under the sill.
        QLinearGradient glow(frame.topLeft(), frame.bottomLeft());
        glow.setColorAt(0.3, QColor(0xff, 0x9a, 0x50, 0));
        glow.setColorAt(1.0, QColor(0xff, 0x8a, 0x40, 150));
        painter.setPen(Qt::NoPen);
        painter.setBrush(glow);
        painter.drawRect(frame);
        const QRectF radiator(frame.left() + 2, frame.bottom() - 5.5, frame.width() - 4, 4);
        painter.setPen(QPen(QColor(0xc0, 0x50, 0x30), 0.6));
        painter.setBrush(QColor(0xfa, 0xfa, 0xfa));
        painter.drawRect(radiator);
    }
    painter.setPen(QPen(QColor(0xff, 0xff, 0xff), 1.1));
    painter.drawLine(QPointF(frame.center().x(), frame.top()), QPointF(frame.center().x(), frame.bottom()));
    painter.setPen(QPen(QColor(0x6b, 0x5a, 0x48), 1.2));
    painter.drawLine(QPointF(frame.left() - 1.5, frame.bottom() + 0.8),
                     QPointF(frame.right() + 1.5, frame.bottom() + 0.8));
}

}  // namespace

void drawSky(QPainter& painter, const QRectF& rect, const QColor& top, const QColor& horizon) {
    drawTileBackground(painter, rect, top, horizon);
}

void drawGround(QPainter& painter, const QRectF& rect, const QColor& near, const QColor& far) {
    drawTileBackground(painter, rect, far, near);
}

void drawHouse(QPainter& painter, QPointF origin, double scale, const HouseLook& look) {
    painter.save();
    placeBox(painter, origin, scale, 100, 100);
    const QRectF walls(10, 46, 80, 54);
    const QPolygonF roof{QPointF(2, 50), QPointF(50, 10), QPointF(98, 50)};
    if (look.blueprint) {
        painter.setPen(QPen(blueprintLine, 1.1));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(walls);
        painter.drawPolygon(roof);
        painter.drawRect(QRectF(56, 72, 14, 28));
        painter.setPen(QPen(QColor(255, 255, 255, 120), 0.6, Qt::DashLine));
        painter.drawLine(QPointF(10, 106), QPointF(90, 106));
        painter.drawLine(QPointF(10, 103), QPointF(10, 109));
        painter.drawLine(QPointF(90, 103), QPointF(90, 109));
    } else {
        painter.setPen(QPen(QColor(0x8a, 0x78, 0x60), 1));
        painter.setBrush(faceShade(walls, plaster, 104));
        painter.drawRect(walls);
        // Shadow of the eaves on the wall.
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(0, 0, 0, 28));
        painter.drawRect(QRectF(10, 46, 80, 5));
        QLinearGradient tiles(QPointF(50, 10), QPointF(50, 50));
        tiles.setColorAt(0, roofTiles.lighter(115));
        tiles.setColorAt(1, roofTiles.darker(115));
        painter.setPen(QPen(roofTiles.darker(160), 1.2));
        painter.setBrush(tiles);
        painter.drawPolygon(roof);
        painter.setPen(QPen(roofTiles.darker(135), 0.6));
        for (double y = 18; y < 50; y += 6) {
            const double half = (y - 10) * 48 / 40;
            painter.drawLine(QPointF(50 - half + 1, y), QPointF(50 + half - 1, y));
        }
        if (look.snowOnRoof) {
            QPainterPath snow;
            snow.moveTo(1, 50);
            snow.lineTo(50, 9);
            snow.lineTo(99, 50);
            snow.cubicTo(96, 46, 92, 47, 88, 43);
            snow.cubicTo(80, 38, 70, 32, 50, 18);
            snow.cubicTo(34, 30, 24, 36, 14, 43);
            snow.cubicTo(9, 47, 5, 46, 1, 50);
            painter.setPen(QPen(QColor(0xc5, 0xd4, 0xe2), 0.6));
            painter.setBrush(QColor(0xfa, 0xfc, 0xff));
            painter.drawPath(snow);
        }
        // Door.
        const QRectF door(56, 72, 14, 28);
        painter.setPen(QPen(QColor(0x4a, 0x33, 0x22), 1));
        painter.setBrush(faceShade(door, QColor(0x7a, 0x52, 0x36)));
        painter.drawRect(door);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(0xe0, 0xc0, 0x60));
        painter.drawEllipse(QPointF(67, 87), 1, 1);
    }
    drawWindow(painter, QRectF(18, 60, 22, 18), look, true);
    drawWindow(painter, QRectF(74, 60, 11, 18), look, true);
    drawWindow(painter, QRectF(44, 28, 12, 11), look, false);
    painter.restore();
}

void drawOutdoorUnit(QPainter& painter, QPointF origin, double scale, bool blueprint) {
    painter.save();
    placeBox(painter, origin, scale, 100, 76);
    const QRectF casing(0, 0, 100, 68);
    if (blueprint) {
        painter.setPen(QPen(blueprintLine, 1.6));
        painter.setBrush(Qt::NoBrush);
        painter.drawRoundedRect(casing, 5, 5);
        painter.drawEllipse(QPointF(38, 34), 25, 25);
        painter.drawLine(QPointF(78, 10), QPointF(78, 58));
        painter.restore();
        return;
    }
    drawShadow(painter, QRectF(-6, 68, 112, 12), 70);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x4a, 0x50, 0x56));
    painter.drawRect(QRectF(8, 66, 12, 10));
    painter.drawRect(QRectF(80, 66, 12, 10));
    drawBody(painter, casing, 5, faceShade(casing, QColor(0xf2, 0xf4, 0xf6), 106), QColor(0x8a, 0x94, 0x9e),
             1.4);
    drawFan(painter, QPointF(38, 34), 25, QColor(0x90, 0x9a, 0xa4), QColor(0xd6, 0xdb, 0xe0));
    // Service panel and air inlet louvres on the right.
    painter.setPen(QPen(QColor(0xa8, 0xb0, 0xb8), 1));
    painter.drawLine(QPointF(72, 6), QPointF(72, 62));
    for (double y = 12; y < 56; y += 5) painter.drawLine(QPointF(78, y), QPointF(94, y));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x5b, 0xc2, 0x6a));
    painter.drawEllipse(QPointF(86, 60), 1.6, 1.6);
    painter.restore();
}

void drawConnectingLines(QPainter& painter, QPointF unitSide, QPointF wall, double width) {
    // Flow (warm) above return (cool), run side by side as one bundle.
    const QPointF offset(0, width * 0.75);
    for (const auto& [shift, colour] :
         {std::pair{-offset, QColor(0xd0, 0x50, 0x3a)}, std::pair{offset, QColor(0x3a, 0x7a, 0xc8)}}) {
        const QPointF from = unitSide + shift;
        const QPointF to(wall.x(), wall.y() + shift.y());
        QPainterPath line;
        line.moveTo(from);
        line.lineTo(QPointF((from.x() + to.x()) / 2, from.y()));
        line.lineTo(QPointF((from.x() + to.x()) / 2, to.y()));
        line.lineTo(to);
        painter.setBrush(Qt::NoBrush);
        painter.setPen(
            QPen(QColor(0x33, 0x33, 0x33), width + 1.4, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
        painter.drawPath(line);
        painter.setPen(QPen(colour, width, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
        painter.drawPath(line);
    }
}

void drawConifer(QPainter& painter, QPointF origin, double height, bool snowy) {
    painter.save();
    painter.translate(origin);
    const double w = height * 0.55;
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x6b, 0x4a, 0x30));
    painter.drawRect(QRectF(-w * 0.08, -height * 0.16, w * 0.16, height * 0.16));
    const QColor needles(0x2f, 0x6b, 0x44);
    for (int tier = 0; tier < 3; ++tier) {
        const double base = -height * (0.12 + tier * 0.26);
        const double half = w * (0.5 - tier * 0.12);
        const QPolygonF layer{QPointF(-half, base), QPointF(0, base - height * 0.42), QPointF(half, base)};
        QLinearGradient shade(QPointF(-half, 0), QPointF(half, 0));
        shade.setColorAt(0, needles.lighter(125));
        shade.setColorAt(1, needles.darker(125));
        painter.setBrush(shade);
        painter.drawPolygon(layer);
        if (snowy) {
            painter.setBrush(QColor(0xf6, 0xfa, 0xff));
            painter.drawPolygon(QPolygonF{
                QPointF(-half * 0.9, base - height * 0.01), QPointF(-half * 0.2, base - height * 0.08),
                QPointF(half * 0.3, base - height * 0.02), QPointF(half * 0.9, base - height * 0.01),
                QPointF(half, base), QPointF(-half, base)});
            painter.drawPolygon(QPolygonF{QPointF(-half * 0.22, base - height * 0.33),
                                          QPointF(0, base - height * 0.42),
                                          QPointF(half * 0.22, base - height * 0.33)});
        }
    }
    painter.restore();
}

void drawSnowfall(QPainter& painter, const QRectF& rect, int flakes, double size) {
    QRandomGenerator dice(20240611);
    painter.save();
    painter.setPen(Qt::NoPen);
    for (int i = 0; i < flakes; ++i) {
        const QPointF at(rect.left() + dice.bounded(rect.width()), rect.top() + dice.bounded(rect.height()));
        const double radius = size * (0.5 + dice.bounded(1.0));
        painter.setBrush(QColor(255, 255, 255, 150 + dice.bounded(100)));
        painter.drawEllipse(at, radius, radius);
    }
    painter.restore();
}

void drawBlueprint(QPainter& painter, const QRectF& rect) {
    drawTileBackground(painter, rect, QColor(0x2a, 0x5d, 0x96), QColor(0x1f, 0x4a, 0x7c));
    painter.save();
    const double step = rect.height() / 20;
    for (int i = 0; rect.left() + i * step <= rect.right(); ++i) {
        painter.setPen(QPen(QColor(255, 255, 255, i % 5 == 0 ? 55 : 22), 0.7));
        painter.drawLine(QPointF(rect.left() + i * step, rect.top()),
                         QPointF(rect.left() + i * step, rect.bottom()));
    }
    for (int i = 0; rect.top() + i * step <= rect.bottom(); ++i) {
        painter.setPen(QPen(QColor(255, 255, 255, i % 5 == 0 ? 55 : 22), 0.7));
        painter.drawLine(QPointF(rect.left(), rect.top() + i * step),
                         QPointF(rect.right(), rect.top() + i * step));
    }
    painter.restore();
}

}  // namespace pictures
