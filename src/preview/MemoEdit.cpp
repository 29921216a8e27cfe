#include "preview/MemoEdit.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMimeData>

MemoEdit::MemoEdit(QWidget* parent) : QPlainTextEdit(parent) {}

bool MemoEdit::HasPasteText(const QMimeData* source)
{
    return source && source->hasText() && !source->text().isEmpty();
}

void MemoEdit::PasteFrom(const QMimeData* source)
{
    if (HasPasteText(source))
        insertPlainText(source->text());
}

void MemoEdit::keyPressEvent(QKeyEvent* event)
{
    // The paste keys read the clipboard here, never through the text control.
    const bool paste = event->matches(QKeySequence::Paste)
        || (event->key() == Qt::Key_Insert && event->modifiers() == Qt::ShiftModifier);
    if (!paste)
        return QPlainTextEdit::keyPressEvent(event);
    event->accept();
    if (isReadOnly())
        return;
    const QClipboard* clipboard = QGuiApplication::clipboard();
    PasteFrom(clipboard ? clipboard->mimeData(QClipboard::Clipboard) : nullptr);
}

bool MemoEdit::canInsertFromMimeData(const QMimeData* source) const
{
    return HasPasteText(source) && QPlainTextEdit::canInsertFromMimeData(source);
}

void MemoEdit::insertFromMimeData(const QMimeData* source)
{
    // The context menu's paste, a middle click and a drop arrive here.
    PasteFrom(source);
}
