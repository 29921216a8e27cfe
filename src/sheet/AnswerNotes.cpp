#include "sheet/AnswerNotes.h"

#include "generation/Mistakes.h"
#include "generation/OperationTable.h"
#include "generation/RemainderCheck.h"
#include "sheet/SheetComposer.h"

#include <algorithm>

namespace {

const QString kRunOn = QStringLiteral("　　");

// One line broken at characters (Japanese runs on anywhere) before it gets
// wider than width.
QStringList Wrapped(const QString& line, double width,
                    const std::function<double(const QString&)>& measure)
{
    QStringList out;
    QString rest = line;
    while (measure(rest) > width) {
        // The longest head that fits: a head only gets wider as it grows.
        int fits = 0;
        int fails = int(rest.size());
        while (fails - fits > 1) {
            const int mid = fits + (fails - fits) / 2;
            (measure(rest.left(mid)) <= width ? fits : fails) = mid;
        }
        int cut = fits;
        if (cut > 0 && rest.at(cut - 1).isHighSurrogate())
            --cut;
        if (cut <= kRunOn.size() && !out.isEmpty())
            cut = kRunOn.size() + 1;  // the blanks and one character, however wide
        cut = std::max(cut, 1);
        out << rest.left(cut);
        const QString tail = rest.mid(cut);
        if (tail.isEmpty())
            return out;
        rest = kRunOn + tail;
    }
    out << rest;
    return out;
}

}  // namespace

bool WritesAnswerNotes(const SheetSettings& settings)
{
    return settings.fMistakes || settings.fCheck;
}

QStringList AnswerNotes(const SheetProblems& problems, const SheetSettings& settings, int n)
{
    QStringList notes;
    const QString a = ListLine(problems.Lines1, n).trimmed();
    const QString b = ListLine(problems.Lines2, n).trimmed();
    if (settings.fMistakes) {
        const ListedProblem problem{a.toStdString(), b.toStdString(), OperationOf(problems.Op).Calc};
        for (const WrongAnswer& wrong : WrongAnswers(problem, problems.Exam))
            notes << QString::fromStdString(wrong.Answer + " … " + wrong.Label);
    }
    if (settings.fCheck && problems.Op == OpDiv)
        if (const auto check =
                RemainderCheckText(b.toStdString(), ListLine(problems.Lines3, n).trimmed().toStdString()))
            notes << QString::fromStdString(*check);
    return notes;
}

PageFont NoteFont(const PageFont& exam)
{
    PageFont font = exam;
    font.Size = std::min(exam.Size, std::max(7, exam.Size * 3 / 5));
    return font;
}

QStringList WrapNotes(const QStringList& lines, double width,
                      const std::function<double(const QString&)>& measure)
{
    QStringList out;
    for (const QString& line : lines)
        out << Wrapped(line, width, measure);
    return out;
}

double NoteHeight(const QStringList& lines, ComposeEngine& engine)
{
    double height = 0;
    for (const QString& line : lines)
        height = std::max(height, engine.GetHeight(line));
    return height;
}

void WriteNoteLines(ComposeEngine& engine, double x, double y, const QStringList& lines,
                    double lineHeight)
{
    for (const QString& line : lines) {
        engine.PrevTextOut(x, y, line, QStringLiteral("Nil"));
        y += lineHeight;
    }
}

QString MistakeNote(const QString& label)
{
    return QStringLiteral("まちがい：") + label;
}
