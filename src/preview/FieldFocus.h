#pragma once
// Edits check their text when the user leaves them. Losing the focus to
// another window or to a menu is not leaving the field, so it runs no check.
#include <QEvent>
#include <QFocusEvent>
#include <QObject>

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

// Which numeric field the user is in. Entering another field, for whatever
// reason (the focus may arrive as the window is reactivated after a message
// box), is a new entry whose text the dialog remembers; coming back to the
// same field after another window or a menu is not, so the text from before
// typing stays remembered.
class FieldEntry {
public:
    enum class Change { None, Entered, Left };

    // The meaning of a focus event of the watched field.
    Change Track(const QObject* field, const QEvent* event)
    {
        if (event->type() == QEvent::FocusIn) {
            if (field == Current)
                return Change::None;
            Current = field;
            return Change::Entered;
        }
        // Only the field entered last can be left: the focus-out of another
        // (one that kept the focus while the dialog was closed) checks nothing.
        if (!FieldFocusChange(event) || field != Current)
            return Change::None;
        Current = nullptr;
        return Change::Left;
    }
    // The dialog opens with the focus in field, whose text it has
    // remembered; null while the dialog moves the focus itself.
    void Enter(const QObject* field) { Current = field; }

private:
    const QObject* Current = nullptr;
};
