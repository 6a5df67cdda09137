#include "drawings.h"

#include <functional>
#include <map>

#include "paint_kit.h"

namespace pictures {
namespace {

// A component on the light catalogue tile.
std::function<bool(QPainter&, const QSizeF&)> component(void (*draw)(QPainter&)) {
    return [draw](QPainter& painter, const QSizeF& size) {
        painter.scale(size.width() / 100, size.height() / 100);
        drawTileBackground(painter, QRectF(0, 0, 100, 100), QColor(0xff, 0xff, 0xff),
                           QColor(0xe3, 0xea, 0xf0));
        draw(painter);
        return true;
    };
}

std::function<bool(QPainter&, const QSizeF&)> scene(std::function<void(QPainter&, const QSizeF&)> draw) {
    return [draw](QPainter& painter, const QSizeF& size) {
        draw(painter, size);
        return true;
    };
}

}  // namespace

bool drawNamedPicture(const QString& name, const QString& sourceFile, QPainter& painter, const QSizeF& size) {
    using namespace std::placeholders;
    static const std::map<QString, std::function<bool(QPainter&, const QSizeF&)>> drawings = {
        {"expansion-valve", component(drawExpansionValve)},
        {"hermetic-compressor", component(drawHermeticCompressor)},
        {"solenoid-valve", component(drawSolenoidValve)},
        {"liquid-receiver", component(drawLiquidReceiver)},
        {"sight-glass", component(drawSightGlass)},
        {"filter-drier", component(drawFilterDrier)},
        {"unit-cooler", component(drawUnitCooler)},
        {"air-cooled-condenser", component(drawAirCooledCondenser)},
        {"shut-off-valve", component(drawShutOffValve)},
        {"oil-separator", component(drawOilSeparator)},
        {"semi-hermetic-compressor", component(drawSemiHermeticCompressor)},
        {"plate-heat-exchanger", component(drawPlateHeatExchanger)},
        {"pressure-switch", component(drawPressureSwitch)},
        {"shell-and-tube-condenser", component(drawShellAndTubeCondenser)},
        {"refrigeration-cycle", scene(drawRefrigerationCycle)},
        {"pressure-enthalpy-chart", scene(drawPressureEnthalpyChart)},
        {"house-winter", scene(std::bind(drawHouseScene, _1, _2, true))},
        {"house-summer", scene(std::bind(drawHouseScene, _1, _2, false))},
        {"house-section", scene(drawHouseSection)},
        {"emblem", scene(drawEmblem)},
        {"radiator", scene(drawRadiator)},
        {"climate-mark", scene(drawClimateMark)},
        {"component-strip", scene(drawComponentStrip)},
        {"ice-cube", scene(drawIceCube)},
        {"installation-sheet", scene(std::bind(drawInstallationStage, _1, _2, 0))},
        {"installation-plan", scene(std::bind(drawInstallationStage, _1, _2, 1))},
        {"installation-house", scene(std::bind(drawInstallationStage, _1, _2, 2))},
        {"installation-unit", scene(std::bind(drawInstallationStage, _1, _2, 3))},
        {"installation-connected", scene(std::bind(drawInstallationStage, _1, _2, 4))},
        {"installation-evening", scene(std::bind(drawInstallationStage, _1, _2, 5))},
        {"installation-done", scene(std::bind(drawInstallationStage, _1, _2, 6))},
    };
    if (name == "climate-map") return drawClimateMap(painter, size, sourceFile);
    const auto found = drawings.find(name);
    return found != drawings.end() && found->second(painter, size);
}

}  // namespace pictures
