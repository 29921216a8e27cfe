#pragma once
// SheetPipeline: the one way a problem sheet or an answer sheet is made, for
// the main window, its printing and saving, and the command-line tool alike.
// Give it the problems, the sheet settings, the page-string records and the
// mode; it composes on a SheetEngine of its own, measuring the text in the
// installed fonts with a preview engine's page geometry, and hands back a
// SheetDocument: the pages as program lists, and the layout results the
// owner of the settings keeps. It never writes into its inputs, leaves the
// preview engine's lists, records and drawing font as they were, and
// neither renders nor shows a page: the preview window or the command-line
// tool does that with the document.
#include "sheet/SheetComposer.h"
#include "sheet/SheetEngine.h"
#include "sheet/SheetMarks.h"

#include <QList>
#include <QStringList>

class PrevEngine;

// A composed sheet: one or more pages, each a program list, and the layout
// results. Empty (no pages) when there were no problems to write.
struct SheetDocument {
    QList<QStringList> Pages;
    SheetLayout Layout;

    bool IsEmpty() const { return Pages.isEmpty(); }
    int PageCount() const { return int(Pages.size()); }
};

class SheetPipeline {
public:
    explicit SheetPipeline(PrevEngine& engine);

    // Where the "%t" and "%d" headings take the time from, and how they
    // format it (the local clock and the system locale unless set).
    void SetClock(std::function<QDateTime()> clock, const QLocale& locale);

    // The sheet of mode (ProblemSheet or AnswerSheet), its page strings
    // placed by records (the preview draws them by its own records, which
    // the window and the tool load from the same file). Measuring starts
    // from the font "INITPARAM" sets, so a problem sheet and its answer
    // sheet share one layout whatever was drawn before. marks puts the
    // pupil's name in the name line and the number and code at the bottom;
    // without marks the sheet is as it always was.
    SheetDocument Compose(const SheetProblems& problems, const SheetSettings& settings,
                          const PageStrRecords& records, int mode,
                          const SheetMarks& marks = {});

private:
    PrevEngine& Engine;
    std::function<QDateTime()> Clock;
    QLocale Locale;
};
