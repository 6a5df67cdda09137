#pragma once

// What the optional pages of the features (lifetime, seasons) share: the options they are drawn with beside
// their figures, their fonts and their heading. Links Qt Gui only.

#include <QFont>
#include <QRectF>
#include <QString>
#include <string>

#include "localisation/feature_texts.h"

class QPainter;

namespace tervalo {

struct FeaturePageOptions {
    bool fileDamaged = false;  // the feature's side file was damaged: defaults stand in
    FeatureTexts texts;        // the feature's caption file in the run's language
    std::string currency;      // code-page bytes
    char decimalSeparator = '.';
};

// The options of the run: the feature's texts in its language, its currency and decimal separator.
FeaturePageOptions FeaturePageOptionsOf(const FeatureFile& file, bool fileDamaged);

// A font of `family` of `points` in points of the painter's device.
QFont PageFont(const QString& family, double points, bool bold = false);

// The sheet less its margins.
QRectF PageBody(const QRectF& page);

// Draws `title` as the page's heading at the top of `body`; returns the height it takes with the space below.
double DrawPageTitle(QPainter& painter, const QRectF& body, const QString& title, const QString& fontFamily);

}  // namespace tervalo
