#include "preview/QtTranslations.h"

#include <QCoreApplication>
#include <QLocale>
#include <QTranslator>

QTranslator* InstallQtJapanese(const QString& dir)
{
    // Japanese whatever the desktop's language: the program speaks nothing else.
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (!translator->load(QLocale(QLocale::Japanese, QLocale::Japan), QStringLiteral("qtbase"),
                          QStringLiteral("_"), dir)) {
        delete translator;
        return nullptr;
    }
    QCoreApplication::installTranslator(translator);
    return translator;
}
