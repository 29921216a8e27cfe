#pragma once
// The main window: operation tabs, problem count, operand ranges, answer
// adjustments, the three problem lists and the status bar. Handlers are a
// few lines each: the checks and the generators live in the generation
// library, and every question goes through Prompts. The controls are public
// members named by kind and role (EdtRow, BtnMake, Memo1) so that later
// parts of the window (sheet texts, preview buttons, settings file, online
// panel) can reach them.
#include "common/HelpLinks.h"
#include "generation/ExamSettings.h"
#include "generation/ProblemMaker.h"
#include "generation/SheetCode.h"
#include "generation/TestModeSettings.h"
#include "prevform/PageFont.h"
#include "sheet/GradePresets.h"
#include "sheet/SheetSettings.h"

#include <QMainWindow>
#include <memory>
#include <optional>

class Prompts;
class QAction;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QStatusBar;
class QTabBar;
class QTimer;
class PrevEngine;
class SetProgress;
class TFrmAbout;
class TFrmClassSet;
struct SetRequest;
class TFrmPageStr;
class TFrmPrev;
class TFrmPresets;
class TFrmRndD;
class TFrmStyle;
enum class PageStrFlow;
class WindowGenHost;

class TForm1 : public QMainWindow {
    Q_OBJECT

public:
    // seed: a reproducible random source (tests); none = seeded from the clock.
    explicit TForm1(Prompts& prompts, std::optional<std::uint64_t> seed = std::nullopt,
                    QWidget* parent = nullptr);
    ~TForm1() override;

    // The settings record. Ranges, the random flags and the operation are
    // read from the controls when a run starts; the rest is kept here by the
    // handlers.
    ExamSettings Exam;
    // The sheet layout, texts, heading record and problem font the composer
    // reads; its grid counts follow Exam's before every use.
    SheetSettings Sheet;
    QString EdtTmp;    // the text an edit had when it received the focus
    int TestLoop = 0;  // test-mode run counter
    // The code of the problems last made (shown as «No. CODE»); none before
    // the first run.
    std::optional<SheetCode> CurCode;
    // The run the lists show, with the settings that made it; none before
    // the first run and after the lists were emptied.
    std::optional<RunResult> LastRun;

    // --- controls, by kind and role ---
    QTabBar* TabControl1 = nullptr;
    QGroupBox* GroupBox5 = nullptr;  // "問題"
    QGroupBox* GroupBox3 = nullptr;  // "答えの調整"
    QGroupBox* GroupBox6 = nullptr;  // "問題・答えのリスト"
    QGroupBox* GroupBox4 = nullptr;  // "用紙" (sheet texts)
    QGroupBox* GroupBox1 = nullptr;  // "プレビュー" (preview buttons)
    QWidget* Panel2 = nullptr;       // spacer of the bottom strip
    QWidget* WebArea = nullptr;      // the online panel's place in the bottom strip

    QLineEdit* EdtRow = nullptr;
    QLineEdit* EdtCol = nullptr;
    QLineEdit* EdtTotal = nullptr;
    QPushButton* BtnMake = nullptr;
    QPushButton* BtnClear = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* LblKigou = nullptr;
    QLineEdit* EdtMin1 = nullptr;
    QLineEdit* EdtMin1e = nullptr;
    QLineEdit* EdtMax1 = nullptr;
    QLineEdit* EdtMax1e = nullptr;
    QLineEdit* EdtMin2 = nullptr;
    QLineEdit* EdtMin2e = nullptr;
    QLineEdit* EdtMax2 = nullptr;
    QLineEdit* EdtMax2e = nullptr;
    QCheckBox* CBox1 = nullptr;
    QCheckBox* CBox2 = nullptr;
    QPushButton* Button1 = nullptr;  // "問題(&Q)"
    QPushButton* Button2 = nullptr;  // "答え(&A)"

    QCheckBox* CBoxRound = nullptr;
    QLineEdit* EdtRound = nullptr;
    QCheckBox* CBoxRoundSig = nullptr;  // "上から数える(&U)"
    QCheckBox* CBoxJust = nullptr;
    QCheckBox* CBoxRest = nullptr;
    QCheckBox* CBoxZero = nullptr;
    QCheckBox* CBoxOne = nullptr;
    QLabel* LblJust = nullptr;
    QLabel* LblRest = nullptr;

    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label7 = nullptr;
    QLabel* LblInf = nullptr;
    QPlainTextEdit* Memo1 = nullptr;
    QPlainTextEdit* Memo2 = nullptr;
    QPlainTextEdit* Memo3 = nullptr;

    // "用紙": the five sheet texts, each with its "設定" button.
    QLineEdit* EdtPageTitle = nullptr;
    QLineEdit* EdtSubTitle = nullptr;
    QLineEdit* EdtHeader = nullptr;
    QLineEdit* EdtFooter = nullptr;
    QLineEdit* EdtInstruction = nullptr;  // "問題文"; empty: made from the settings
    QPushButton* BtnPageTitle = nullptr;
    QPushButton* BtnSubTitle = nullptr;
    QPushButton* BtnHeader = nullptr;
    QPushButton* BtnFooter = nullptr;
    QPushButton* BtnInstruction = nullptr;

    QStatusBar* StBarInf = nullptr;
    QLabel* StBarPanel0 = nullptr;  // counter, "Information" at start
    QLabel* StBarPanel1 = nullptr;  // hints and run reports

    QMenu* MenuFile = nullptr;      // "ファイル(&F)"
    QMenu* MenuOption = nullptr;    // "オプション(&O)"
    QMenu* MenuHelp = nullptr;      // "ヘルプ(&H)"
    QAction* Style1 = nullptr;      // "スタイル(&S)"
    QAction* S1 = nullptr;          // "プリンタ設定(&S)"
    QAction* Print1 = nullptr;      // "印刷(&P)"
    QAction* K1 = nullptr;          // "クラス分を作る(&K)..."
    QAction* Exit1 = nullptr;
    QAction* D1 = nullptr;          // "日時(&D)"
    QAction* N5 = nullptr;          // "名前(&N)"
    QAction* R1 = nullptr;
    QAction* E1 = nullptr;          // "番号から作る(&E)..."
    QAction* RA1 = nullptr;
    QAction* RB1 = nullptr;
    QAction* RC1 = nullptr;
    QAction* Z1 = nullptr;
    QAction* I1 = nullptr;          // "整数だけの数を出さない(&I)"
    QAction* Y1 = nullptr;          // "がい数の答えに「約」をつける(&Y)"
    QAction* L1 = nullptr;          // "最後の位まで使う(&L)"
    QAction* Q1 = nullptr;          // "同じ問題を出さない(&Q)"
    QAction* U1 = nullptr;          // "単元に合う問題だけ（あまり・がい数・わり進み）(&U)"
    QAction* W1 = nullptr;          // "同じ答えは2回まで(&W)"
    QAction* J1 = nullptr;          // "わりきれる問題をむだなく作る(&K)"
    QMenu* MenuGrade = nullptr;     // "学年別(&G)"
    QAction* PresetSave = nullptr;  // "今の設定を保存(&S)..."
    QAction* PresetManage = nullptr; // "プリセットの整理(&M)..."
    QAction* Help2 = nullptr;       // "Dododヘルプ(&D)"
    QAction* A1 = nullptr;          // "バージョン情報(&A)"

    QTimer* Timer1 = nullptr;
    TFrmRndD* FrmRndD = nullptr;
    TFrmPrev* FrmPrev = nullptr;
    TFrmPageStr* FrmPageStr = nullptr;
    TFrmStyle* FrmStyle = nullptr;
    TFrmAbout* FrmAbout = nullptr;
    TFrmPresets* FrmPresets = nullptr;  // made when first asked for
    TFrmClassSet* FrmClassSet = nullptr;

    // The preview engine: page-string records, composing and measuring.
    PrevEngine& Engine();

    // --- handlers ---
    void BtnMakeClick();
    void BtnClearClick();
    void TabControl1Change(int tab);
    void EdtMin1Enter(QLineEdit* edit);
    void EdtMin1Exit(QLineEdit* edit);
    void EdtRowEnter();
    void EdtRowExit();
    void EdtColEnter();
    void EdtColExit();
    void EdtRoundEnter();
    void EdtRoundExit();
    void CBoxRoundClick(bool checked);
    void CBoxRestClick(bool checked);
    void CBoxJustClick(bool checked);
    void CBoxZeroClick(bool checked);
    void CBoxOneClick(bool checked);
    void RA1Click();
    void RB1Click();
    void RC1Click();
    void Z1Click();
    void I1Click();
    void Y1Click();
    void L1Click();
    void Q1Click();
    void U1Click();
    void W1Click();
    void J1Click();
    // The grade menu, in TForm1Presets.cpp: a preset over the settings and
    // the controls; the current settings as a user's preset; the dialog
    // that renames and deletes them.
    void ApplyGradePreset(const GradePreset& preset);
    void PresetSaveClick();
    void PresetManageClick();
    // The user's presets in the grade menu, read again from their folder.
    void FillUserPresets();
    void CBoxRoundSigClick(bool checked);
    void R1Click();
    // Asks for a sheet code and makes its problems with the current settings;
    // a text that is not a code is explained and changes nothing. In TForm1Code.cpp.
    void E1Click();
    void Label7Click();
    void LblInfClick();
    void Timer1Timer();
    void A1Click();
    // Preview buttons and printing, in TForm1Preview.cpp.
    void Button1Click();
    void Button2Click();
    void S1Click();
    void Print1Click();
    // "クラス分を作る(&K)...": the dialog, then the set saved or printed with a
    // progress dialog. In TForm1ClassSet.cpp.
    void K1Click();
    // Makes the set of request with the window's settings and the first
    // seed of request; saves it into pdfPath, or without one shows it in the
    // preview and prints it as one job (without a printer the PDF file is
    // asked for before any sheet is made, and the progress closes before
    // printing starts; printTarget, when given, is that file, already
    // asked for). false when a run was abandoned, the
    // user cancelled (nothing written or printed) or the file could not be
    // written (explained).
    bool MakeClassSet(const SetRequest& request, const std::optional<QString>& pdfPath,
                      SetProgress& progress, std::optional<QString> printTarget = std::nullopt);
    // The web links, in TForm1Info.cpp.
    void Help2Click();
    void StBarInfClick();

    // The pages the status bar, the help menu and the dialogs' help buttons
    // open; the program sets them at start-up.
    void SetHelpLinks(const HelpLinks& links);
    const HelpLinks& Links() const { return PageLinks; }
    void Style1Click();
    void D1Click();
    void N5Click();
    // Leaving one of the five sheet-text boxes.
    void EdtPageTextExit(QLineEdit* edit);
    // A "設定" button: the page-string dialog on the matching engine record.
    void PageStrButtonClick(PageStrFlow flow);
    // "設定" of the instruction line: the dialog on its own record.
    void InstructionButtonClick();
    // The date-and-time heading's record through the page-string dialog.
    bool Set_SetOfDateTime();

    // The first show after the credit line: settings file, controls,
    // starting layouts.
    void FormShow();
    // The main sections of the settings file into the fields, and back
    // (the four page texts from their boxes). SaveSettings shows the error
    // and returns false when the file could not be written; the old file
    // then stays as it was.
    void LoadSettings();
    bool SaveSettings();
    // The problem sheet (ProblemSheet) or the answer sheet (AnswerSheet)
    // of ListedRun() into the preview.
    void ComposeSheet(int mode);
    // The last run with the lists as they stand: texts edited by hand are
    // what a sheet prints, worked and worded with the settings of the run
    // that made the lists. Lists typed in without a run go with the
    // settings the controls hold.
    RunResult ListedRun();

    // One generation run for the current tab from a freshly drawn sheet
    // code; fills the memos when it completes.
    void MakeProblems();
    // The run of code: the same settings and code give the same problems.
    // On completion the memos, CurCode and the first status panel show them;
    // false (nothing changed) when the run did not complete.
    bool MakeProblemsFromCode(const SheetCode& code);
    // Sets the controls from the record (sign mode, answer options, counts);
    // the click handlers run as for a user click and keep the invariants.
    void ApplySettingsToControls();

    void SetPanelText(int panel, const QString& text);
    QString PanelText(int panel) const;
    bool IsTestMode() const;
    Prompts& Prompt() { return UserPrompts; }
    // The runs' host: progress dialog, cancel request, input gate.
    WindowGenHost& RunHost() { return *Host; }
    // The eight range edits in the order of the settings record.
    QLineEdit* RangeEdit(int index) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    // Construction of the controls, in TForm1Layout.cpp.
    void CreateControls();
    QWidget* CreateProblemGroup();
    QWidget* CreateRangeGrid();
    QWidget* CreateAdjustGroup();
    QWidget* CreateListGroup();
    QWidget* CreateBottomStrip();
    QWidget* CreateSheetGroup();
    void CreateMenus();
    void CreatePresetMenu();
    void CreateStatusBar();
    void ConnectHandlers();
    // The preview window, its two buttons and the printing menu items.
    void CreatePreview();
    void CreateClassSet();
    // The problem settings as the controls hold them now, also kept in Exam.
    ExamSettings ReadExamControls();
    // Shows the preview window when hidden, then composes sheet mode into it.
    void PreviewSheet(int mode);
    void ConnectInfoHandlers();

    bool HandleFocus(QObject* watched, QEvent* event);
    void RestoreEdit(QLineEdit* edit, const std::string& message);
    // Writes the eight range edits, unchecked.
    void SetRangeTexts(const RangeTexts& texts);
    // The test's "*" marker beside the division option it switched on,
    // shown only while the division options are.
    void ShowTestMarker();

    // The dialogs and the engine, hidden, in their order of creation.
    void CreateDialogs();
    void ConnectSheetHandlers();
    // The date-and-time record into its section (at exit).
    void WriteDateTime();
    QLineEdit* PageTextEdit(PageStrFlow flow) const;
    // watched as one of the four sheet-text boxes, or null.
    QLineEdit* IsPageTextEdit(QObject* watched) const;
    QString* PageTextField(PageStrFlow flow);
    TPageStr& PageStrRecord(PageStrFlow flow);

    Prompts& UserPrompts;
    bool fSettingsSaved = false;
    QLineEdit* EnteredEdit = nullptr;  // the edit whose text EdtTmp holds
    ProblemMaker Maker;
    // Draws the sheet codes of the runs and the test mode's settings; the
    // maker's own source is seeded from the code at every run.
    RandomSource SeedSource;
    std::unique_ptr<WindowGenHost> Host;
    bool fShown = false;
    HelpLinks PageLinks;
    TestDivOption TestMarked = TestDivOption::None;  // what the test last switched on
    QAction* UserPresetsEnd = nullptr;  // the separator after the user's presets
    QList<QAction*> UserPresetActions;
    QStringList ReportedPresetFiles;    // damaged preset files already reported
};
