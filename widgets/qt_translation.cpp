#include "widgets/qt_translation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace tervalo {

namespace {

constexpr char kTranslatorName[] = "QtTranslation";

}  // namespace

QString QtTranslationLocale(std::string_view languageCode) {
    // Greek, Swedish and Romanian have none among Qt's translations; Portuguese has the Brazilian one.
    static constexpr std::pair<std::string_view, const char*> kLocales[] = {
        {"ARA", "ar"}, {"BUL", "bg"}, {"GER", "de"},    {"FRA", "fr"}, {"ESP", "es"}, {"HUN", "hu"},
        {"NDL", "nl"}, {"ITA", "it"}, {"POR", "pt_BR"}, {"RUS", "ru"}, {"POL", "pl"}, {"TRK", "tr"}};
    for (const auto& [code, locale] : kLocales)
        if (code == languageCode) return QLatin1String(locale);
    return {};
}

bool UseQtTranslation(std::string_view languageCode) {
    QCoreApplication* application = QCoreApplication::instance();
    if (!application) return false;
    // The translator lives with the application, the one owner Qt's texts have.
    delete application->findChild<QTranslator*>(QLatin1String(kTranslatorName));
    const QString locale = QtTranslationLocale(languageCode);
    if (locale.isEmpty()) return false;
    auto* translator = new QTranslator(application);
    translator->setObjectName(QLatin1String(kTranslatorName));
    if (!translator->load(QStringLiteral("qtbase_") + locale,
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return false;
    }
    QCoreApplication::installTranslator(translator);
    return true;
}

}  // namespace tervalo
