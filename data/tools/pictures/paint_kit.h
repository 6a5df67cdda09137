// Small drawing helpers shared by the hand-drawn pictures: shaded metal, copper pipes,
// nuts, shadows and the like. All take coordinates in the caller's logical units.
#pragma once

#include <QColor>
#include <QLinearGradient>
#include <QPainter>
#include <QPointF>
#include <QRectF>

namespace pictures {

// Colours used across the pictures so that they read as one family.
namespace palette {
inline const QColor copper{0xc8, 0x7a, 0x45};
inline const QColor brass{0xd9, 0xb2, 0x4c};
inline const QColor steel{0xa9, 0xb4, 0xbe};
inline const QColor darkSteel{0x55, 0x5f, 0x69};
inline const QColor enamelBlue{0x3a, 0x6e, 0xa5};
inline const QColor enamelGreen{0x3d, 0x6b, 0x4f};
inline const QColor frost{0xdc, 0xee, 0xfa};
inline const QColor hot{0xd9, 0x48, 0x2b};
inline const QColor cold{0x2f, 0x7c, 0xd0};
inline const QColor outline{0x2e, 0x34, 0x36};
inline const QColor buttonFace{0xf0, 0xf0, 0xf0};
}  // namespace palette

// A gradient across `rect` that makes a flat fill look like a lit cylinder whose axis runs
// along `axis` (light from the upper left).
QLinearGradient cylinderShade(const QRectF& rect, Qt::Orientation axis, const QColor& base);

// A gradient that lights a flat face from the top.
QLinearGradient faceShade(const QRectF& rect, const QColor& base, int contrast = 115);

// A straight pipe of the given width between two points, shaded as a tube.
void drawPipe(QPainter& painter, QPointF from, QPointF to, double width,
              const QColor& colour = palette::copper);

// A hexagonal nut seen from the side, centred on `centre`, its axis along `axis`.
void drawNut(QPainter& painter, QPointF centre, double length, double across, Qt::Orientation axis,
             const QColor& colour = palette::brass);

// A soft elliptic shadow under an object.
void drawShadow(QPainter& painter, const QRectF& ellipse, int strength = 90);

// A rounded body with outline and shading, the basic shape of most components.
void drawBody(QPainter& painter, const QRectF& rect, double radius, const QBrush& fill,
              const QColor& line = palette::outline, double lineWidth = 1.2);

// Flow arrow: a line with a filled head at `to`.
void drawArrow(QPainter& painter, QPointF from, QPointF to, double width, const QColor& colour);

// Snowflake with six arms, used for cold and climate marks.
void drawSnowflake(QPainter& painter, QPointF centre, double radius, const QColor& colour, double width);

// Sun: a disc with rays.
void drawSun(QPainter& painter, QPointF centre, double radius, const QColor& colour);

// An axial fan seen from the front: guard ring, blades and hub.
void drawFan(QPainter& painter, QPointF centre, double radius, const QColor& blade, const QColor& ring);

// The white picture frame with a thin border used by the tile-like pictures.
void drawTileBackground(QPainter& painter, const QRectF& rect, const QColor& top, const QColor& bottom);

}  // namespace pictures
