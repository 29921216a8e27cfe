// shosu-drill: the desktop program.
#include <QApplication>
#include <QLabel>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("shosu-drill"));
    QLabel placeholder(QStringLiteral("shosu-drill"));
    placeholder.show();
    return app.exec();
}
