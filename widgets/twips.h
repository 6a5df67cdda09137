#pragma once

// Geometry of the windows is designed in twips (1440 per inch, so 15 per pixel at 96 dpi). The conversion
// uses the logical resolution of the widget's screen, which keeps the designed proportions at any resolution
// and, with high-DPI scaling, on any screen.

#include <QSize>

class QWidget;

namespace tervalo {

class TwipsScale {
  public:
    explicit TwipsScale(double dotsPerInch) : pixelsPerTwip_(dotsPerInch / kTwipsPerInch) {}
    // The scale of the screen the widget stands on (the primary screen before it is shown).
    static TwipsScale Of(const QWidget* widget);

    int Pixels(double twips) const;
    double Twips(int pixels) const;
    QSize Pixels(double widthTwips, double heightTwips) const {
        return {Pixels(widthTwips), Pixels(heightTwips)};
    }

    // The size of the widget's screen in twips, as the windows' placement rules compare it.
    static double ScreenWidthTwips(const QWidget* widget);
    static double ScreenHeightTwips(const QWidget* widget);

  private:
    static constexpr double kTwipsPerInch = 1440.0;
    double pixelsPerTwip_;
};

}  // namespace tervalo
