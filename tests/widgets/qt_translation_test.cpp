#include "widgets/qt_translation.h"
#include "support/system_traits.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFile>
#include <QLibraryInfo>

namespace tervalo {
namespace {

QString YesText() {
    return QCoreApplication::translate("QPlatformTheme", "&Yes");
}

TEST(QtTranslation, QtsOwnTextsFollowTheLanguageWhereQtHasThem) {
    TERVALO_SKIP_UNLESS(QFile::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) + "/qtbase_de.qm"),
                        "Qt's translations are not installed");
    ASSERT_TRUE(UseQtTranslation("GER"));
    EXPECT_EQ(YesText(), QStringLiteral("&Ja"));
    ASSERT_TRUE(UseQtTranslation("RUS"));
    EXPECT_EQ(YesText(), QString::fromUtf8("&Да")) << "the previous translation gives way";
    EXPECT_FALSE(UseQtTranslation("ENG"));
    EXPECT_EQ(YesText(), QStringLiteral("&Yes"));
    EXPECT_FALSE(UseQtTranslation("GRE")) << "Qt has no Greek";
    EXPECT_EQ(YesText(), QStringLiteral("&Yes"));
    EXPECT_EQ(QtTranslationLocale("POR"), QStringLiteral("pt_BR"));
}

}  // namespace
}  // namespace tervalo
