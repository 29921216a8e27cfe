// Printing to a queue of the system's spooler: a queue that refuses jobs,
// a missing or paused one, a job that never arrives or is aborted at once
// are each reported naming the printer; a healthy queue prints silently.
// The spooler is a double; the printer writes its pages to a PDF file, so a
// test can tell whether anything was printed.
#include "PrevWindowFixture.h"

#include <QAction>
#include <QFileInfo>
#include <deque>

namespace {

const QString kPrinter = QStringLiteral("教室のプリンタ");
const QString kTitle = QStringLiteral("小数の計算 問題 No. 1234-5678");

// A named printer of the spooler that puts its pages into a PDF file.
class QueuedPrinter : public PrinterInfo {
public:
    explicit QueuedPrinter(const QString& pdfPath) : PrinterInfo(BuiltInTag{}, pdfPath) {}
    bool IsBuiltInPdf() const override { return false; }
    QString Name() const override { return kPrinter; }
};

class ScriptedQueue : public PrintQueue {
public:
    std::optional<QueueState> Now = QueueState{};
    // Answers of NewestJob in turn (before and after the job); the last repeats.
    mutable std::deque<std::optional<int>> Newest{3, 4};
    JobOutcome Result = JobOutcome::Waiting;
    mutable QStringList AskedAbout;

    std::optional<QueueState> State(const QString& printer) const override
    {
        AskedAbout << printer;
        return Now;
    }
    std::optional<int> NewestJob(const QString&) const override
    {
        const std::optional<int> newest = Newest.front();
        if (Newest.size() > 1)
            Newest.pop_front();
        return newest;
    }
    JobOutcome Outcome(const QString&, int) const override { return Result; }
};

using PrintQueueTest = PrevWindowFixture;

TEST_F(PrintQueueTest, EveryStateOfTheQueueIsReportedNamingThePrinter)
{
    const QString refused = QStringLiteral("プリンタ「教室のプリンタ」は印刷を受け付けていません。印刷しませんでした。");
    const QString paused = QStringLiteral(
        "プリンタ「教室のプリンタ」は一時停止しています。印刷しても、再開されるまで用紙は出てきません。");
    struct Case {
        const char* Name;
        std::optional<QueueState> State;
        std::deque<std::optional<int>> Newest;
        JobOutcome Result;
        std::deque<bool> Confirm;
        QStringList Asked;  // every question, in order
        bool Printed;
    };
    const Case cases[] = {
        {"accepting", QueueState{}, {3, 4}, JobOutcome::Waiting, {}, {}, true},
        {"spooler not running", std::nullopt, {std::nullopt}, JobOutcome::Waiting, {}, {}, true},
        {"rejecting", QueueState{true, false, false, QStringLiteral("Rejecting Jobs")}, {3, 3},
         JobOutcome::Waiting, {}, {"message: " + refused + "\nRejecting Jobs"}, false},
        {"no such queue", QueueState{false, false, false, {}}, {0}, JobOutcome::Waiting, {},
         {QStringLiteral("message: プリンタ「教室のプリンタ」が見つかりません。印刷しませんでした。\n"
                         "プリンタ設定でプリンタを選び直して下さい")},
         false},
        {"paused, not printed", QueueState{true, true, true, {}}, {3, 4}, JobOutcome::Waiting, {false},
         {"confirm: " + paused + QStringLiteral("\n印刷しますか？")}, false},
        {"paused, printed", QueueState{true, true, true, QStringLiteral("Paused")}, {3, 4},
         JobOutcome::Waiting, {true},
         {"confirm: " + paused + QStringLiteral("\nPaused\n印刷しますか？")}, true},
        {"no job arrived", QueueState{}, {3, 3}, JobOutcome::Waiting, {},
         {QStringLiteral("message: プリンタ「教室のプリンタ」に印刷できませんでした。"
                         "印刷ジョブが受け付けられませんでした")},
         true},
        {"job aborted", QueueState{}, {3, 4}, JobOutcome::Failed, {},
         {"message: プリンタ「教室のプリンタ」の印刷ジョブ「" + kTitle + "」は中止されました"}, true},
    };
    int n = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        const QString pdf = Path("job") + QString::number(++n) + ".pdf";
        auto queue = std::make_unique<ScriptedQueue>();
        queue->Now = c.State;
        queue->Newest = c.Newest;
        queue->Result = c.Result;
        ScriptedQueue& seen = *queue;
        PrevWindowOptions options = Options();
        options.Printer = std::make_unique<QueuedPrinter>(pdf);
        options.Queue = std::move(queue);
        TFrmPrev& form = ShownWithPage(std::move(options));
        form.ShowDocument({form.Engine().ListbyProgram}, kTitle);
        Prompt.Asked.clear();
        Prompt.ConfirmAnswers = c.Confirm;

        form.P1->trigger();
        EXPECT_EQ(Prompt.Asked, c.Asked);
        EXPECT_EQ(QFileInfo(pdf).size() > 0, c.Printed);
        EXPECT_EQ(seen.AskedAbout, QStringList{kPrinter});
        EXPECT_EQ(form.Engine().Printer().JobTitle(), kTitle);
    }
}

} // namespace
