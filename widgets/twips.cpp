#include "widgets/twips.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <cmath>

namespace tervalo {

namespace {

const QScreen* ScreenOf(const QWidget* widget) {
    if (widget && widget->screen()) return widget->screen();
    return QGuiApplication::primaryScreen();
}

}  // namespace

TwipsScale TwipsScale::Of(const QWidget* widget) {
    const QScreen* screen = ScreenOf(widget);
    return TwipsScale(screen ? screen->logicalDotsPerInchX() : 96.0);
}

int TwipsScale::Pixels(double twips) const {
    return static_cast<int>(std::lround(twips * pixelsPerTwip_));
}

double TwipsScale::Twips(int pixels) const {
    return pixels / pixelsPerTwip_;
}

double TwipsScale::ScreenWidthTwips(const QWidget* widget) {
    const QScreen* screen = ScreenOf(widget);
    return screen ? Of(widget).Twips(screen->size().width()) : 0.0;
}

double TwipsScale::ScreenHeightTwips(const QWidget* widget) {
    const QScreen* screen = ScreenOf(widget);
    return screen ? Of(widget).Twips(screen->size().height()) : 0.0;
}

}  // namespace tervalo
