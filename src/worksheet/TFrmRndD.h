#pragma once
// The small dialog "乱数の振り方" that edits the random parameter D. A text
// that is not an integer is put back to its previous value when the edit is
// left; one still pending when OK is pressed counts as 0.
#include "preview/FieldFocus.h"

#include <QDialog>
#include <optional>

class Prompts;
class QLineEdit;
class QPushButton;

class TFrmRndD : public QDialog {
    Q_OBJECT

public:
    TFrmRndD(Prompts& prompts, QWidget* parent = nullptr);

    // Shows the dialog modally with D; the new D on OK, nothing on Cancel.
    std::optional<int> Execute(int d);
    // The value of the edit as OK takes it.
    int D() const;

    QLineEdit* EdtD = nullptr;
    QPushButton* BtnOk = nullptr;
    QPushButton* BtnCancel = nullptr;
    QPushButton* Button1 = nullptr;  // "&Help"
    QString StrTmp;                  // EdtD's text when it received the focus
    FieldEntry Entry;  // the field the focus is in
    QString HelpUrl;                 // the help page on D, set by the main window

    void EdtDEnter();
    void EdtDExit();
    void Button1Click();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Prompts& UserPrompts;
};
