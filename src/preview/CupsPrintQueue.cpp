// The machine's print spooler (CUPS): a queue's state from its destination
// attributes, this user's jobs from the job list.
#include "preview/PrintQueue.h"

#include <cups/cups.h>

#include <algorithm>

namespace {

// A printer of Qt's list may carry an instance ("queue/instance").
QByteArray QueueName(const QString& printer)
{
    return printer.section(QLatin1Char('/'), 0, 0).toUtf8();
}

class CupsPrintQueue : public PrintQueue {
public:
    std::optional<QueueState> State(const QString& printer) const override
    {
        const QByteArray queue = QueueName(printer);
        cups_dest_t* dest = cupsGetNamedDest(CUPS_HTTP_DEFAULT, queue.constData(), nullptr);
        if (!dest) {
            if (cupsLastError() == IPP_STATUS_ERROR_NOT_FOUND)
                return QueueState{false, false, false, {}};
            return std::nullopt;  // no spooler to ask
        }
        auto option = [dest](const char* name) {
            return QString::fromUtf8(cupsGetOption(name, dest->num_options, dest->options));
        };
        QueueState state;
        state.Accepting = option("printer-is-accepting-jobs") != QLatin1String("false");
        state.Paused = option("printer-state").toInt() == IPP_PSTATE_STOPPED;
        state.Message = option("printer-state-message");
        cupsFreeDests(1, dest);
        return state;
    }

    std::optional<int> NewestJob(const QString& printer) const override
    {
        int newest = 0;
        const bool asked = ForEachJob(printer, [&](const cups_job_t& job) {
            newest = std::max(newest, job.id);
        });
        return asked ? std::optional<int>(newest) : std::nullopt;
    }

    JobOutcome Outcome(const QString& printer, int id) const override
    {
        JobOutcome outcome = JobOutcome::Waiting;
        ForEachJob(printer, [&](const cups_job_t& job) {
            if (job.id != id)
                return;
            if (job.state == IPP_JSTATE_ABORTED || job.state == IPP_JSTATE_CANCELED)
                outcome = JobOutcome::Failed;
            else if (job.state == IPP_JSTATE_COMPLETED)
                outcome = JobOutcome::Done;
        });
        return outcome;
    }

private:
    // Runs visit over this user's jobs on the queue, finished ones included;
    // false when the spooler could not be asked.
    template <typename Visit>
    static bool ForEachJob(const QString& printer, Visit visit)
    {
        const QByteArray queue = QueueName(printer);
        cups_job_t* jobs = nullptr;
        const int count = cupsGetJobs2(CUPS_HTTP_DEFAULT, &jobs, queue.constData(), 1,
                                       CUPS_WHICHJOBS_ALL);
        if (count < 0)
            return false;
        for (int i = 0; i < count; ++i)
            visit(jobs[i]);
        cupsFreeJobs(count, jobs);
        return true;
    }
};

} // namespace

std::unique_ptr<PrintQueue> SystemPrintQueue()
{
    return std::make_unique<CupsPrintQueue>();
}
