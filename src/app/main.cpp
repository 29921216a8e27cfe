// shosu-drill: the desktop program. Creates the main window over the Qt
// prompts and runs the event loop.
#include "preview/QtPrompts.h"
#include "worksheet/TForm1.h"

#include <QApplication>
#include <QFontDatabase>
#include <QScreen>

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
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("shosu-drill"));
    QApplication::setApplicationVersion(QStringLiteral("0.1.0"));
    QApplication::setApplicationDisplayName(QStringLiteral("小数の加減乗除"));
    UseJapaneseFont();

    QtPrompts prompts;
    TForm1 form(prompts);
    prompts.SetParent(&form);
    form.show();
    if (QScreen* screen = form.screen())
        form.move(screen->availableGeometry().center() - form.rect().center());
    return app.exec();
}
