#pragma once
// The width a one-line field needs to show text whole, with the frame and
// the margins around the text and a character of room at the end, so
// that a usual content neither scrolls nor touches the field's edges.
#include <QLineEdit>
#include <QString>

inline int TextFieldWidth(const QLineEdit* edit, const QString& text)
{
    const QFontMetrics metrics = edit->fontMetrics();
    const QMargins margins = edit->textMargins();
    constexpr int kFrameAndPadding = 12;  // both sides, as Qt's styles draw a line edit
    return metrics.horizontalAdvance(text) + metrics.horizontalAdvance(QChar(0x3000))
        + margins.left() + margins.right() + kFrameAndPadding;
}
