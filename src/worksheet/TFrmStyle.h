#pragma once
// The style dialog "スタイル": the grid of problems, the column form, the
// problem font, how problem numbers are written, where answers are printed,
// the page margins and the frame, the notes under the answers, and the
// textbook column form with the まちがいさがし sheet. Every opening loads the
// settings, so Cancel discards every edit; OK stores them all. It saves no
// file and renders nothing: the main window does both.
#include "generation/ExamSettings.h"
#include "prevform/PageFont.h"
#include "preview/FieldFocus.h"
#include "sheet/SheetChecks.h"
#include "sheet/SheetSettings.h"

#include <QDialog>
#include <array>
#include <optional>
#include <utility>

class Prompts;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

class TFrmStyle : public QDialog {
    Q_OBJECT

public:
    explicit TFrmStyle(Prompts& prompts, QWidget* parent = nullptr);

    // Where "&Help" leads (the main window sets the help page); empty opens
    // nothing and reports the failure.
    void SetHelpUrl(const QString& url) { HelpUrl = url; }
    const QString& GetHelpUrl() const { return HelpUrl; }

    // The opening steps: every field from the settings, rows and columns
    // from the problem settings, which own the grid.
    void LoadSettings(const SheetSettings& settings, const ExamSettings& exam);
    // The OK steps into settings and the grid into exam; false, with both
    // untouched, when an edited count field is refused or holds no integer
    // (its message is shown). A count not edited since opening is stored as
    // it was.
    bool StoreSettings(SheetSettings& settings, ExamSettings& exam);
    // Opens the dialog modally on settings and exam's grid; true when it
    // closed with OK and both were stored.
    bool Execute(SheetSettings& settings, ExamSettings& exam);

    // "問題"
    QLineEdit* EdtRow = nullptr;
    QLineEdit* EdtCol = nullptr;
    QCheckBox* CBoxMC = nullptr;      // "筆算形式"
    QPushButton* Button3 = nullptr;   // "フォント"
    QPushButton* BtnColor = nullptr;  // "色": the problem font's colour
    // "問題番号の形式"
    QLineEdit* EdtLeft = nullptr;
    QLineEdit* EdtRight = nullptr;
    QCheckBox* CBoxExam = nullptr;    // "描画する"
    QLineEdit* EdtSeparate = nullptr;
    // "答えの印刷"
    QRadioButton* RButton1 = nullptr; // "別に印刷"
    QRadioButton* RButton2 = nullptr; // "共に印刷"
    QCheckBox* CBoxCode = nullptr;    // "番号を印刷する(&N)"
    QCheckBox* CBoxMistakes = nullptr;  // "よくある間違いを答えに書く(&M)"
    QCheckBox* CBoxCheck = nullptr;     // "あまりのある答えにたしかめを書く(&E)"
    // "余白"
    QLineEdit* EdtTopP = nullptr;
    QLineEdit* EdtLeftP = nullptr;
    QLineEdit* EdtRightP = nullptr;
    QLineEdit* EdtBottomP = nullptr;
    QCheckBox* CBoxFrame = nullptr;   // "枠"
    QCheckBox* CBoxClassBox = nullptr;  // "年・組・番と点数(&K)"
    // "筆算": the working and the squares only with the textbook form or まちがいさがし
    QCheckBox* CBoxTextbook = nullptr;  // "教科書の書き方(&T)"
    QCheckBox* CBoxWorked = nullptr;    // "答えに筆算の途中を書く(&W)"
    QCheckBox* CBoxSquares = nullptr;   // "マス目(&G)"
    QLineEdit* EdtPitch = nullptr;      // "マス目の大きさ" in mm; empty: the font decides
    std::array<QLabel*, 2> PitchLabels{};  // its caption and unit, enabled with it
    QCheckBox* CBoxFindMistake = nullptr;  // "まちがいさがし(&F)": a sheet kind in the textbook form

    QPushButton* BtnOK = nullptr;
    QPushButton* BtnCancel = nullptr;
    QPushButton* Button1 = nullptr;   // "&Help"

    PageFont FontExam;  // the problem font while it is edited
    QString EdtTmp;     // the numeric field's text when it received the focus

    static constexpr double MarginLimit = kMarginLimit;

    void EdtRowExit();
    void EdtColExit();
    void EdtMarginExit(QLineEdit* edit);
    void EdtSeparateExit();
    void EdtPitchExit();
    void Button3Click();
    void BtnColorClick();
    void Button1Click();
    void BtnOKClick();
    void CBoxTextbookClick();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* CreateProblemGroup();
    QWidget* CreateNumberGroup();
    QWidget* CreateAnswerGroup();
    QWidget* CreateMarginGroup();
    QWidget* CreateHissanGroup();
    // Rows and columns as OK stores them; none after the message, with the
    // focus in the refused field.
    std::optional<std::pair<int, int>> CheckCounts();
    // The check of whichever numeric field edit is.
    void FieldExit(QLineEdit* edit);
    void Restore(QLineEdit* edit);
    void RestoreWithMessage(QLineEdit* edit, const QString& message);

    Prompts& UserPrompts;
    QString HelpUrl;
    FieldEntry Entry;
    std::pair<int, int> OpenedCounts{10, 1};  // rows and columns as loaded
};
