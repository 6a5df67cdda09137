// Building blocks of the landscape pictures: sky, ground, house, heat-pump unit, trees.
// Each part is drawn in its own 100-unit box placed by `origin` (bottom centre) and `scale`.
#pragma once

#include <QPainter>
#include <QRectF>

namespace pictures {

struct HouseLook {
    bool snowOnRoof = false;
    bool warmWindows = false;    // lit from inside (evening)
    bool blueprint = false;      // only white construction lines
    bool showRadiators = false;  // heat visible behind the windows
};

void drawSky(QPainter& painter, const QRectF& rect, const QColor& top, const QColor& horizon);
void drawGround(QPainter& painter, const QRectF& rect, const QColor& near, const QColor& far);
// House 100 units wide and 100 high above `origin` (bottom centre) at `scale` pixels per unit.
void drawHouse(QPainter& painter, QPointF origin, double scale, const HouseLook& look);
// Outdoor heat-pump unit 100 units wide and 76 high above `origin`.
void drawOutdoorUnit(QPainter& painter, QPointF origin, double scale, bool blueprint = false);
// Insulated flow and return lines from the unit's side into the house wall.
void drawConnectingLines(QPainter& painter, QPointF unitSide, QPointF wall, double width);
void drawConifer(QPainter& painter, QPointF origin, double height, bool snowy);
// Falling snow over `rect`, the same flakes every time.
void drawSnowfall(QPainter& painter, const QRectF& rect, int flakes, double size);
// A blueprint sheet: blue paper with a fine and a coarse grid.
void drawBlueprint(QPainter& painter, const QRectF& rect);

}  // namespace pictures
