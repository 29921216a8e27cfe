// The textbook sheet's note lines under the answers and its まちがいさがし
// cells: the problem worked with one mistake, the right working on the key.
#include "sheet/AnswerNotes.h"
#include "sheet/SheetComposer.h"
#include "sheet/TextbookSheet.h"
#include "generation/MistakeChooser.h"
#include "generation/OperationTable.h"
#include <algorithm>

namespace {

// The same problems always choose the same mistakes, on the problem sheet
// and on its answer sheet alike.
std::uint64_t SeedOf(const std::vector<ListedProblem>& problems)
{
    std::uint64_t hash = 14695981039346656037ull;
    for (const ListedProblem& p : problems)
        for (const std::string* text : {&p.A, &p.B})
            for (const char c : *text + '\n') {
                hash ^= static_cast<unsigned char>(c);
                hash *= 1099511628211ull;
            }
    return hash;
}

}  // namespace

void TextbookSheet::PrepareNotes()
{
    const size_t count = Calcs.size();
    NoteLines.assign(count, {});
    Broken.assign(count, std::nullopt);
    if (Settings.fFindMistake) {
        std::vector<ListedProblem> listed;
        for (size_t i = 0; i < count; ++i)
            listed.push_back({ListLine(Problems.Lines1, int(i) + 1).trimmed().toStdString(),
                              ListLine(Problems.Lines2, int(i) + 1).trimmed().toStdString(),
                              OperationOf(Problems.Op).Calc});
        const auto chosen = ChooseMistakes(listed, Problems.Exam, SeedOf(listed));
        for (size_t i = 0; i < count; ++i) {
            if (!chosen[i] || !Calcs[i])
                continue;
            Broken[i] = MistakenWorking(*chosen[i], listed[i], Problems.Exam);
            if (Broken[i])
                NoteLines[i] << MistakeNote(QString::fromUtf8(InfoOf(*chosen[i]).Label));
        }
    }
    for (size_t i = 0; i < count; ++i)
        NoteLines[i] << AnswerNotes(Problems, Settings, int(i) + 1);
}

// How far below the cell's top the answer sheet's writing ends.
double TextbookSheet::AnswerBottom(int n)
{
    const size_t i = size_t(n - 1);
    if (!Calcs[i])
        return Engine.GetHeight(OneLine(n, true));
    if (Settings.fWorked || Settings.fFindMistake)
        return CellOf(n).WorkedSize(Answer(n), AnswerSizes[i]).Height;
    return AnswerSizes[i].Height;
}

// In the problem font first, then in the note font; the problem font is the
// measuring font again afterwards.
void TextbookSheet::MeasureNotes(double cellWidth)
{
    BrokenAnswerSizes.assign(Calcs.size(), {});
    for (size_t i = 0; i < Broken.size(); ++i)
        if (Broken[i]) {
            const QString answer = QString::fromStdString(Broken[i]->Answer);
            BrokenAnswerSizes[i] = {Engine.GetWidth(answer), Engine.GetHeight(answer)};
        }
    WrappedNotes.assign(Calcs.size(), {});
    NoteTops.assign(Calcs.size(), 0);
    if (std::all_of(NoteLines.begin(), NoteLines.end(), [](const QStringList& l) { return l.isEmpty(); }))
        return;
    for (size_t i = 0; i < Calcs.size(); ++i)
        if (!NoteLines[i].isEmpty())
            NoteTops[i] = AnswerBottom(int(i) + 1) + kNoteGapLines * Metrics.LineHeight;
    Engine.SetFontSets(NoteFont(ExamFont));
    const auto measure = [&](const QString& text) { return Engine.GetWidth(text); };
    NoteLineHeight = 0;
    for (size_t i = 0; i < Calcs.size(); ++i) {
        WrappedNotes[i] = WrapNotes(NoteLines[i], cellWidth - Offsets[i], measure);
        NoteLineHeight = std::max(NoteLineHeight, NoteHeight(WrappedNotes[i], Engine));
    }
    MeasureInExam();
}

CellSize TextbookSheet::WithNotes(int n, CellSize content) const
{
    const size_t i = size_t(n - 1);
    if (i >= WrappedNotes.size() || WrappedNotes[i].isEmpty())
        return content;
    content.Height = std::max(content.Height,
                              NoteTops[i] + WrappedNotes[i].size() * NoteLineHeight);
    return content;
}

// A broken working with the room for the right one beside it, a pitch apart.
CellSize TextbookSheet::FindMistakeSize(int n, CellSize content) const
{
    const size_t i = size_t(n - 1);
    if (!Settings.fFindMistake || i >= Broken.size() || !Broken[i])
        return content;
    const CellSize broken = CellOf(Broken[i]->Calc).WorkedSize(
        QString::fromStdString(Broken[i]->Answer), BrokenAnswerSizes[i]);
    const double width = std::max(broken.Width, content.Width);
    return {width + Metrics.Pitch + width, std::max(broken.Height, content.Height)};
}

void TextbookSheet::WriteNotes(int n, double ex, double ey)
{
    const size_t i = size_t(n - 1);
    if (i >= WrappedNotes.size() || WrappedNotes[i].isEmpty())
        return;
    Engine.PrevFontSize(NoteFont(ExamFont).Size);
    WriteNoteLines(Engine, ex, ey + NoteTops[i], WrappedNotes[i], NoteLineHeight);
    Engine.PrevFontSize(ExamFont.Size);
}

// A まちがいさがし cell: the broken working on the problem sheet, the right
// one on the answer sheet. False when the sheet is not one, or the problem
// has no mistake and is written as on an ordinary sheet.
bool TextbookSheet::WriteFindMistake(int mode, int n, double ex, double ey)
{
    const size_t i = size_t(n - 1);
    if (!Settings.fFindMistake)
        return false;
    if (mode == AnswerSheet) {
        CellOf(n).WriteWorked(Engine, ex, ey, Answer(n), AnswerSizes[i]);
        return true;
    }
    if (!Broken[i])
        return false;
    CellOf(Broken[i]->Calc).WriteWorked(Engine, ex, ey, QString::fromStdString(Broken[i]->Answer),
                                        BrokenAnswerSizes[i]);
    return true;
}
