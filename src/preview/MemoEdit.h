#pragma once
// An editable multi-line text box whose paste never reaches the text
// control with nothing to insert: pasting an empty or missing clipboard
// (a fresh session, or after the program that copied has quit) crashes the
// text control of some Qt releases. Every editable multi-line box of the
// program is a MemoEdit; a paste of nothing does nothing.
#include <QPlainTextEdit>

class QMimeData;

class MemoEdit : public QPlainTextEdit {
    Q_OBJECT

public:
    explicit MemoEdit(QWidget* parent = nullptr);

    // True when source holds text worth inserting.
    static bool HasPasteText(const QMimeData* source);
    // Inserts source's text at the cursor as a paste would; nothing when
    // source is missing or holds no text.
    void PasteFrom(const QMimeData* source);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool canInsertFromMimeData(const QMimeData* source) const override;
    void insertFromMimeData(const QMimeData* source) override;
};
