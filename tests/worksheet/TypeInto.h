#pragma once
// The user moves into an edit with Tab, types a text over it and moves on
// with Tab: the edit sees its focus-in, the new text and its focus-out.
#include <QApplication>
#include <QFocusEvent>
#include <QLineEdit>

inline void TypeInto(QLineEdit* edit, const QString& text)
{
    QFocusEvent in(QEvent::FocusIn, Qt::TabFocusReason);
    QApplication::sendEvent(edit, &in);
    edit->setText(text);
    QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(edit, &out);
}
