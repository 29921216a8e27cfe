#include "preview/PrintQueue.h"

namespace {

// The spooler's reason on a line of its own, when it gave one.
QString WithReason(const QString& text, const QString& reason)
{
    return reason.isEmpty() ? text : text + QLatin1Char('\n') + reason;
}

} // namespace

QueueVerdict BeforePrinting(const PrintQueue& queue, const QString& printer)
{
    if (printer.isEmpty())
        return {};
    const std::optional<QueueState> state = queue.State(printer);
    if (!state)
        return {};
    if (!state->Exists)
        return {QueueVerdict::Refuse,
                QStringLiteral("プリンタ「%1」が見つかりません。印刷しませんでした。\n"
                               "プリンタ設定でプリンタを選び直して下さい")
                    .arg(printer)};
    if (!state->Accepting)
        return {QueueVerdict::Refuse,
                WithReason(QStringLiteral("プリンタ「%1」は印刷を受け付けていません。"
                                          "印刷しませんでした。")
                               .arg(printer),
                           state->Message)};
    if (state->Paused)
        return {QueueVerdict::Confirm,
                WithReason(QStringLiteral("プリンタ「%1」は一時停止しています。"
                                          "印刷しても、再開されるまで用紙は出てきません。")
                               .arg(printer),
                           state->Message)
                    + QStringLiteral("\n印刷しますか？")};
    return {};
}

QString AfterPrinting(const PrintQueue& queue, const QString& printer,
                      std::optional<int> newestBefore, const QString& title)
{
    if (printer.isEmpty() || !newestBefore)
        return {};
    const std::optional<int> newest = queue.NewestJob(printer);
    if (!newest)
        return {};
    if (*newest <= *newestBefore)
        return QStringLiteral("プリンタ「%1」に印刷できませんでした。"
                              "印刷ジョブが受け付けられませんでした")
            .arg(printer);
    if (queue.Outcome(printer, *newest) == JobOutcome::Failed)
        return QStringLiteral("プリンタ「%1」の印刷ジョブ「%2」は中止されました").arg(printer, title);
    return {};
}
