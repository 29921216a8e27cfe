#pragma once
// Edits check their text when the user leaves them. Losing the focus to
// another window or to a menu is not leaving the field, so it runs no check.
#include <QEvent>
#include <QFocusEvent>

// The focus event of a field that is entered or left, or null for any other
// event and for focus moving to or from another window or a menu.
inline const QFocusEvent* FieldFocusChange(const QEvent* event)
{
    if (event->type() != QEvent::FocusIn && event->type() != QEvent::FocusOut)
        return nullptr;
    const auto* focus = static_cast<const QFocusEvent*>(event);
    if (focus->reason() == Qt::ActiveWindowFocusReason || focus->reason() == Qt::PopupFocusReason)
        return nullptr;
    return focus;
}
