// The main window's class sets: "クラス分を作る(&K)..." in the file menu makes
// a set of sheets with every current setting of the window, each from its
// own code, and saves it as one PDF or prints it as one job.
#include "worksheet/TForm1.h"

#include "common/Prompts.h"
#include "prevform/PrevEngine.h"
#include "preview/TFrmPrev.h"
#include "sheet/ClassSet.h"
#include "sheet/JobTitle.h"
#include "sheet/PageExport.h"
#include "sheet/PageOutput.h"
#include "worksheet/QtSetProgress.h"
#include "sheet/SetGenHost.h"
#include "worksheet/TFrmClassSet.h"
#include "worksheet/WindowGenHost.h"

#include <QAction>
#include <QMenu>

void TForm1::CreateClassSet()
{
    FrmClassSet = new TFrmClassSet(UserPrompts, this);
    K1 = new QAction(QStringLiteral("クラス分を作る(&K)..."), MenuFile);
    const QList<QAction*> items = MenuFile->actions();
    const qsizetype print = items.indexOf(Print1);
    MenuFile->insertAction(print >= 0 && print + 1 < items.size() ? items.at(print + 1) : nullptr,
                           K1);
    connect(K1, &QAction::triggered, this, &TForm1::K1Click);
}

void TForm1::K1Click()
{
    if (Maker.IsRunning())
        return;
    const TFrmClassSet::Action action = FrmClassSet->Execute();
    if (action == TFrmClassSet::Action::Cancel)
        return;
    SetRequest request = FrmClassSet->Request();
    request.FirstSeed = SeedSource.UniformInt(SheetCode::SeedCount);
    // Every question before the progress dialog exists: none may wait
    // behind it.
    std::optional<QString> path;
    std::optional<QString> printTarget;
    if (action == TFrmClassSet::Action::Pdf) {
        path = UserPrompts.SaveFileName(QStringLiteral("PDFに保存"), QString(),
                                        kPdfFilter, QStringLiteral("pdf"));
        if (!path || path->isEmpty())
            return;
    } else {
        printTarget = FrmPrev->AskPrintTarget();
        if (!printTarget)
            return;
    }
    QtSetProgress progress(this, QStringLiteral("クラス分を作る"));
    MakeClassSet(request, path, progress, printTarget);
}

bool TForm1::MakeClassSet(const SetRequest& request, const std::optional<QString>& pdfPath,
                          SetProgress& progress, std::optional<QString> printTarget)
{
    if (Maker.IsRunning() || !ClassSet::Check(request).isEmpty())
        return false;
    // Printing without a printer asks for its file before any sheet is
    // made: asked afterwards, it would wait behind the progress dialog.
    if (!pdfPath && !printTarget) {
        printTarget = FrmPrev->AskPrintTarget();
        if (!printTarget)
            return false;
    }
    const ExamSettings settings = ReadExamControls();
    const SheetSettings sheet = SheetSettingsFor(Sheet, settings);
    PrevEngine& engine = FrmPrev->Engine();
    // One scope for the whole set keeps input held off between its sheets;
    // each sheet's run has a scope of its own for the progress dialog.
    WindowGenHost::Scope working(*Host);
    SetGenHost host(*Host);
    SheetPipeline pipeline(engine);
    const std::optional<QList<QStringList>> pages = ClassSet(pipeline, progress).Make(
        request,
        [&](std::uint64_t seed) -> std::optional<SheetProblems> {
            WindowGenHost::Scope sheetRun(*Host);
            const RunResult run = Maker.MakeProblems(settings, host, seed);
            if (!run.Completed())
                return std::nullopt;
            return ProblemsOf(run, sheet);
        },
        sheet, PageStrRecords::From(engine));
    if (CurCode)
        SetPanelText(0, QStringLiteral("No. ") + QString::fromStdString(CurCode->Text()));
    if (!pages) {
        progress.Close();
        return false;
    }
    if (pdfPath) {
        QString error;
        const bool saved = SavePdfPages(engine, *pages, *pdfPath, progress, error);
        progress.Close();
        if (!saved && !error.isEmpty())
            UserPrompts.Message(error);
        return saved;
    }
    progress.Close();
    if (!FrmPrev->isVisible())
        FrmPrev->show();
    FrmPrev->ShowDocument(*pages, ClassSetJobTitle(request.SheetCount()));
    FrmPrev->PrintTo(*printTarget);
    return true;
}
