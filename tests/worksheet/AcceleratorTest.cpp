// Accelerators (the letter after «&» in a caption): two items that one key
// reaches in the same place make the key do only one of them. A window's
// buttons, check boxes, buddied labels, group boxes, tabs and menu-bar
// titles share Alt+letter; each menu's items share their plain letters.
// Every window and menu the main window owns is walked.
#include "TForm1Fixture.h"

#include "worksheet/QtSetProgress.h"
#include "worksheet/TFrmPresets.h"

#include <QAbstractButton>
#include <QKeySequence>
#include <QMap>
#include <QMenuBar>
#include <QTabBar>
#include <QTabWidget>

namespace {

// Two items of the main window's ファイル menu were given one letter by
// design, and keep it: the only pair allowed to share.
const QStringList kAllowedPair = {QStringLiteral("スタイル(&S)"), QStringLiteral("プリンタ設定(&S)")};

// The accelerator of a caption in upper case; empty without one («&&» is
// a plain «&»).
QString Accelerator(const QString& caption)
{
    for (qsizetype i = 0; i + 1 < caption.size(); ++i) {
        if (caption.at(i) != QLatin1Char('&'))
            continue;
        if (caption.at(i + 1) == QLatin1Char('&')) {
            ++i;
            continue;
        }
        return caption.mid(i + 1, 1).toUpper();
    }
    return {};
}

// Captions by accelerator, for one place (a window or a menu).
using Place = QMap<QString, QStringList>;

void Add(Place& place, const QString& caption)
{
    const QString key = Accelerator(caption);
    if (!key.isEmpty())
        place[key] << caption;
}

// The captions a window's Alt+letter reaches: its own widgets (not those of
// the windows inside it) and its menu bar's titles.
Place WindowPlace(QWidget* window)
{
    Place place;
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        if (widget->window() != window)
            continue;
        if (auto* button = qobject_cast<QAbstractButton*>(widget))
            Add(place, button->text());
        else if (auto* label = qobject_cast<QLabel*>(widget); label && label->buddy())
            Add(place, label->text());
        else if (auto* group = qobject_cast<QGroupBox*>(widget))
            Add(place, group->title());
        else if (auto* tabs = qobject_cast<QTabBar*>(widget))
            for (int i = 0; i < tabs->count(); ++i)
                Add(place, tabs->tabText(i));
        else if (auto* bar = qobject_cast<QMenuBar*>(widget))
            for (QAction* item : bar->actions())
                Add(place, item->text());
    }
    return place;
}

Place MenuPlace(const QMenu* menu)
{
    Place place;
    for (const QAction* item : menu->actions())
        Add(place, item->text());
    return place;
}

// «where: A: x, y» for every letter taken twice, the allowed pair excepted.
QStringList Clashes(const QString& where, const Place& place)
{
    QStringList clashes;
    for (auto it = place.cbegin(); it != place.cend(); ++it) {
        if (it.value().size() < 2 || it.value() == kAllowedPair)
            continue;
        clashes << QStringLiteral("%1: %2: %3").arg(where, it.key(), it.value().join(u", "));
    }
    return clashes;
}

QString NameOf(const QWidget* window)
{
    const QString title = window->windowTitle();
    return title.isEmpty() ? QString::fromUtf8(window->metaObject()->className()) : title;
}

TEST(AcceleratorCaption, IsTheLetterAfterASingleAmpersand)
{
    const struct {
        const char* Caption;
        const char* Key;
    } cases[] = {
        {"&OK", "O"}, {"番号を印刷する(&n)", "N"}, {"A&&B", ""}, {"A&&B(&C)", "C"},
        {"なし", ""},  {"末尾&", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Accelerator(QString::fromUtf8(c.Caption)), QString::fromUtf8(c.Key)) << c.Caption;
}

using AcceleratorTest = TForm1Test;

TEST_F(AcceleratorTest, NoTwoItemsOfOneWindowOrMenuShareAnAccelerator)
{
    // The dialogs made only when first asked for.
    TFrmPresets presets(Prompts, &Form);
    QtSetProgress progress(&Form, QStringLiteral("クラス分を作る"));

    QList<QWidget*> windows{&Form};
    for (QWidget* widget : Form.findChildren<QWidget*>())
        if (widget->isWindow() && !qobject_cast<QMenu*>(widget))
            windows << widget;
    QStringList clashes;
    QStringList walked;
    int menus = 0;
    for (QWidget* window : windows) {
        walked << NameOf(window);
        clashes << Clashes(NameOf(window), WindowPlace(window));
    }
    for (const QMenu* menu : Form.findChildren<QMenu*>()) {
        ++menus;
        clashes << Clashes(menu->title(), MenuPlace(menu));
    }
    EXPECT_TRUE(clashes.isEmpty()) << clashes.join(u'\n').toStdString();

    // The walk reaches the dialogs and both windows' menus, and the allowed
    // pair is still where it is allowed.
    for (const char* title : {"スタイル", "クラス分を作る", "Preview"})
        EXPECT_TRUE(walked.contains(QString::fromUtf8(title))
                    || std::any_of(walked.cbegin(), walked.cend(),
                                   [&](const QString& name) {
                                       return name.startsWith(QString::fromUtf8(title));
                                   }))
            << title << " in " << walked.join(u", ").toStdString();
    EXPECT_GE(windows.size(), 8);
    EXPECT_GE(menus, 6);
    const Place file = MenuPlace(Form.MenuFile);
    EXPECT_EQ(file.value(QStringLiteral("S")), kAllowedPair);
}

} // namespace
