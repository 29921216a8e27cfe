// The main window's side of the preview: the preview window itself, the
// "問題(&Q)" and "答え(&A)" buttons that compose a sheet into it, and the
// printer items of the file menu.
#include "worksheet/TForm1.h"

#include "preview/TFrmPrev.h"
#include "sheet/ClassSet.h"
#include "sheet/JobTitle.h"
#include "sheet/SheetPipeline.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabBar>

namespace {

// The credit line printed on every page.
const QString kCreditLine = QStringLiteral("shosu-drill");

// A memo's lines as the user sees them: none for an empty memo, and a last
// line break does not start another line.
std::vector<std::string> MemoLines(const QPlainTextEdit* memo)
{
    const QString text = memo->toPlainText();
    if (text.isEmpty())
        return {};
    QStringList lines = text.split(QLatin1Char('\n'));
    if (lines.size() > 1 && lines.constLast().isEmpty())
        lines.removeLast();
    std::vector<std::string> result;
    for (const QString& line : lines)
        result.push_back(line.toStdString());
    return result;
}

} // namespace

void TForm1::CreatePreview()
{
    FrmPrev = new TFrmPrev(UserPrompts, this);

    Button1 = new QPushButton(QStringLiteral("問題(&Q)"), GroupBox1);
    Button2 = new QPushButton(QStringLiteral("答え(&A)"), GroupBox1);
    GroupBox1->layout()->addWidget(Button1);
    GroupBox1->layout()->addWidget(Button2);

    // Before the separator and "終了(&X)".
    QAction* separator = nullptr;
    for (QAction* item : MenuFile->actions())
        if (item->isSeparator() && !separator)
            separator = item;
    S1 = new QAction(QStringLiteral("プリンタ設定(&S)"), MenuFile);
    Print1 = new QAction(QStringLiteral("印刷(&P)"), MenuFile);
    MenuFile->insertActions(separator, {S1, Print1});

    connect(Button1, &QPushButton::clicked, this, &TForm1::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TForm1::Button2Click);
    connect(S1, &QAction::triggered, this, &TForm1::S1Click);
    connect(Print1, &QAction::triggered, this, &TForm1::Print1Click);
}

void TForm1::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (fShown)
        return;
    fShown = true;
    FrmPrev->Engine().SetCopyright(kCreditLine);
    FormShow();
}

void TForm1::PreviewSheet(int mode)
{
    if (!FrmPrev->isVisible()) {
        // Opened for the first time ever: the whole page, fitted, rather
        // than a third of it at 1:1; the view chosen later is kept.
        const bool firstOpening = !FrmPrev->HasPlace();
        FrmPrev->show();
        if (firstOpening && FrmPrev->Engine().PageView != 2)
            FrmPrev->G1->trigger();
    }
    ComposeSheet(mode);
}

RunResult TForm1::ListedRun()
{
    RunResult run = LastRun ? *LastRun : RunResult{RunOutcome::Completed, {}, {}, {}, ReadExamControls()};
    run.Lines1 = MemoLines(Memo1);
    run.Lines2 = MemoLines(Memo2);
    run.Lines3 = MemoLines(Memo3);
    return run;
}

void TForm1::ComposeSheet(int mode)
{
    const RunResult run = ListedRun();
    Sheet.Instruction.psStr = EdtInstruction->text();
    const SheetSettings settings = SheetSettingsFor(Sheet, run.Settings);
    PrevEngine& engine = FrmPrev->Engine();
    SheetMarks marks;
    if (Sheet.fCode && CurCode)
        marks.sCode = QString::fromStdString(CurCode->Text());
    const SheetDocument document = SheetPipeline(engine).Compose(
        ProblemsOf(run, settings), settings, PageStrRecords::From(engine), mode, marks);
    if (document.IsEmpty())
        return;
    // The raised top margin is kept, and saved with the settings.
    document.Layout.StoreIn(Sheet);
    const QString code = CurCode ? QString::fromStdString(CurCode->Text()) : QString();
    FrmPrev->ShowDocument(document.Pages, SheetJobTitle(mode, code));
}

void TForm1::Button1Click()
{
    PreviewSheet(ProblemSheet);
}

void TForm1::Button2Click()
{
    if (Sheet.AnswerType == 0)
        return;
    PreviewSheet(AnswerSheet);
}

void TForm1::S1Click()
{
    FrmPrev->SetPrinter();
}

void TForm1::Print1Click()
{
    FrmPrev->PrintOut();
}
