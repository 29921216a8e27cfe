#pragma once
// A class set: N sheets of the same settings with different problems, each
// with its answer sheet, for the window's "クラス分を作る" and the
// command-line tool's --count alike. Sheet k (from 1) is made from the
// (k-1)-th seed derived from the first, so every sheet can be made again
// alone from the code printed on it; each problem sheet and its answer sheet
// carry "No.k", the code and, with a list of names, the pupil's name. The
// pages come back in the order asked for; nothing is written or printed
// here: the caller does that with the pages, and only when a set completed.
#include "sheet/SheetPipeline.h"

#include <QByteArray>
#include <QList>
#include <QStringList>
#include <cstdint>
#include <functional>
#include <optional>
#include <string_view>

class SetProgress;
struct RunResult;

enum class SetOrder {
    Pairs,          // each problem sheet followed by its answer sheet
    ProblemsFirst,  // all problem sheets, then all answer sheets
    Problems,       // problem sheets only
    Answers,        // answer sheets only
};

// "pairs", "problems-first", "problems" or "answers".
std::optional<SetOrder> ParseSetOrder(std::string_view text);

// Names one a line, as typed into the list box: each trimmed, blank lines
// skipped.
QStringList NamesFromText(const QString& text);
// The names of a text or CSV file in UTF-8 or Shift_JIS: the first column
// of each line (a quoted field may hold commas), blank ones skipped, and a
// first line that is the column's heading ("氏名", "名前", "name" ...) too.
QStringList NamesFromFile(const QByteArray& bytes);
// Whether a class list's bytes are text at all: a spreadsheet's own file or
// any other binary file holds control characters no list of names has.
bool IsTextFile(const QByteArray& bytes);
bool IsNameHeading(const QString& field);
// "32人：青木、井上、上田 ほか": how many names a list gives and the first few.
QString NamesPreview(const QStringList& names);

// A run's problem list as a sheet of settings composes it: the operation,
// how far a written division is worked and the instruction come from the
// settings that made the run, whatever the window's controls say by now.
// The one way the composer's input is made.
SheetProblems ProblemsOf(const RunResult& run, const SheetSettings& sheet);

struct SetRequest {
    int Count = 1;          // without names
    QStringList Names;      // with names, one sheet each
    SetOrder Order = SetOrder::Pairs;
    std::uint64_t FirstSeed = 0;

    static constexpr int MaxSheets = 50;
    int SheetCount() const { return Names.isEmpty() ? Count : int(Names.size()); }
};

class ClassSet {
public:
    // The problems of one sheet from its seed; nullopt when its run was
    // abandoned (the loop-over question answered No).
    using MakeFn = std::function<std::optional<SheetProblems>(std::uint64_t seed)>;

    ClassSet(SheetPipeline& pipeline, SetProgress& progress) : Pipeline(pipeline), Progress(progress) {}

    // Why a request cannot be made (too many names, a count out of range),
    // in the window's language; empty when it can.
    static QString Check(const SetRequest& request);

    // The pages of the set, or nullopt when a run was abandoned or the user
    // cancelled. settings and records are those of every sheet.
    std::optional<QList<QStringList>> Make(const SetRequest& request, const MakeFn& make,
                                           const SheetSettings& settings,
                                           const PageStrRecords& records);

private:
    SheetPipeline& Pipeline;
    SetProgress& Progress;
};
