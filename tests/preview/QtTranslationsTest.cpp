// Qt's standard buttons and dialogs speak Japanese when the translations
// are installed, and a missing translation leaves them as they were.
#include "preview/QtTranslations.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTranslator>
#include <gtest/gtest.h>

namespace {

QString CancelText()
{
    return QCoreApplication::translate("QPlatformTheme", "Cancel");
}

TEST(QtTranslationsTest, AMissingTranslationIsNoError)
{
    QTemporaryDir empty;
    EXPECT_EQ(InstallQtJapanese(empty.path()), nullptr);
    EXPECT_EQ(InstallQtJapanese(empty.filePath("no-such-folder")), nullptr);
    EXPECT_EQ(CancelText(), "Cancel");
}

TEST(QtTranslationsTest, TheInstalledTranslationMakesTheStandardButtonsJapanese)
{
    const QString dir = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    if (!QFileInfo::exists(dir + "/qtbase_ja.qm"))
        GTEST_SKIP() << "Qt's Japanese translation is not installed";
    QTranslator* translator = InstallQtJapanese();
    ASSERT_NE(translator, nullptr);
    EXPECT_EQ(CancelText(), QStringLiteral("キャンセル"));
    EXPECT_EQ(QCoreApplication::translate("QFileDialog", "&Save"), QStringLiteral("保存(&S)"));
    QCoreApplication::removeTranslator(translator);
    delete translator;
    EXPECT_EQ(CancelText(), "Cancel");
}

} // namespace
