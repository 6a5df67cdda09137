#include "widgets/window_text.h"

#include <QLocale>

#include "config/run_settings.h"
#include "localisation/code_page.h"
#include "localisation/languages.h"
#include "localisation/shown_numbers.h"

namespace tervalo {

QString DisplayText(std::string_view bytes) {
    QString text = QString::fromStdString(CodePageToUtf8(bytes, CodePageOf(Settings.LanguageCode)));
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    return text;
}

QString DisplayNumbers(std::string_view bytes) {
    return DisplayText(ShownNumbers(bytes, ShownSeparator()));
}

QString DisplayUnits(std::string_view bytes) {
    return QString::fromStdString(SuperscriptUnits(CodePageToUtf8(bytes, CodePageOf(Settings.LanguageCode))));
}

char ShownSeparator() {
    return ShownDecimalSeparator(Settings.LanguageCode);
}

std::string TypedText(const QString& text) {
    return Utf8ToCodePage(text.toStdString(), CodePageOf(Settings.LanguageCode));
}

QString MenuCaption(const QString& caption) {
    QString escaped = caption;
    escaped.replace(QLatin1Char('&'), QLatin1String("&&"));
    return QLatin1Char('&') + escaped;
}

char SystemDecimalSeparator() {
    return QLocale::system().decimalPoint() == QLatin1String(",") ? ',' : '.';
}

}  // namespace tervalo
