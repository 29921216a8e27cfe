#include "worksheet/InputGate.h"

#include <QAction>
#include <QDialog>
#include <QEvent>
#include <QWidget>

namespace {

bool IsUserInput(QEvent::Type type)
{
    switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::Shortcut:
    case QEvent::Wheel:
    case QEvent::ContextMenu:
    case QEvent::Drop:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TabletPress:
    case QEvent::TabletRelease:
    case QEvent::InputMethod:
        return true;
    default:
        return false;
    }
}

} // namespace

bool InputGate::Drops(const QObject* receiver, const QEvent* event)
{
    if (!IsUserInput(event->type()))
        return false;
    // A shortcut reaches its action, not a widget; no dialog of a run has one.
    if (qobject_cast<const QAction*>(receiver))
        return true;
    const auto* widget = qobject_cast<const QWidget*>(receiver);
    return widget && !qobject_cast<const QDialog*>(widget->window());
}

bool InputGate::eventFilter(QObject* watched, QEvent* event)
{
    if (!Drops(watched, event))
        return false;
    // An accepted override keeps a key from being matched as a shortcut.
    if (event->type() == QEvent::ShortcutOverride)
        event->accept();
    return true;
}
