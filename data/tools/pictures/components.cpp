// The fourteen refrigeration components of the welcome window, drawn in the manner of a
// product catalogue: a shaded side view on a light tile, copper connections left and right.
#include <QPainterPath>
#include <QPolygonF>
#include <QRadialGradient>

#include "drawings.h"
#include "paint_kit.h"

namespace pictures {
namespace {

using namespace palette;

void pipeWithNut(QPainter& p, QPointF outer, QPointF inner, double width, double nutAt) {
    drawPipe(p, outer, inner, width);
    const QPointF nut = outer + (inner - outer) * nutAt;
    drawNut(p, nut, width * 1.3, width * 1.8, outer.y() == inner.y() ? Qt::Horizontal : Qt::Vertical);
}

void glassWindow(QPainter& p, QPointF centre, double radius, const QColor& tint) {
    p.save();
    p.setPen(QPen(darkSteel, radius * 0.12));
    QRadialGradient rim(centre, radius * 1.3);
    rim.setColorAt(0.7, steel.lighter(120));
    rim.setColorAt(1.0, steel.darker(140));
    p.setBrush(rim);
    p.drawEllipse(centre, radius * 1.3, radius * 1.3);
    QRadialGradient glass(centre - QPointF(radius * 0.3, radius * 0.3), radius * 1.2);
    glass.setColorAt(0.0, tint.lighter(170));
    glass.setColorAt(1.0, tint.darker(130));
    p.setPen(QPen(darkSteel.darker(130), radius * 0.08));
    p.setBrush(glass);
    p.drawEllipse(centre, radius, radius);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 170));
    p.drawEllipse(centre - QPointF(radius * 0.35, radius * 0.4), radius * 0.3, radius * 0.2);
    p.restore();
}

QPainterPath capsule(const QRectF& r, Qt::Orientation axis) {
    QPainterPath path;
    const double radius = axis == Qt::Horizontal ? r.height() / 2 : r.width() / 2;
    path.addRoundedRect(r, radius * (axis == Qt::Horizontal ? 0.55 : 1.0),
                        radius * (axis == Qt::Horizontal ? 1.0 : 0.55));
    return path;
}

}  // namespace

void drawExpansionValve(QPainter& p) {
    drawShadow(p, QRectF(22, 80, 56, 10));
    pipeWithNut(p, QPointF(4, 64), QPointF(36, 64), 7, 0.8);
    pipeWithNut(p, QPointF(50, 96), QPointF(50, 78), 7, 0.75);
    // Body with the outlet turned down and the superheat adjusting spindle on the right.
    drawBody(p, QRectF(34, 50, 32, 28), 4, faceShade(QRectF(34, 50, 32, 28), brass));
    drawBody(p, QRectF(66, 58, 10, 12), 1.5, cylinderShade(QRectF(66, 58, 10, 12), Qt::Horizontal, brass));
    drawBody(p, QRectF(76, 60.5, 5, 7), 1, cylinderShade(QRectF(76, 60.5, 5, 7), Qt::Horizontal, steel));
    drawBody(p, QRectF(45, 42, 10, 8), 1, cylinderShade(QRectF(45, 42, 10, 8), Qt::Vertical, brass));
    // Power head: a flat capsule with the diaphragm inside.
    QPainterPath head;
    head.moveTo(26, 42);
    head.lineTo(74, 42);
    head.lineTo(74, 37);
    head.cubicTo(74, 26, 26, 26, 26, 37);
    head.closeSubpath();
    p.setPen(QPen(outline, 1.2));
    p.setBrush(cylinderShade(QRectF(26, 28, 48, 14), Qt::Vertical, steel));
    p.drawPath(head);
    p.setPen(QPen(darkSteel, 0.8));
    p.drawLine(QPointF(27, 38.5), QPointF(73, 38.5));
    // Capillary tube coiled once and ending in the sensing bulb.
    QPainterPath capillary;
    capillary.moveTo(50, 30);
    capillary.cubicTo(50, 14, 66, 8, 70, 16);
    capillary.cubicTo(74, 24, 60, 24, 62, 16);
    capillary.cubicTo(64, 8, 76, 8, 78, 14);
    p.setPen(QPen(copper.darker(115), 1.8, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(capillary);
    drawBody(p, QRectF(76, 10, 20, 8), 4, cylinderShade(QRectF(76, 10, 20, 8), Qt::Horizontal, copper));
}

void drawHermeticCompressor(QPainter& p) {
    drawShadow(p, QRectF(12, 84, 76, 12));
    drawBody(p, QRectF(16, 80, 68, 6), 1.5, faceShade(QRectF(16, 80, 68, 6), darkSteel));
    drawBody(p, QRectF(20, 86, 9, 5), 1, QColor(0x22, 0x22, 0x22));
    drawBody(p, QRectF(71, 86, 9, 5), 1, QColor(0x22, 0x22, 0x22));
    // Suction (large) and discharge (small) connections leave the shell on the right.
    drawPipe(p, QPointF(70, 56), QPointF(95, 56), 7);
    drawPipe(p, QPointF(70, 68), QPointF(92, 68), 5);
    drawPipe(p, QPointF(62, 30), QPointF(66, 14), 3.5);
    QPainterPath shell;
    shell.moveTo(24, 80);
    shell.lineTo(24, 40);
    shell.arcTo(QRectF(24, 18, 52, 40), 180, -180);
    shell.lineTo(76, 80);
    shell.arcTo(QRectF(24, 74, 52, 12), 0, -180);
    shell.closeSubpath();
    const QColor enamel(0x34, 0x38, 0x3d);
    p.setPen(QPen(QColor(0x15, 0x17, 0x19), 1.3));
    p.setBrush(cylinderShade(QRectF(24, 20, 52, 64), Qt::Vertical, enamel));
    p.drawPath(shell);
    // Weld seam where the two halves of the shell meet.
    p.setPen(QPen(QColor(0x7a, 0x80, 0x87), 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(24, 46, 52, 8), 180 * 16, 180 * 16);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 60));
    p.drawEllipse(QRectF(32, 24, 16, 9));
    // Terminal box on the left.
    drawBody(p, QRectF(13, 52, 13, 16), 2.5, faceShade(QRectF(13, 52, 13, 16), QColor(0x9a, 0xa3, 0xab)));
    p.setPen(QPen(QColor(0x22, 0x22, 0x22), 2.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(16, 68), QPointF(10, 78));
}

void drawSolenoidValve(QPainter& p) {
    drawShadow(p, QRectF(20, 80, 60, 10));
    pipeWithNut(p, QPointF(4, 72), QPointF(32, 72), 7, 0.8);
    pipeWithNut(p, QPointF(96, 72), QPointF(68, 72), 7, 0.8);
    drawBody(p, QRectF(30, 62, 40, 20), 4, faceShade(QRectF(30, 62, 40, 20), brass));
    drawBody(p, QRectF(44, 52, 12, 10), 1, cylinderShade(QRectF(44, 52, 12, 10), Qt::Vertical, steel));
    // Coil with its plug-on connector and cable.
    const QRectF coil(28, 20, 44, 34);
    drawBody(p, coil, 4, faceShade(coil, QColor(0x33, 0x37, 0x3b), 135), QColor(0x12, 0x14, 0x16));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 45));
    p.drawRoundedRect(QRectF(31, 23, 38, 6), 2, 2);
    drawBody(p, QRectF(34, 34, 32, 12), 1.5, QColor(0x4a, 0x50, 0x56), QColor(0x22, 0x25, 0x28), 0.8);
    p.setPen(QPen(QColor(0xf2, 0xc1, 0x2e), 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPolyline(QPolygonF{QPointF(52, 36), QPointF(47, 41), QPointF(53, 41), QPointF(48, 45)});
    drawBody(p, QRectF(45, 13, 10, 7), 1.5, cylinderShade(QRectF(45, 13, 10, 7), Qt::Vertical, steel));
    const QRectF plug(72, 24, 14, 22);
    drawBody(p, plug, 2, faceShade(plug, QColor(0x45, 0x4b, 0x52)), QColor(0x12, 0x14, 0x16));
    QPainterPath cable;
    cable.moveTo(86, 40);
    cable.cubicTo(94, 42, 92, 52, 97, 58);
    p.setPen(QPen(QColor(0x30, 0x30, 0x30), 3, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(cable);
}

void drawLiquidReceiver(QPainter& p) {
    drawShadow(p, QRectF(10, 82, 80, 12));
    // Saddle feet.
    for (const double x : {22.0, 66.0}) {
        QPolygonF saddle{QPointF(x, 70), QPointF(x + 12, 70), QPointF(x + 15, 86), QPointF(x - 3, 86)};
        p.setPen(QPen(outline, 1));
        p.setBrush(faceShade(saddle.boundingRect(), darkSteel));
        p.drawPolygon(saddle);
    }
    // Outlet valve with its line, then the tank.
    drawPipe(p, QPointF(70, 24), QPointF(96, 24), 5);
    drawPipe(p, QPointF(30, 24), QPointF(4, 24), 5);
    for (const double x : {30.0, 70.0}) {
        drawPipe(p, QPointF(x, 40), QPointF(x, 30), 6, steel);
        drawBody(p, QRectF(x - 7, 17, 14, 14), 2, faceShade(QRectF(x - 7, 17, 14, 14), brass));
        drawBody(p, QRectF(x - 4, 10, 8, 7), 1, cylinderShade(QRectF(x - 4, 10, 8, 7), Qt::Vertical, brass));
    }
    const QRectF tank(8, 38, 84, 36);
    p.setPen(QPen(outline, 1.3));
    p.setBrush(cylinderShade(tank, Qt::Horizontal, QColor(0x7d, 0x8e, 0x9c)));
    p.drawPath(capsule(tank, Qt::Horizontal));
    p.setPen(QPen(QColor(0x5a, 0x68, 0x74), 1));
    p.drawLine(QPointF(22, 39), QPointF(22, 73));
    p.drawLine(QPointF(78, 39), QPointF(78, 73));
    glassWindow(p, QPointF(50, 57), 6, QColor(0x5f, 0xa8, 0xd6));
}

void drawSightGlass(QPainter& p) {
    drawShadow(p, QRectF(20, 80, 60, 10));
    pipeWithNut(p, QPointF(4, 66), QPointF(30, 66), 7, 0.78);
    pipeWithNut(p, QPointF(96, 66), QPointF(70, 66), 7, 0.78);
    const QRectF body(28, 46, 44, 38);
    drawBody(p, body, 6, faceShade(body, brass));
    // Moisture indicator: green means dry refrigerant.
    glassWindow(p, QPointF(50, 62), 12, QColor(0x9f, 0xd8, 0xf0));
    p.setPen(QPen(QColor(0x1f, 0x7a, 0x2f), 0.8));
    QRadialGradient dot(QPointF(48, 60), 6);
    dot.setColorAt(0, QColor(0x8a, 0xe2, 0x34));
    dot.setColorAt(1, QColor(0x3c, 0x8a, 0x16));
    p.setBrush(dot);
    p.drawEllipse(QPointF(50, 62), 5, 5);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 180));
    p.drawEllipse(QPointF(46, 57), 2.5, 1.6);
}

void drawFilterDrier(QPainter& p) {
    drawShadow(p, QRectF(12, 72, 76, 10));
    pipeWithNut(p, QPointF(2, 54), QPointF(18, 54), 6, 0.7);
    pipeWithNut(p, QPointF(98, 54), QPointF(82, 54), 6, 0.7);
    // Shell with cone-shaped ends.
    QPainterPath shell;
    shell.moveTo(14, 50);
    shell.lineTo(26, 38);
    shell.lineTo(74, 38);
    shell.lineTo(86, 50);
    shell.lineTo(86, 58);
    shell.lineTo(74, 70);
    shell.lineTo(26, 70);
    shell.lineTo(14, 58);
    shell.closeSubpath();
    p.setPen(QPen(outline, 1.3));
    p.setBrush(cylinderShade(QRectF(14, 38, 72, 32), Qt::Horizontal, copper));
    p.drawPath(shell);
    // Label band with the flow arrow.
    const QRectF label(34, 38, 32, 32);
    p.setPen(QPen(QColor(0x1e, 0x4a, 0x7a), 0.8));
    p.setBrush(cylinderShade(label, Qt::Horizontal, QColor(0x2f, 0x6d, 0xb5)));
    p.drawRect(label);
    drawArrow(p, QPointF(38, 54), QPointF(62, 54), 3, Qt::white);
}

void drawUnitCooler(QPainter& p) {
    // Ceiling brackets, casing with two fans, drip tray and cold air leaving downwards.
    drawBody(p, QRectF(16, 8, 8, 12), 1, faceShade(QRectF(16, 8, 8, 12), darkSteel));
    drawBody(p, QRectF(76, 8, 8, 12), 1, faceShade(QRectF(76, 8, 8, 12), darkSteel));
    const QRectF casing(6, 18, 88, 50);
    drawBody(p, casing, 4, faceShade(casing, QColor(0xe6, 0xea, 0xee), 108), QColor(0x6a, 0x74, 0x7e));
    drawFan(p, QPointF(30, 43), 18, QColor(0x9e, 0xa8, 0xb2), QColor(0xc8, 0xd0, 0xd8));
    drawFan(p, QPointF(70, 43), 18, QColor(0x9e, 0xa8, 0xb2), QColor(0xc8, 0xd0, 0xd8));
    drawBody(p, QRectF(8, 66, 84, 6), 2, faceShade(QRectF(8, 66, 84, 6), steel));
    for (const double x : {18.0, 42.0, 66.0}) drawArrow(p, QPointF(x, 76), QPointF(x, 96), 3, cold);
    drawSnowflake(p, QPointF(86, 86), 7, cold, 1.5);
}

void drawAirCooledCondenser(QPainter& p) {
    // Header and connections on the right, finned coil with a large fan, warm air rising.
    drawPipe(p, QPointF(86, 30), QPointF(86, 82), 5);
    drawPipe(p, QPointF(86, 34), QPointF(98, 34), 5);
    drawPipe(p, QPointF(86, 78), QPointF(98, 78), 4);
    const QRectF casing(6, 26, 78, 62);
    drawBody(p, casing, 3, faceShade(casing, QColor(0x5c, 0x66, 0x70)), QColor(0x22, 0x26, 0x2a));
    p.setPen(QPen(QColor(0x9a, 0xa4, 0xae), 0.7));
    for (double x = 10; x < 82; x += 2.6) p.drawLine(QPointF(x, 29), QPointF(x, 85));
    drawFan(p, QPointF(45, 57), 26, QColor(0x8e, 0x98, 0xa2), QColor(0xb8, 0xc0, 0xc8));
    p.setBrush(Qt::NoBrush);
    for (int wave = 0; wave < 3; ++wave) {
        QPainterPath heat;
        const double x = 24 + wave * 21;
        heat.moveTo(x, 22);
        heat.cubicTo(x - 5, 17, x + 5, 12, x, 7);
        heat.cubicTo(x - 4, 4, x + 2, 1, x, 0);
        p.setPen(QPen(hot, 2.6, Qt::SolidLine, Qt::RoundCap));
        p.drawPath(heat);
    }
}

void drawShutOffValve(QPainter& p) {
    drawShadow(p, QRectF(20, 82, 60, 10));
    pipeWithNut(p, QPointF(4, 72), QPointF(32, 72), 7, 0.8);
    pipeWithNut(p, QPointF(96, 72), QPointF(68, 72), 7, 0.8);
    const QRectF body(28, 58, 44, 28);
    p.setPen(QPen(outline, 1.2));
    p.setBrush(faceShade(body, brass));
    p.drawEllipse(body);
    drawBody(p, QRectF(40, 42, 20, 18), 2, cylinderShade(QRectF(40, 42, 20, 18), Qt::Vertical, brass));
    drawNut(p, QPointF(50, 44), 6, 24, Qt::Vertical);
    drawPipe(p, QPointF(50, 41), QPointF(50, 24), 5, steel);
    // Handwheel, seen slightly from above.
    const QRectF wheel(22, 14, 56, 16);
    p.setPen(QPen(QColor(0x7a, 0x12, 0x12), 5.5));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(wheel);
    p.setPen(QPen(QColor(0xd8, 0x3a, 0x2e), 3.5));
    p.drawEllipse(wheel);
    p.setPen(QPen(QColor(0xb0, 0x22, 0x1c), 2.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(25, 22), QPointF(75, 22));
    p.drawLine(QPointF(38, 15.5), QPointF(62, 28.5));
    drawBody(p, QRectF(45, 18, 10, 8), 2, faceShade(QRectF(45, 18, 10, 8), steel));
}

void drawOilSeparator(QPainter& p) {
    drawShadow(p, QRectF(22, 86, 56, 10));
    drawPipe(p, QPointF(4, 26), QPointF(36, 26), 6);
    drawPipe(p, QPointF(50, 16), QPointF(50, 4), 6);
    drawPipe(p, QPointF(48, 7), QPointF(96, 7), 6);
    // Oil return line leaving the bottom.
    drawPipe(p, QPointF(50, 84), QPointF(50, 93), 3.5);
    drawPipe(p, QPointF(48.5, 93), QPointF(92, 93), 3.5);
    const QRectF shell(32, 12, 36, 76);
    p.setPen(QPen(QColor(0x15, 0x17, 0x19), 1.3));
    p.setBrush(cylinderShade(shell, Qt::Vertical, QColor(0x4a, 0x52, 0x5a)));
    p.drawPath(capsule(shell, Qt::Vertical));
    p.setPen(QPen(QColor(0x78, 0x80, 0x88), 1));
    p.drawLine(QPointF(33, 30), QPointF(67, 30));
    p.drawLine(QPointF(33, 74), QPointF(67, 74));
    glassWindow(p, QPointF(50, 62), 6, QColor(0xe8, 0xa0, 0x20));
    // A drop of oil on its way back to the compressor.
    QPainterPath drop;
    drop.moveTo(82, 74);
    drop.cubicTo(86, 80, 88, 83, 88, 85);
    drop.arcTo(QRectF(76, 80, 12, 10), 0, -180);
    drop.cubicTo(76, 83, 78, 80, 82, 74);
    p.setPen(QPen(QColor(0x8a, 0x5a, 0x05), 0.8));
    QRadialGradient amber(QPointF(80, 82), 8);
    amber.setColorAt(0, QColor(0xf8, 0xd0, 0x60));
    amber.setColorAt(1, QColor(0xd0, 0x8a, 0x10));
    p.setBrush(amber);
    p.drawPath(drop);
}

void drawSemiHermeticCompressor(QPainter& p) {
    drawShadow(p, QRectF(6, 84, 88, 10));
    const QColor cast(0x56, 0x71, 0x8c);
    drawBody(p, QRectF(8, 80, 82, 6), 1, faceShade(QRectF(8, 80, 82, 6), darkSteel));
    // Service valves with their lines.
    drawPipe(p, QPointF(20, 30), QPointF(20, 6), 6);
    drawPipe(p, QPointF(77, 22), QPointF(77, 4), 5);
    // Motor housing with cooling ribs.
    const QRectF motor(6, 38, 48, 42);
    drawBody(p, motor, 9, cylinderShade(motor, Qt::Horizontal, cast), QColor(0x1d, 0x2a, 0x38));
    p.setPen(QPen(cast.darker(150), 1.2));
    for (double x = 14; x < 50; x += 5) p.drawLine(QPointF(x, 41), QPointF(x, 77));
    // Crankcase, cylinder head with bolts.
    const QRectF crankcase(52, 46, 38, 34);
    drawBody(p, crankcase, 3, faceShade(crankcase, cast), QColor(0x1d, 0x2a, 0x38));
    const QRectF cylinderHead(56, 30, 32, 16);
    drawBody(p, cylinderHead, 2.5, faceShade(cylinderHead, cast.lighter(115)), QColor(0x1d, 0x2a, 0x38));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xd0, 0xd6, 0xdc));
    for (const double x : {60.0, 68.0, 76.0, 84.0}) p.drawEllipse(QPointF(x, 33.5), 1.4, 1.4);
    drawBody(p, QRectF(71, 20, 12, 10), 2, faceShade(QRectF(71, 20, 12, 10), brass));
    drawBody(p, QRectF(14, 28, 12, 11), 2, faceShade(QRectF(14, 28, 12, 11), brass));
    drawBody(p, QRectF(30, 31, 17, 8), 1.5, faceShade(QRectF(30, 31, 17, 8), QColor(0x3a, 0x3f, 0x44)));
    glassWindow(p, QPointF(80, 66), 4.5, QColor(0xe8, 0xb0, 0x30));
}

void drawPlateHeatExchanger(QPainter& p) {
    drawShadow(p, QRectF(20, 86, 64, 10));
    // Stack of brazed plates, seen on the right side.
    QPolygonF stack{QPointF(70, 12), QPointF(82, 6), QPointF(82, 84), QPointF(70, 90)};
    p.setPen(QPen(outline, 1));
    p.setBrush(steel.darker(110));
    p.drawPolygon(stack);
    for (double x = 71.5; x < 82; x += 1.5) {
        p.setPen(QPen(int(x * 2) % 2 ? copper : steel.lighter(110), 0.8));
        const double t = (x - 70) / 12;
        p.drawLine(QPointF(x, 12 - 6 * t), QPointF(x, 90 - 6 * t));
    }
    const QRectF cover(26, 12, 44, 78);
    drawBody(p, cover, 4, faceShade(cover, steel, 112));
    // Four connections; water enters cold and leaves warm.
    const struct {
        QPointF at;
        QColor ring;
    } ports[] = {
        {QPointF(37, 24), hot}, {QPointF(59, 24), steel}, {QPointF(37, 78), cold}, {QPointF(59, 78), steel}};
    for (const auto& port : ports) {
        QRadialGradient nozzle(port.at - QPointF(1.5, 1.5), 8);
        nozzle.setColorAt(0, steel.lighter(140));
        nozzle.setColorAt(1, steel.darker(130));
        p.setPen(QPen(port.ring == steel ? darkSteel : port.ring, 2));
        p.setBrush(nozzle);
        p.drawEllipse(port.at, 7, 7);
        p.setPen(QPen(darkSteel, 0.8));
        p.setBrush(QColor(0x30, 0x36, 0x3c));
        p.drawEllipse(port.at, 3.5, 3.5);
    }
    drawArrow(p, QPointF(26, 24), QPointF(6, 24), 2.6, hot);
    drawArrow(p, QPointF(6, 78), QPointF(26, 78), 2.6, cold);
}

void drawPressureSwitch(QPainter& p) {
    drawShadow(p, QRectF(22, 84, 56, 10));
    drawPipe(p, QPointF(50, 80), QPointF(50, 97), 4);
    drawNut(p, QPointF(50, 90), 6, 9, Qt::Vertical);
    drawBody(p, QRectF(42, 72, 16, 10), 2, faceShade(QRectF(42, 72, 16, 10), brass));
    // Cable gland and cable on the right.
    QPainterPath cable;
    cable.moveTo(82, 62);
    cable.cubicTo(90, 62, 90, 72, 97, 78);
    p.setPen(QPen(QColor(0x30, 0x30, 0x30), 3, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(cable);
    drawBody(p, QRectF(76, 57, 8, 10), 1.5, faceShade(QRectF(76, 57, 8, 10), QColor(0x2a, 0x2a, 0x2a)));
    // Housing, range spindle on top and the setting scale with its pointer.
    drawBody(p, QRectF(46, 6, 8, 8), 1, cylinderShade(QRectF(46, 6, 8, 8), Qt::Vertical, steel));
    p.setPen(QPen(darkSteel, 1));
    p.drawLine(QPointF(50, 6.5), QPointF(50, 10));
    const QRectF housing(22, 13, 56, 60);
    drawBody(p, housing, 5, faceShade(housing, QColor(0xd2, 0xd7, 0xdc), 110), QColor(0x55, 0x5d, 0x66));
    const QRectF scale(31, 22, 38, 22);
    drawBody(p, scale, 2, QColor(0xfa, 0xfa, 0xf6), QColor(0x55, 0x5d, 0x66), 0.9);
    p.setPen(QPen(QColor(0x33, 0x33, 0x33), 0.8));
    for (int tick = 0; tick <= 10; ++tick) {
        const double x = 35 + tick * 3;
        p.drawLine(QPointF(x, 26), QPointF(x, tick % 5 == 0 ? 33 : 30));
    }
    p.setPen(QPen(hot, 1.6));
    p.drawLine(QPointF(50.5, 24), QPointF(50.5, 40));
    // Reset button.
    QRadialGradient button(QPointF(49, 57), 7);
    button.setColorAt(0, QColor(0x4a, 0x8c, 0xd8));
    button.setColorAt(1, QColor(0x1c, 0x4e, 0x8c));
    p.setPen(QPen(QColor(0x12, 0x30, 0x55), 1));
    p.setBrush(button);
    p.drawEllipse(QPointF(50, 58), 6, 6);
}

void drawShellAndTubeCondenser(QPainter& p) {
    drawShadow(p, QRectF(10, 84, 80, 10));
    for (const double x : {28.0, 68.0}) {
        QPolygonF saddle{QPointF(x, 68), QPointF(x + 10, 68), QPointF(x + 13, 86), QPointF(x - 3, 86)};
        p.setPen(QPen(outline, 1));
        p.setBrush(faceShade(saddle.boundingRect(), darkSteel));
        p.drawPolygon(saddle);
    }
    // Refrigerant in at the top (hot gas), out at the bottom (liquid).
    drawPipe(p, QPointF(60, 40), QPointF(60, 14), 6);
    drawPipe(p, QPointF(48, 70), QPointF(48, 94), 4.5);
    // Water connections on the front head: warm water out above, cold water in below.
    const struct {
        double y;
        QColor flange;
    } nozzles[] = {{42, hot}, {68, cold}};
    for (const auto& nozzle : nozzles) {
        drawPipe(p, QPointF(16, nozzle.y), QPointF(4, nozzle.y), 6, steel);
        drawBody(p, QRectF(2, nozzle.y - 6, 4, 12), 1,
                 faceShade(QRectF(2, nozzle.y - 6, 4, 12), nozzle.flange));
    }
    const QRectF shell(20, 36, 64, 38);
    p.setPen(QPen(outline, 1.3));
    p.setBrush(cylinderShade(shell, Qt::Horizontal, QColor(0x4c, 0x6a, 0x86)));
    p.drawRect(shell);
    // Water heads with bolted flanges.
    for (const double x : {13.0, 84.0}) {
        drawBody(p, QRectF(x, 30, 8, 50), 2, cylinderShade(QRectF(x, 30, 8, 50), Qt::Horizontal, steel));
        p.setPen(Qt::NoPen);
        p.setBrush(darkSteel);
        for (double y = 34; y < 78; y += 7) p.drawEllipse(QPointF(x + 4, y), 1.2, 1.2);
    }
}

}  // namespace pictures
