// The pictures that are drawn by code rather than rendered from an SVG file.
#pragma once

#include <QPainter>
#include <QSizeF>
#include <QString>

namespace pictures {

// Draws the picture called `name` over the whole `size`, reading `sourceFile` where the
// picture needs data; false for an unknown name or unreadable data.
bool drawNamedPicture(const QString& name, const QString& sourceFile, QPainter& painter, const QSizeF& size);

// The refrigeration components, each drawn into a 100 x 100 logical square.
void drawExpansionValve(QPainter& painter);
void drawHermeticCompressor(QPainter& painter);
void drawSolenoidValve(QPainter& painter);
void drawLiquidReceiver(QPainter& painter);
void drawSightGlass(QPainter& painter);
void drawFilterDrier(QPainter& painter);
void drawUnitCooler(QPainter& painter);
void drawAirCooledCondenser(QPainter& painter);
void drawShutOffValve(QPainter& painter);
void drawOilSeparator(QPainter& painter);
void drawSemiHermeticCompressor(QPainter& painter);
void drawPlateHeatExchanger(QPainter& painter);
void drawPressureSwitch(QPainter& painter);
void drawShellAndTubeCondenser(QPainter& painter);

// Scenes and decorations, drawn over the whole `size`.
void drawRefrigerationCycle(QPainter& painter, const QSizeF& size);
void drawPressureEnthalpyChart(QPainter& painter, const QSizeF& size);
void drawHouseScene(QPainter& painter, const QSizeF& size, bool winter);
void drawHouseSection(QPainter& painter, const QSizeF& size);
void drawInstallationStage(QPainter& painter, const QSizeF& size, int stage);
void drawEmblem(QPainter& painter, const QSizeF& size);
void drawRadiator(QPainter& painter, const QSizeF& size);
void drawClimateMark(QPainter& painter, const QSizeF& size);
void drawComponentStrip(QPainter& painter, const QSizeF& size);
void drawIceCube(QPainter& painter, const QSizeF& size);
bool drawClimateMap(QPainter& painter, const QSizeF& size, const QString& outlineFile);
// Climate zone of the map at a place (degrees east, degrees north): 1 (mild) to 4 (cold).
int climateZoneAt(double lon, double lat);

}  // namespace pictures
