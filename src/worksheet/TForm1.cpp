#include "worksheet/TForm1.h"

#include "common/Prompts.h"
#include "generation/AnswerOptions.h"
#include "generation/OperationTable.h"
#include "generation/RangeCheck.h"
#include "generation/TestModeSettings.h"
#include "sheet/ExamCountCheck.h"
#include "preview/FieldFocus.h"
#include "preview/TFrmPrev.h"
#include "worksheet/TFrmAbout.h"
#include "worksheet/TFrmRndD.h"
#include "worksheet/WindowGenHost.h"

#include <QAction>
#include <QCheckBox>
#include <QCoreApplication>
#include <QFocusEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTabBar>
#include <QTimer>

namespace {

QString MemoText(const std::vector<std::string>& lines)
{
    QStringList texts;
    texts.reserve(static_cast<qsizetype>(lines.size()));
    for (const std::string& line : lines)
        texts << QString::fromStdString(line);
    return texts.join(QLatin1Char('\n'));
}

} // namespace

TForm1::TForm1(Prompts& prompts, std::optional<std::uint64_t> seed, QWidget* parent)
    : QMainWindow(parent), UserPrompts(prompts), Maker(seed), SeedSource(seed),
      Host(std::make_unique<WindowGenHost>(*this))
{
    CreateControls();
    Timer1 = new QTimer(this);
    Timer1->setInterval(1000);
    FrmRndD = new TFrmRndD(prompts, this);
    CreatePreview();
    CreateClassSet();
    CreateDialogs();
    ConnectHandlers();
    ConnectInfoHandlers();
    ConnectSheetHandlers();
    ApplySettingsToControls();
    TabControl1Change(0);
    // Not resizable: the window keeps the size its contents ask for, also
    // after the style has polished the controls at the first show.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

TForm1::~TForm1()
{
    // At exit the preview window writes its settings and records first.
    delete FrmPrev;
    FrmPrev = nullptr;
    WriteDateTime();
}

void TForm1::ConnectHandlers()
{
    connect(BtnMake, &QPushButton::clicked, this, &TForm1::BtnMakeClick);
    connect(BtnClear, &QPushButton::clicked, this, &TForm1::BtnClearClick);
    connect(TabControl1, &QTabBar::currentChanged, this, &TForm1::TabControl1Change);
    // Check boxes react to every change of state, a user's click or one made
    // by the program, so the invariants hold whoever changes them.
    connect(CBoxRound, &QCheckBox::toggled, this, &TForm1::CBoxRoundClick);
    connect(CBoxRest, &QCheckBox::toggled, this, &TForm1::CBoxRestClick);
    connect(CBoxJust, &QCheckBox::toggled, this, &TForm1::CBoxJustClick);
    connect(CBoxZero, &QCheckBox::toggled, this, &TForm1::CBoxZeroClick);
    connect(CBoxOne, &QCheckBox::toggled, this, &TForm1::CBoxOneClick);
    connect(RA1, &QAction::triggered, this, &TForm1::RA1Click);
    connect(RB1, &QAction::triggered, this, &TForm1::RB1Click);
    connect(RC1, &QAction::triggered, this, &TForm1::RC1Click);
    connect(Z1, &QAction::triggered, this, &TForm1::Z1Click);
    connect(I1, &QAction::triggered, this, &TForm1::I1Click);
    connect(Y1, &QAction::triggered, this, &TForm1::Y1Click);
    connect(L1, &QAction::triggered, this, &TForm1::L1Click);
    connect(Q1, &QAction::triggered, this, &TForm1::Q1Click);
    connect(U1, &QAction::triggered, this, &TForm1::U1Click);
    connect(W1, &QAction::triggered, this, &TForm1::W1Click);
    connect(J1, &QAction::triggered, this, &TForm1::J1Click);
    connect(CBoxRoundSig, &QCheckBox::toggled, this, &TForm1::CBoxRoundSigClick);
    connect(R1, &QAction::triggered, this, &TForm1::R1Click);
    connect(E1, &QAction::triggered, this, &TForm1::E1Click);
    connect(Exit1, &QAction::triggered, this, &QWidget::close);
    connect(A1, &QAction::triggered, this, &TForm1::A1Click);
    connect(Timer1, &QTimer::timeout, this, &TForm1::Timer1Timer);

    for (int i = 0; i < RangeEditCount; ++i)
        RangeEdit(i)->installEventFilter(this);
    for (QWidget* watched : std::initializer_list<QWidget*>{EdtRow, EdtCol, EdtRound, Label7, LblInf})
        watched->installEventFilter(this);
}

QLineEdit* TForm1::RangeEdit(int index) const
{
    QLineEdit* const edits[RangeEditCount] = {EdtMin1, EdtMin1e, EdtMax1, EdtMax1e,
                                              EdtMin2, EdtMin2e, EdtMax2, EdtMax2e};
    return index >= 0 && index < RangeEditCount ? edits[index] : nullptr;
}

void TForm1::ApplySettingsToControls()
{
    QAction* signMode = Exam.nMinus == 1 ? RB1 : Exam.nMinus == 2 ? RC1 : RA1;
    signMode->setChecked(true);
    // Each box is read from the record only when its turn comes: an earlier
    // box's handler may have changed the record to keep an invariant.
    CBoxRound->setChecked(Exam.fRound);
    EdtRound->setText(QString::number(Exam.nRound));
    CBoxRest->setChecked(Exam.fRest);
    CBoxJust->setChecked(Exam.fJust);
    CBoxZero->setChecked(Exam.fZero);
    CBoxOne->setChecked(Exam.fOne);
    Z1->setChecked(Exam.fDelZero);
    CBoxRoundSig->setChecked(Exam.fRoundSig);
    I1->setChecked(Exam.fDecOnly);
    Y1->setChecked(Exam.fYaku);
    L1->setChecked(Exam.fFullDec);
    Q1->setChecked(Exam.fNoRepeat);
    U1->setChecked(Exam.fUnitOnly);
    W1->setChecked(Exam.fFewSame);
    J1->setChecked(Exam.fJustExact);
    EdtRow->setText(QString::number(Exam.ExamRowN));
    EdtCol->setText(QString::number(Exam.ExamColN));
    EdtTotal->setText(QString::number(static_cast<qint64>(Exam.ExamRowN) * Exam.ExamColN));
}

// --- problem list ---

void TForm1::BtnMakeClick()
{
    MakeProblems();
}

void TForm1::BtnClearClick()
{
    Memo1->clear();
    Memo2->clear();
    Memo3->clear();
    LastRun.reset();
}

void TForm1::MakeProblems()
{
    if (Maker.IsRunning())
        return;  // a click or tick let through while a run waits
    MakeProblemsFromCode(*SheetCode::FromSeed(SeedSource.UniformInt(SheetCode::SeedCount)));
}

bool TForm1::MakeProblemsFromCode(const SheetCode& code)
{
    if (Maker.IsRunning())
        return false;
    const ExamSettings settings = ReadExamControls();

    RunResult result;
    {
        WindowGenHost::Scope working(*Host);
        result = Maker.MakeProblems(settings, *Host, code.Seed());
    }
    // Problems of another operation must not appear under the new tab's
    // headings when the tab was switched while the run let events through.
    if (!result.Completed() || TabControl1->currentIndex() != settings.Operation)
        return false;
    Memo1->setPlainText(MemoText(result.Lines1));
    Memo2->setPlainText(MemoText(result.Lines2));
    Memo3->setPlainText(MemoText(result.Lines3));
    LastRun = std::move(result);
    CurCode = code;
    SetPanelText(0, QStringLiteral("No. ") + QString::fromStdString(code.Text()));
    return true;
}

ExamSettings TForm1::ReadExamControls()
{
    Exam.Operation = TabControl1->currentIndex();
    for (int i = 0; i < RangeEditCount; ++i)
        Exam.Ranges[i] = RangeEdit(i)->text().toStdString();
    Exam.CBox1 = CBox1->isChecked();
    Exam.CBox2 = CBox2->isChecked();
    // A run gets its own copy: events let through during the run must not
    // change the settings under it.
    return Exam;
}

void TForm1::TabControl1Change(int tab)
{
    if (tab < 0 || tab > 3)
        return;
    BtnClearClick();
    const OperationInfo& op = OperationOf(tab);
    Label1->setText(QString::fromUtf8(op.Left));
    Label3->setText(QString::fromUtf8(op.Left));
    Label2->setText(QString::fromUtf8(op.Right));
    Label4->setText(QString::fromUtf8(op.Right));
    LblKigou->setText(QString::fromUtf8(op.Sign));

    if (tab == OpDiv)
        CBoxRound->setChecked(true);
    const bool divisionBoxes = tab == OpDiv;
    for (QWidget* box : std::initializer_list<QWidget*>{CBoxJust, CBoxRest, CBoxZero, CBoxOne})
        box->setVisible(divisionBoxes);
    ShowTestMarker();
    GroupBox3->setVisible(tab == OpMul || tab == OpDiv);
}

void TForm1::ShowTestMarker()
{
    const bool divisionBoxes = TabControl1->currentIndex() == OpDiv;
    LblJust->setVisible(divisionBoxes && TestMarked == TestDivOption::Just);
    LblRest->setVisible(divisionBoxes && TestMarked == TestDivOption::Rest);
}

// --- range, count and rounding edits ---

void TForm1::RestoreEdit(QLineEdit* edit, const std::string& message)
{
    // Taken before the message box: focus moving around it may re-enter an edit.
    const QString remembered = EdtTmp;
    UserPrompts.Message(QString::fromStdString(message));
    edit->setText(remembered);
}

void TForm1::EdtMin1Enter(QLineEdit* edit)
{
    EdtTmp = edit->text();
}

void TForm1::EdtMin1Exit(QLineEdit* edit)
{
    int index = 0;
    RangeTexts texts;
    for (int i = 0; i < RangeEditCount; ++i) {
        texts[i] = RangeEdit(i)->text().toStdString();
        if (RangeEdit(i) == edit)
            index = i;
    }
    RangeVerdict verdict = CheckRange(texts, index);
    edit->setText(QString::fromStdString(verdict.Text));
    if (!verdict.Accepted)
        RestoreEdit(edit, verdict.Message);
}

void TForm1::EdtRowEnter()
{
    EdtTmp = EdtRow->text();
}

void TForm1::EdtRowExit()
{
    CountVerdict verdict = CheckRows(EdtRow->text().toStdString(), EdtCol->text().toStdString());
    if (!verdict.Accepted)
        return RestoreEdit(EdtRow, verdict.Message);
    EdtTotal->setText(QString::number(verdict.Total));
    if (!verdict.Storable)  // counted as 10 rows; the stored count stays
        return;
    EdtRow->setText(QString::number(verdict.Value));
    Exam.ExamRowN = verdict.Value;
}

void TForm1::EdtColEnter()
{
    EdtTmp = EdtCol->text();
}

void TForm1::EdtColExit()
{
    CountVerdict verdict = CheckCols(EdtCol->text().toStdString(), EdtRow->text().toStdString());
    if (!verdict.Accepted)
        return RestoreEdit(EdtCol, verdict.Message);
    EdtTotal->setText(QString::number(verdict.Total));
    if (!verdict.Storable)  // counted as 1 column; the stored count stays
        return;
    EdtCol->setText(QString::number(verdict.Value));
    Exam.ExamColN = verdict.Value;
}

void TForm1::EdtRoundEnter()
{
    EdtTmp = EdtRound->text();
}

void TForm1::EdtRoundExit()
{
    RoundPlaceVerdict verdict = CheckRoundPlace(EdtRound->text().toStdString());
    if (!verdict.Accepted)
        return RestoreEdit(EdtRound, verdict.Message);
    EdtRound->setText(QString::number(verdict.Value));
    Exam.nRound = verdict.Value;
}

// --- status bar ---

void TForm1::SetPanelText(int panel, const QString& text)
{
    if (panel == 0)
        StBarPanel0->setText(text);
    else if (panel == 1)
        StBarPanel1->setText(text);
}

QString TForm1::PanelText(int panel) const
{
    return panel == 0 ? StBarPanel0->text() : panel == 1 ? StBarPanel1->text() : QString();
}

// --- test mode ---

bool TForm1::IsTestMode() const
{
    // The label's own visibility flag: it counts even while the window is hidden.
    return !LblInf->isHidden();
}

void TForm1::Label7Click()
{
    if (IsTestMode()) {
        LblInf->hide();
        return;
    }
    if (UserPrompts.Confirm(QStringLiteral("この機能は保証外です。続けますか"),
                            QStringLiteral("テスト機能")))
        LblInf->show();
}

void TForm1::LblInfClick()
{
    TestLoop = 0;
    if (!Timer1->isActive()) {
        Timer1->start();
        return;
    }
    Timer1->stop();
    SetRangeTexts(ExamSettings::DefaultRanges());
}

void TForm1::SetRangeTexts(const RangeTexts& texts)
{
    for (int i = 0; i < RangeEditCount; ++i)
        RangeEdit(i)->setText(QString::fromStdString(texts[i]));
}

void TForm1::Timer1Timer()
{
    if (Maker.IsRunning())
        return;  // the previous step is still waiting in a question
    if (TestLoop % 10 == 0) {
        TestSettingsDraw draw = DrawTestSettings(SeedSource, TabControl1->currentIndex());
        ApplyTestSettings(draw, Exam);
        SetRangeTexts(draw.Ranges);
        if (draw.ChangesDivOption) {
            TestMarked = draw.DivOption;
            ShowTestMarker();
        }
    }
    QCoreApplication::processEvents();
    MakeProblems();
    ++TestLoop;
}

// --- events ---

bool TForm1::HandleFocus(QObject* watched, QEvent* event)
{
    const bool entering = event->type() == QEvent::FocusIn;
    if (entering) {
        // Coming back to the same edit (after another window or a message
        // box) is not a new entry: its remembered text stays.
        if (watched == EnteredEdit)
            return false;
        EnteredEdit = static_cast<QLineEdit*>(watched);
    } else {
        if (!FieldFocusChange(event))
            return false;
        EnteredEdit = nullptr;
    }
    if (watched == EdtRow)
        entering ? EdtRowEnter() : EdtRowExit();
    else if (watched == EdtCol)
        entering ? EdtColEnter() : EdtColExit();
    else if (watched == EdtRound)
        entering ? EdtRoundEnter() : EdtRoundExit();
    else if (auto* edit = IsPageTextEdit(watched))
        entering ? EdtMin1Enter(edit) : EdtPageTextExit(edit);
    else if (auto* edit = qobject_cast<QLineEdit*>(watched))
        entering ? EdtMin1Enter(edit) : EdtMin1Exit(edit);
    return false;
}

bool TForm1::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::FocusIn:
    case QEvent::FocusOut:
        if (qobject_cast<QLineEdit*>(watched))
            return HandleFocus(watched, event);
        break;
    case QEvent::MouseButtonRelease:
        if (watched == Label7)
            Label7Click();
        else if (watched == LblInf)
            LblInfClick();
        else if (watched == StBarInf)
            StBarInfClick();  // also a click on a panel, which passes it on
        break;
    default:
        break;
    }
    return QMainWindow::eventFilter(watched, event);
}

bool TForm1::event(QEvent* event)
{
    // Control hints go to the second status panel, not over the whole bar.
    if (event->type() == QEvent::StatusTip) {
        SetPanelText(1, static_cast<QStatusTipEvent*>(event)->tip());
        return true;
    }
    return QMainWindow::event(event);
}
