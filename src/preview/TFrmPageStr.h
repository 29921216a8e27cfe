#pragma once
// The page-string dialog: edits one page-string record (header, footer,
// title, subtitle or the date-and-time heading): its text, position code,
// X and Y, and the face, size, bold and italic of its font. One instance
// serves all five records; only the caption changes with the flow.
#include "prevform/PageFont.h"
#include "prevform/PageStr.h"

#include "preview/FieldFocus.h"

#include <QDialog>

class Prompts;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;

class TFrmPageStr : public QDialog {
    Q_OBJECT

public:
    explicit TFrmPageStr(Prompts& prompts, QWidget* parent = nullptr);

    // Fills the dialog from record.
    void SetStrSet(const TPageStr& record);
    // Stores the dialog into record; psDrawn is left alone.
    void GetStrSet(TPageStr& record) const;
    // One flow: caption, SetStrSet, the dialog modally, and GetStrSet only
    // when it closes with OK. True on OK.
    bool Execute(const QString& caption, TPageStr& record);

    QLineEdit* Edit1 = nullptr;      // "表示文字列"
    QComboBox* ComboBox1 = nullptr;  // "位置": item index = position code
    QCheckBox* CheckBox1 = nullptr;  // "Bold"
    QCheckBox* CheckBox2 = nullptr;  // "Italic"
    QLineEdit* EdtX = nullptr;
    QLineEdit* EdtY = nullptr;
    QPushButton* Button1 = nullptr;  // "フォント(&F)"
    QPushButton* Button2 = nullptr;  // "&OK"
    QPushButton* Button3 = nullptr;  // "&Cancel"

    // Face, size and styles being edited; colour and the other bits persist
    // from earlier use and are never stored.
    PageFont StrFont;
    QString Strtmp;  // EdtX's or EdtY's text when it received the focus
    FieldEntry Entry;  // the field the focus is in

    void EdtXEnter(QLineEdit* edit);
    void EdtXExit(QLineEdit* edit);
    void Button1Click();
    void Button2Click();
    void CheckBox1Click(bool checked);
    void CheckBox2Click(bool checked);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Prompts& UserPrompts;
};

// The flows of the page-string dialog and the caption each shows.
enum class PageStrFlow { Header, Footer, PageTitle, SubTitle, DateTime, Instruction };
QString PageStrCaption(PageStrFlow flow);

// Set_SetOfHeader, Set_SetOfFooter, Set_SetOfPageTitle, Set_SetOfSubTitle and
// Set_SetOfDateTime: the flow on its record; true on OK.
bool RunPageStrFlow(TFrmPageStr& dialog, PageStrFlow flow, TPageStr& record);
