#include "project/paint/feature_page.h"

#include <QFontMetricsF>
#include <QPainter>

#include "config/run_settings.h"
#include "localisation/languages.h"

namespace tervalo {

FeaturePageOptions FeaturePageOptionsOf(const FeatureFile& file, bool fileDamaged) {
    FeaturePageOptions options;
    options.fileDamaged = fileDamaged;
    options.texts = LoadFeatureTexts(file, Settings.LanguageCode);
    options.currency = Settings.CurrencyCode;
    options.decimalSeparator = ShownDecimalSeparator(Settings.LanguageCode);
    return options;
}

QFont PageFont(const QString& family, double points, bool bold) {
    QFont font(family);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

QRectF PageBody(const QRectF& page) {
    const double margin = page.width() * 0.07;
    return page.adjusted(margin, margin * 0.8, -margin, -margin * 0.8);
}

double DrawPageTitle(QPainter& painter, const QRectF& body, const QString& title, const QString& fontFamily) {
    painter.setFont(PageFont(fontFamily, 13, true));
    const QFontMetricsF metrics(painter.font(), painter.device());
    painter.drawText(QPointF(body.left(), body.top() + metrics.ascent()), title);
    return metrics.height() * 1.4;
}

}  // namespace tervalo
