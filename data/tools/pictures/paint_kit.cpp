#include "paint_kit.h"

#include <QPainterPath>
#include <QPolygonF>
#include <QRadialGradient>
#include <QtMath>

namespace pictures {

QLinearGradient cylinderShade(const QRectF& rect, Qt::Orientation axis, const QColor& base) {
    QLinearGradient shade = axis == Qt::Horizontal ? QLinearGradient(rect.topLeft(), rect.bottomLeft())
                                                   : QLinearGradient(rect.topLeft(), rect.topRight());
    shade.setColorAt(0.0, base.darker(150));
    shade.setColorAt(0.25, base.lighter(150));
    shade.setColorAt(0.45, base.lighter(115));
    shade.setColorAt(0.85, base.darker(125));
    shade.setColorAt(1.0, base.darker(170));
    return shade;
}

QLinearGradient faceShade(const QRectF& rect, const QColor& base, int contrast) {
    QLinearGradient shade(rect.topLeft(), rect.bottomLeft());
    shade.setColorAt(0.0, base.lighter(contrast));
    shade.setColorAt(1.0, base.darker(contrast));
    return shade;
}

void drawPipe(QPainter& painter, QPointF from, QPointF to, double width, const QColor& colour) {
    const QLineF axis(from, to);
    const double length = axis.length();
    if (length <= 0) return;
    painter.save();
    painter.translate(from);
    painter.rotate(-axis.angle());
    const QRectF tube(0, -width / 2, length, width);
    painter.setPen(QPen(colour.darker(180), width * 0.12));
    painter.setBrush(cylinderShade(tube, Qt::Horizontal, colour));
    painter.drawRect(tube);
    painter.restore();
}

void drawNut(QPainter& painter, QPointF centre, double length, double across, Qt::Orientation axis,
             const QColor& colour) {
    // Side view of a hexagon: three visible flats, the middle one widest.
    const QRectF box = axis == Qt::Horizontal
                           ? QRectF(centre.x() - length / 2, centre.y() - across / 2, length, across)
                           : QRectF(centre.x() - across / 2, centre.y() - length / 2, across, length);
    painter.save();
    painter.setPen(QPen(colour.darker(200), 0.8));
    painter.setBrush(cylinderShade(box, axis, colour));
    painter.drawRoundedRect(box, 0.8, 0.8);
    painter.setPen(QPen(colour.darker(160), 0.6));
    if (axis == Qt::Horizontal) {
        painter.drawLine(QPointF(box.left(), box.top() + across * 0.27),
                         QPointF(box.right(), box.top() + across * 0.27));
        painter.drawLine(QPointF(box.left(), box.top() + across * 0.73),
                         QPointF(box.right(), box.top() + across * 0.73));
    } else {
        painter.drawLine(QPointF(box.left() + across * 0.27, box.top()),
                         QPointF(box.left() + across * 0.27, box.bottom()));
        painter.drawLine(QPointF(box.left() + across * 0.73, box.top()),
                         QPointF(box.left() + across * 0.73, box.bottom()));
    }
    painter.restore();
}

void drawShadow(QPainter& painter, const QRectF& ellipse, int strength) {
    QRadialGradient shade(ellipse.center(), ellipse.width() / 2);
    shade.setColorAt(0.0, QColor(0, 0, 0, strength));
    shade.setColorAt(1.0, QColor(0, 0, 0, 0));
    painter.save();
    painter.translate(ellipse.center());
    painter.scale(1.0, ellipse.height() / ellipse.width());
    painter.translate(-ellipse.center());
    painter.setPen(Qt::NoPen);
    painter.setBrush(shade);
    painter.drawEllipse(ellipse.center(), ellipse.width() / 2, ellipse.width() / 2);
    painter.restore();
}

void drawBody(QPainter& painter, const QRectF& rect, double radius, const QBrush& fill, const QColor& line,
              double lineWidth) {
    painter.save();
    painter.setPen(QPen(line, lineWidth));
    painter.setBrush(fill);
    painter.drawRoundedRect(rect, radius, radius);
    painter.restore();
}

void drawArrow(QPainter& painter, QPointF from, QPointF to, double width, const QColor& colour) {
    const QLineF line(from, to);
    const double head = width * 3.2;
    const QLineF back = QLineF(to, from).unitVector();
    const QPointF direction = back.p2() - back.p1();
    const QPointF normal(-direction.y(), direction.x());
    const QPointF base = to + direction * head;
    painter.save();
    painter.setPen(QPen(colour, width, Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(from, base);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawPolygon(QPolygonF{to, base + normal * head * 0.6, base - normal * head * 0.6});
    painter.restore();
}

void drawSnowflake(QPainter& painter, QPointF centre, double radius, const QColor& colour, double width) {
    painter.save();
    painter.translate(centre);
    painter.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap));
    for (int arm = 0; arm < 6; ++arm) {
        painter.drawLine(QPointF(0, 0), QPointF(0, -radius));
        painter.drawLine(QPointF(0, -radius * 0.55), QPointF(radius * 0.25, -radius * 0.8));
        painter.drawLine(QPointF(0, -radius * 0.55), QPointF(-radius * 0.25, -radius * 0.8));
        painter.rotate(60);
    }
    painter.restore();
}

void drawSun(QPainter& painter, QPointF centre, double radius, const QColor& colour) {
    painter.save();
    painter.translate(centre);
    painter.setPen(QPen(colour, radius * 0.18, Qt::SolidLine, Qt::RoundCap));
    for (int ray = 0; ray < 8; ++ray) {
        painter.drawLine(QPointF(0, -radius * 1.3), QPointF(0, -radius * 1.75));
        painter.rotate(45);
    }
    QRadialGradient disc(QPointF(-radius * 0.3, -radius * 0.3), radius * 1.3);
    disc.setColorAt(0, colour.lighter(140));
    disc.setColorAt(1, colour);
    painter.setPen(QPen(colour.darker(120), radius * 0.08));
    painter.setBrush(disc);
    painter.drawEllipse(QPointF(0, 0), radius, radius);
    painter.restore();
}

void drawFan(QPainter& painter, QPointF centre, double radius, const QColor& blade, const QColor& ring) {
    painter.save();
    painter.translate(centre);
    QRadialGradient well(QPointF(0, 0), radius);
    well.setColorAt(0.0, QColor(0x3b, 0x42, 0x48));
    well.setColorAt(1.0, QColor(0x1d, 0x22, 0x26));
    painter.setPen(QPen(ring, radius * 0.12));
    painter.setBrush(well);
    painter.drawEllipse(QPointF(0, 0), radius, radius);
    for (int b = 0; b < 5; ++b) {
        QPainterPath wing;
        wing.moveTo(0, 0);
        wing.cubicTo(radius * 0.35, -radius * 0.25, radius * 0.9, -radius * 0.2, radius * 0.85,
                     radius * 0.15);
        wing.cubicTo(radius * 0.6, radius * 0.25, radius * 0.3, radius * 0.15, 0, 0);
        painter.setPen(QPen(blade.darker(150), radius * 0.03));
        painter.setBrush(blade);
        painter.drawPath(wing);
        painter.rotate(72);
    }
    painter.setPen(QPen(ring.darker(140), radius * 0.04));
    painter.setBrush(ring);
    painter.drawEllipse(QPointF(0, 0), radius * 0.18, radius * 0.18);
    // Guard wires across the opening.
    painter.setPen(QPen(QColor(255, 255, 255, 70), radius * 0.03));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(QPointF(0, 0), radius * 0.5, radius * 0.5);
    painter.drawEllipse(QPointF(0, 0), radius * 0.75, radius * 0.75);
    painter.restore();
}

void drawTileBackground(QPainter& painter, const QRectF& rect, const QColor& top, const QColor& bottom) {
    QLinearGradient fill(rect.topLeft(), rect.bottomLeft());
    fill.setColorAt(0, top);
    fill.setColorAt(1, bottom);
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(fill);
    painter.drawRect(rect);
    painter.restore();
}

}  // namespace pictures
