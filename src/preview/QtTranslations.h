#pragma once
// Qt's own dialogs and buttons (save, print, font and colour dialogs,
// message and input boxes) in Japanese, like the rest of the program, from
// the translations installed with Qt. Not finding them is not an error: the
// standard dialogs then stay in English and everything else is unchanged.
#include <QLibraryInfo>
#include <QString>

class QTranslator;

// Loads Qt's Japanese base translation from dir and installs it in the
// application, which owns it; null when dir holds none.
QTranslator* InstallQtJapanese(
    const QString& dir = QLibraryInfo::path(QLibraryInfo::TranslationsPath));
