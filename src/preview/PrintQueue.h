#pragma once
// PrintQueue: what the system's print spooler tells about a printer's queue
// and the jobs on it. The preview window asks it before a print (a queue
// that refuses jobs would lose the sheet without a word; a paused one holds
// it) and after (a job that never reached the queue, or was aborted at once).
// The program asks the spooler of the machine; tests use a double.
#include <QString>
#include <memory>
#include <optional>

struct QueueState {
    bool Exists = true;     // the spooler knows the queue
    bool Accepting = true;  // it takes new jobs
    bool Paused = false;    // it keeps jobs until it is resumed
    QString Message;        // the spooler's own words on the state, when any
};

enum class JobOutcome { Waiting, Done, Failed };

class PrintQueue {
public:
    virtual ~PrintQueue() = default;
    // nullopt when the spooler cannot be asked (not running): nothing is known.
    virtual std::optional<QueueState> State(const QString& printer) const = 0;
    // The id of this user's newest job on the printer, 0 when there is none;
    // nullopt when the spooler cannot be asked.
    virtual std::optional<int> NewestJob(const QString& printer) const = 0;
    virtual JobOutcome Outcome(const QString& printer, int job) const = 0;
};

// The spooler of this machine.
std::unique_ptr<PrintQueue> SystemPrintQueue();

// What to do before a job goes to printer: go on, stop with a message, or
// ask whether to go on.
struct QueueVerdict {
    enum Kind { Go, Refuse, Confirm } Action = Go;
    QString Text;
};
QueueVerdict BeforePrinting(const PrintQueue& queue, const QString& printer);

// After a job was handed over: a message naming the printer when no job
// reached the queue (newestBefore was the newest job before) or the job has
// failed already; empty when nothing is known to be wrong.
QString AfterPrinting(const PrintQueue& queue, const QString& printer,
                      std::optional<int> newestBefore, const QString& title);
