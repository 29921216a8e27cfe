// shosu-drill: the desktop program. Creates the main window over the Qt
// prompts, plugs the online panel and the help locations into it, shows it,
// runs the start-up check and then the event loop. The main window reads
// the settings file when it is first shown and writes it back as it closes.
#include "common/IniFile.h"
#include "common/InstallLayout.h"
#include "common/ProgramVersion.h"
#include "common/SettingsLocation.h"
#include "info/OnlineEndpoints.h"
#include "info/TInfoPanel.h"
#include "preview/QtPrompts.h"
#include "preview/QtTranslations.h"
#include "worksheet/TForm1.h"

#include <QApplication>
#include <QFontDatabase>
#include <QIcon>
#include <QLayout>
#include <QScreen>

#include <cstring>
#include <iostream>

namespace {

// The interface texts are Japanese: use an IPA Gothic face when installed,
// so no label depends on the platform's fallback fonts.
void UseJapaneseFont()
{
    const QStringList families = QFontDatabase::families();
    for (const char* face : {"IPAPGothic", "IPAGothic"}) {
        if (families.contains(QString::fromUtf8(face))) {
            QFont font(QString::fromUtf8(face));
            font.setPointSize(10);
            QApplication::setFont(font);
            return;
        }
    }
}

} // namespace

int main(int argc, char** argv)
{
    // Answered before any window system is needed, so it works on a console.
    if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
        std::cout << "shosu-drill " << ProgramVersion() << '\n';
        return 0;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("shosu-drill"));
    QApplication::setApplicationVersion(QString::fromUtf8(ProgramVersion()));
    // The task bar shows the program's own icon and finds its desktop entry.
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icon.png")));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.example.shosu_drill"));
    UseJapaneseFont();
    InstallQtJapanese();

    // The application title: the caption of plain message boxes. It is not
    // set as the display name, which the platform would append to every
    // window's caption.
    QtPrompts prompts;
    prompts.SetTitle(QStringLiteral("Dodod 小数の加減乗除篇"));
    TForm1 form(prompts);
    prompts.SetParent(&form);

    const OnlineSettings online = ReadOnlineSettings(IniFile(SettingsLocation::FilePath()));
    const QString helpDir = LocalHelpDir(QApplication::applicationDirPath());
    form.SetHelpLinks(MakeHelpLinks(online, helpDir));
    auto* info = new TInfoPanel(prompts, online, OfflineHelpPage(helpDir), form.WebArea);
    form.WebArea->layout()->addWidget(info);

    form.show();
    if (QScreen* screen = form.screen())
        form.move(screen->availableGeometry().center() - form.rect().center());
    // The last step of the first show: the window is usable when it is done.
    info->StartUp(SystemNetworkReach());
    // Closed through the window manager while the check waited: the event
    // loop would find no window left to close.
    if (form.isHidden())
        return 0;
    return app.exec();
}
