// Notes under the answers and まちがいさがし sheets, on whole sheets in the
// installed fonts, from problems the generator makes: every note the
// problems call for is written, in small type inside the problem area, and
// overlaps nothing else of the page; a grid too low for its notes runs on
// over pages with its numbers running on; a まちがいさがし sheet shows in
// every cell the working of the mistake its key names.
#include "support/ScriptedGenHost.h"
#include "support/ScriptedPrompts.h"
#include "generation/Mistakes.h"
#include "generation/ProblemMaker.h"
#include "prevform/CommandSplit.h"
#include "prevform/PrevEngine.h"
#include "prevform/PrinterInfo.h"
#include "sheet/AnswerNotes.h"
#include "sheet/ClassSet.h"
#include "sheet/GradePresets.h"
#include "sheet/PresetApply.h"
#include "sheet/SheetPipeline.h"
#include "sheet/StartingLayout.h"

#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <algorithm>
#include <set>

namespace {

struct Box {
    double L, U, R, D;
    // Boxes that touch do not overlap (the list writes 15 figures).
    bool Overlaps(const Box& o) const
    {
        constexpr double e = 1e-6;
        return L + e < o.R && o.L + e < R && U + e < o.D && o.U + e < D;
    }
};

struct Drawn {
    QString Text;  // empty for a line
    Box Place;
    int Size = 0;
};

bool IsNote(const QString& text)
{
    return text.contains(QStringLiteral(" … ")) || text.startsWith(QStringLiteral("たしかめ"))
        || text.startsWith(QStringLiteral("まちがい：")) || text.startsWith(QStringLiteral("　　"));
}

class AnswerNotesTest : public ::testing::Test {
protected:
    QTemporaryDir Dir;
    ScriptedPrompts Prompt;
    PrevEngine Engine{Prompt, PrinterInfo::BuiltInPdf(Dir.filePath(QStringLiteral("out.pdf"))), 96};
    PageStrRecords Records{UnconfiguredPageStr(), UnconfiguredPageStr(), UnconfiguredPageStr(),
                           UnconfiguredPageStr()};
    ExamSettings Exam;
    SheetSettings Settings;

    void SetUp() override
    {
        GiveStartingLayout(Records.PageTitle, StartingLayout::PageTitle);
        GiveStartingLayout(Records.SubTitle, StartingLayout::SubTitle);
    }

    // The preset's problems, on another grid when rows is given.
    SheetProblems Problems(const char* preset, std::uint64_t seed, int rows = 0, int cols = 0)
    {
        ApplyPreset(*FindBuiltInPreset(QString::fromLatin1(preset)), Exam, Settings);
        if (rows > 0) {
            Exam.ExamRowN = rows;
            Exam.ExamColN = cols;
        }
        ScriptedGenHost host;
        ProblemMaker maker(seed);
        const RunResult run = maker.MakeProblems(Exam, host);
        EXPECT_TRUE(run.Completed());
        return ProblemsOf(run, SheetSettingsFor(Settings, Exam));
    }

    SheetDocument Compose(const SheetProblems& problems, int mode)
    {
        return SheetPipeline(Engine).Compose(problems, SheetSettingsFor(Settings, Exam), Records,
                                             mode);
    }

    // Every text and line of a page where it is drawn, texts measured in
    // the font the lines before set, as the sheet measures them.
    std::vector<Drawn> DrawnOn(const QStringList& page)
    {
        std::vector<Drawn> drawn;
        PageFont font;
        for (const QString& line : page) {
            const QStringList f = SplitCommandLine(line);
            const QString key = CommandKeyword(f);
            if (key == QLatin1String("FONTSIZE"))
                font.Size = f.value(1).toInt();
            else if (key == QLatin1String("FONTNAME"))
                font.Name = f.value(1);
            else if (key == QLatin1String("INITPARAM"))
                font = PageFont{};
            else if (key == QLatin1String("LINE")) {
                const double x1 = f[1].toDouble(), y1 = f[2].toDouble();
                const double x2 = f[3].toDouble(), y2 = f[4].toDouble();
                drawn.push_back({{}, {std::min(x1, x2), std::min(y1, y2), std::max(x1, x2),
                                      std::max(y1, y2)}, 0});
            } else if (key == QLatin1String("TEXTOUT") && !f.value(3).trimmed().isEmpty()) {
                const double x = f[1].toDouble(), y = f[2].toDouble();
                bool pitched = false;
                const double pitch = f[4].toDouble(&pitched);
                const double w = pitched ? pitch * f[3].size() : Engine.Geometry.GetWidth(f[3], font);
                drawn.push_back({f[3], {x, y, x + w, y + Engine.Geometry.GetHeight(f[3], font)},
                                 font.Size});
            }
        }
        return drawn;
    }

    // Notes inside the area, smaller than the problems, clear of every
    // other text and line; returns the note lines of all pages in order.
    QStringList CheckNotes(const SheetDocument& document)
    {
        QStringList notes;
        const SheetLayout& area = document.Layout;
        const int examSize = Settings.FntExam.Size;
        for (const QStringList& page : document.Pages) {
            const std::vector<Drawn> drawn = DrawnOn(page);
            for (size_t i = 0; i < drawn.size(); ++i) {
                if (!IsNote(drawn[i].Text))
                    continue;
                notes << drawn[i].Text;
                const Box& b = drawn[i].Place;
                const std::string what = drawn[i].Text.toStdString();
                EXPECT_LT(drawn[i].Size, examSize) << what;
                EXPECT_GE(b.L, Settings.WindowLeft) << what;
                EXPECT_LE(b.R, area.WindowInner + 1e-6) << what;
                EXPECT_GE(b.U, area.WindowUpper) << what;
                EXPECT_LE(b.D, area.WindowUnder + 1e-6) << what;
                for (size_t j = 0; j < drawn.size(); ++j) {
                    if (j != i) {
                        EXPECT_FALSE(b.Overlaps(drawn[j].Place))
                            << what << " overlaps «" << drawn[j].Text.toStdString() << "»";
                    }
                }
            }
        }
        return notes;
    }

    static QStringList Labels(const SheetDocument& document)
    {
        QStringList labels;
        for (const QStringList& page : document.Pages)
            for (const QString& line : page) {
                const QStringList f = SplitCommandLine(line);
                if (CommandKeyword(f) == QLatin1String("TEXTOUT")
                    && f.value(3).contains(QRegularExpression("^\\(\\s*\\d+\\)$")))
                    labels << f[3];
            }
        return labels;
    }
};

QString Joined(const QStringList& notes)
{
    // Wrapped lines run on after two full-width blanks.
    QString text;
    for (const QString& note : notes)
        text += note.startsWith(QStringLiteral("　　")) ? note.mid(2) : QLatin1Char('\n') + note;
    return text;
}

// On every kind of answer sheet, every wrong answer with its names and
// every check is written, readable and clear of everything else; a
// crowded classic sheet runs on over pages.
TEST_F(AnswerNotesTest, EveryNoteIsWrittenClearOfEverythingElse)
{
    const struct {
        const char* Preset;
        bool Textbook, Worked, ColumnForm;
        int Rows, Cols;
        bool RunsOn;  // the grid is surely too low for the notes
    } cases[] = {
        {"g5-div-rest", false, false, false, 10, 2, true},
        {"g5-div-rest", false, false, true, 5, 2, false},
        {"g5-div-rest", true, true, true, 4, 2, true},
        {"g4-div-rest", true, false, true, 4, 2, false},
        {"g5-mul", true, true, true, 4, 3, false},
        {"g4-sub", false, false, false, 10, 2, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.Preset << " textbook " << c.Textbook << " grid "
                                        << c.Rows << "x" << c.Cols);
        Settings = SheetSettings();
        Exam = ExamSettings();
        const SheetProblems problems = Problems(c.Preset, 7, c.Rows, c.Cols);
        Settings.fTextbook = c.Textbook;
        Settings.fWorked = c.Worked;
        Settings.ExamType = c.ColumnForm;
        Settings.fMistakes = Settings.fCheck = true;

        QStringList expected;
        for (int n = 1; n <= int(problems.Lines1.size()); ++n)
            expected << AnswerNotes(problems, Settings, n);
        ASSERT_FALSE(expected.isEmpty());
        const SheetDocument key = Compose(problems, AnswerSheet);
        EXPECT_EQ(Joined(CheckNotes(key)), Joined(expected));
        EXPECT_TRUE(key.PageCount() > 1 || !c.RunsOn);
        QStringList labels;
        for (int n = 1; n <= c.Rows * c.Cols; ++n)
            labels << QString::asprintf("(%2d)", n);
        EXPECT_EQ(Labels(key), labels);
        // The problem sheet writes none.
        EXPECT_TRUE(CheckNotes(Compose(problems, ProblemSheet)).isEmpty());
    }
}

// Each cell of a まちがいさがし sheet is the working of the mistake its key
// names: the key names one mistake a cell, the problem sheet shows the wrong
// answer that mistake gives, the key the right answer; the instruction
// stands on the problem sheet. Each sheet of a preset is one page.
TEST_F(AnswerNotesTest, AFindMistakeCellShowsTheMistakeItsKeyNames)
{
    for (const char* preset : {"g4-find-mistake", "g5-find-mistake"}) {
        for (std::uint64_t seed : {1u, 2u, 3u}) {
            SCOPED_TRACE(testing::Message() << preset << " seed " << seed);
            Settings = SheetSettings();
            Exam = ExamSettings();
            const SheetProblems problems = Problems(preset, seed);
            const SheetDocument sheet = Compose(problems, ProblemSheet);
            const SheetDocument key = Compose(problems, AnswerSheet);
            EXPECT_EQ(sheet.PageCount(), 1);
            EXPECT_EQ(key.PageCount(), 1);
            QStringList sheetTexts, keyTexts;
            for (const QStringList& page : sheet.Pages)
                for (const Drawn& d : DrawnOn(page))
                    sheetTexts << d.Text;
            for (const QStringList& page : key.Pages)
                for (const Drawn& d : DrawnOn(page))
                    keyTexts << d.Text;
            EXPECT_TRUE(sheetTexts.contains(QStringLiteral("まちがいを見つけて、正しく計算しましょう。")));
            const QStringList named = CheckNotes(key).filter(QRegularExpression("^まちがい："));
            ASSERT_EQ(named.size(), problems.Lines1.size());
            std::set<QString> kinds;
            for (int n = 1; n <= int(problems.Lines1.size()); ++n) {
                const QString label = named.at(n - 1).mid(5);
                kinds.insert(label);
                const auto info = std::find_if(MistakeTable().begin(), MistakeTable().end(),
                                               [&](const MistakeInfo& m) {
                                                   return QString::fromUtf8(m.Label) == label;
                                               });
                ASSERT_NE(info, MistakeTable().end()) << label.toStdString();
                const ListedProblem p{problems.Lines1[n - 1].toStdString(),
                                      problems.Lines2[n - 1].toStdString(), CalcOp::Div};
                const auto wrong = MistakenWorking(info->Id, p, problems.Exam);
                ASSERT_TRUE(wrong);
                EXPECT_TRUE(sheetTexts.contains(QString::fromStdString(wrong->Answer)))
                    << n << ": " << wrong->Answer;
                EXPECT_TRUE(keyTexts.contains(problems.Lines3[n - 1])) << n;
            }
            // 小数÷小数 has mistakes of the moved points besides those of the remainder.
            if (QLatin1String(preset) == QLatin1String("g5-find-mistake")) {
                EXPECT_GE(kinds.size(), 3u);
            }
        }
    }
}

} // namespace
