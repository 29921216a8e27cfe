// Sheets composed through the sheet pipeline on a real preview engine with
// the installed fonts, compared
// to the character with program lists and layout results kept in
// tests/sheet/golden/: every operation in the one-line and the column
// form, problem and answer sheets, answers on the sheet or not, with and
// without numbers, frame, date heading, header and footer. A fixed clock and
// fixed problem lists make the sheets repeatable.
// SHOSU_WRITE_GOLDEN=1 writes the files afresh instead of comparing.
#include "support/ScriptedPrompts.h"
#include "prevform/PrevEngine.h"
#include "prevform/PrinterInfo.h"
#include "sheet/SheetPipeline.h"
#include "sheet/StartingLayout.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// Problems of each operation: decimals of several lengths, a negative
// second operand, and answers as the generator writes them.
SheetProblems ProblemsFor(int tab)
{
    switch (tab) {
    case 0:
        return {{"1.5", "0.75", "12.345", "3", "0.08", "7.6", "45.2", "0.333", "9.99", "2.5", "18", "0.4"},
                {"2.25", "-3.08", "0.9", "4.75", "0.12", "2.4", "-0.8", "1.667", "0.01", "7.5", "0.25", "3.6"},
                {"3.75", "-2.33", "13.245", "7.75", "0.2", "10", "44.4", "2", "10", "10", "18.25", "4"},
                OpAdd};
    case 1:
        return {{"5.5", "0.75", "12.345", "3", "0.8", "7.6", "45.2", "1.333", "9.99", "2.5", "18", "4.4"},
                {"2.25", "-3.08", "0.9", "4.75", "0.12", "2.4", "0.8", "0.333", "0.01", "0.5", "0.25", "3.6"},
                {"3.25", "3.83", "11.445", "-1.75", "0.68", "5.2", "44.4", "1", "9.98", "2", "17.75", "0.8"},
                OpSub};
    case 2:
        return {{"1.5", "0.75", "12.3", "3", "0.08", "7.6", "45.2", "0.33", "9.9", "2.5", "18", "0.4"},
                {"2.2", "3.08", "0.9", "4.75", "12", "2.4", "0.8", "1.6", "0.01", "7.5", "0.25", "36"},
                {"3.3", "2.31", "11.07", "14.25", "0.96", "18.24", "36.16", "0.528", "0.099", "18.75", "4.5", "14.4"},
                OpMul};
    default:
        return {{"7.5", "0.75", "12.3", "3", "0.08", "7.6", "45.2", "0.33", "9.9", "2.5", "18", "0.4"},
                {"2.5", "0.3", "0.6", "1.5", "0.4", "3.8", "0.8", "1.1", "0.03", "0.5", "0.25", "8"},
                {"3", "2.5", "20.5", "2", "0.2", "2", "56.5", "0.3", "330", "5", "72", "0.05"},
                OpDiv};
    }
}

// Division with remainder answers, too wide for narrow cells on one line.
SheetProblems RemainderProblems()
{
    return {{"7.4", "13.6", "9.9", "45.2", "8.3", "6.5", "12.3", "0.75", "5.5", "3.3", "17.6", "2.9"},
            {"0.3", "3", "0.4", "0.7", "0.6", "0.9", "3.1", "0.2", "1.3", "0.7", "0.9", "0.8"},
            {"24.6 あまり 0.02", "4.5 あまり 0.1", "24.7 あまり 0.02", "64.5 あまり 0.05",
             "13.8 あまり 0.02", "7.2 あまり 0.02", "3.9 あまり 0.21", "3.7 あまり 0.01",
             "4.2 あまり 0.04", "4.7 あまり 0.01", "19.5 あまり 0.05", "3.6 あまり 0.02"},
            OpDiv, {}};
}

const char* const kOperations[] = {"add", "sub", "mul", "div"};

struct GoldenCase {
    QString Name;
    int Tab = 0;
    bool ColumnForm = false;
    int Mode = ProblemSheet;
    int AnswerType = 1;
    bool Numbers = true;
    bool Frame = false;
    bool DateHeading = true;
    bool HeaderFooter = false;
    int Rows = 6;
    int Cols = 2;
    int FontSize = 0;     // 0: the default problem font
    QString Title;        // empty: the default title
    QString TitleX;       // empty: the starting position
    bool Remainders = false;  // RemainderProblems() instead of the operation's
};

// Every operation × form × sheet × answer placement, with the decorations
// turned on and off across the operations, then a few sheets that stress
// the fitting and the page strings.
QList<GoldenCase> Cases()
{
    QList<GoldenCase> cases;
    for (int tab = 0; tab < 4; ++tab)
        for (const bool column : {false, true})
            for (const int mode : {int(ProblemSheet), int(AnswerSheet)})
                for (const int answerType : {1, 2}) {
                    GoldenCase c;
                    c.Name = QStringLiteral("%1-%2-%3-ans%4")
                                 .arg(QLatin1String(kOperations[tab]),
                                      column ? QStringLiteral("column") : QStringLiteral("line"),
                                      mode == ProblemSheet ? QStringLiteral("problem")
                                                           : QStringLiteral("answer"))
                                 .arg(answerType);
                    c.Tab = tab;
                    c.ColumnForm = column;
                    c.Mode = mode;
                    c.AnswerType = answerType;
                    c.Numbers = tab != 2;
                    c.Frame = tab % 2 == 0;
                    c.DateHeading = tab != 1;
                    c.HeaderFooter = tab >= 2;
                    c.Rows = 5 + tab;
                    c.Cols = 1 + tab % 3;
                    c.Title = tab == 3 ? QStringLiteral("小数のわり算 ３年２組") : QString();
                    cases << c;
                }
    auto extra = [&](const QString& name, auto&& change) {
        GoldenCase c;
        c.Name = name;
        change(c);
        cases << c;
    };
    extra(QStringLiteral("crowded-large-font"), [](GoldenCase& c) { c.Rows = 10; c.Cols = 2; c.FontSize = 40; });
    extra(QStringLiteral("four-columns-answers-on-sheet"),
          [](GoldenCase& c) { c.Rows = 5; c.Cols = 4; c.AnswerType = 2; c.Tab = 2; });
    extra(QStringLiteral("column-form-crowded-answer"),
          [](GoldenCase& c) { c.Rows = 10; c.Cols = 2; c.ColumnForm = true; c.Mode = AnswerSheet; c.Tab = 1; });
    extra(QStringLiteral("title-at-no-number"), [](GoldenCase& c) { c.TitleX = QStringLiteral("abc"); c.HeaderFooter = true; });
    extra(QStringLiteral("remainders-broken-on-the-sheet"), [](GoldenCase& c) {
        c.Remainders = true; c.Tab = 3; c.Rows = 4; c.Cols = 3; c.AnswerType = 2;
    });
    extra(QStringLiteral("remainders-broken-answer-sheet"), [](GoldenCase& c) {
        c.Remainders = true; c.Tab = 3; c.Rows = 3; c.Cols = 4; c.Mode = AnswerSheet; c.FontSize = 40;
    });
    extra(QStringLiteral("no-answer-sheet"), [](GoldenCase& c) { c.AnswerType = 0; c.Frame = true; });
    return cases;
}

// The clock the header and footer macros read.
QDateTime FixedClock()
{
    return QDateTime(QDate(2026, 12, 9), QTime(8, 30, 15));
}

// The layout results as "name=value" lines, with every digit a double holds.
QStringList LayoutLines(const SheetLayout& s)
{
    auto line = [](const char* name, double v) {
        return QLatin1String(name) + QLatin1Char('=') + QString::number(v, 'g', 17);
    };
    return {line("WindowTop", s.WindowTop), line("WindowBottom", s.WindowBottom),
            line("WindowUpper", s.WindowUpper), line("WindowInner", s.WindowInner),
            line("WindowUnder", s.WindowUnder)};
}

class SheetGoldenTest : public ::testing::Test {
protected:
    QTemporaryDir Dir;
    ScriptedPrompts Prompt;
    PrevEngine Engine{Prompt, PrinterInfo::BuiltInPdf(Dir.filePath(QStringLiteral("out.pdf"))), 96};

    SheetSettings SettingsFor(const GoldenCase& c)
    {
        SheetSettings s;
        s.ExamRowN = c.Rows;
        s.ExamColN = c.Cols;
        s.ExamType = c.ColumnForm;
        s.AnswerType = c.AnswerType;
        s.fExNum = c.Numbers;
        s.WindowFrame = c.Frame;
        if (!c.DateHeading)
            s.DateTime.psPos = 0;
        // The date and time macros, and texts that only look like them.
        if (c.HeaderFooter) {
            s.sHeader = c.Tab == 3 ? QStringLiteral("%d %t") : QStringLiteral("%d");
            s.sFooter = c.Tab == 3 ? QStringLiteral("%t 小数の計算") : QStringLiteral("%t");
        }
        if (c.FontSize > 0)
            s.FntExam.Size = c.FontSize;
        if (!c.Title.isEmpty())
            s.sPageTitle = c.Title;
        return s;
    }

    static PageStrRecords RecordsFor(const GoldenCase& c)
    {
        PageStrRecords r{UnconfiguredPageStr(), UnconfiguredPageStr(), UnconfiguredPageStr(),
                         UnconfiguredPageStr()};
        GiveStartingLayout(r.PageTitle, StartingLayout::PageTitle);
        GiveStartingLayout(r.SubTitle, StartingLayout::SubTitle);
        if (c.HeaderFooter) {
            r.Header.SetSets(QString(), QStringLiteral("ＭＳ ゴシック"), 10, 4, QStringLiteral("120"),
                             QStringLiteral("22"), false, true);
            r.Footer.SetSets(QString(), QStringLiteral("ＭＳ 明朝"), 9, 2, QStringLiteral("0"),
                             QStringLiteral("0"), true, false);
        }
        if (!c.TitleX.isEmpty())
            r.PageTitle.psX = c.TitleX;
        return r;
    }

    // The program list and the layout results of one sheet, as the file holds them.
    QStringList Compose(const GoldenCase& c)
    {
        SheetPipeline pipeline(Engine);
        pipeline.SetClock(FixedClock, QLocale(QLocale::Japanese, QLocale::Japan));
        // The engine's measuring font is left as another sheet leaves it:
        // the pipeline starts every sheet from the same one.
        Engine.SetFontSets(PageFont{QStringLiteral("ＭＳ 明朝"), 40});
        const SheetDocument document =
            pipeline.Compose(c.Remainders ? RemainderProblems() : ProblemsFor(c.Tab), SettingsFor(c),
                             RecordsFor(c), c.Mode);
        EXPECT_EQ(document.PageCount(), 1) << c.Name.toStdString();
        return document.Pages.value(0) + QStringList{QStringLiteral("== layout ==")}
            + LayoutLines(document.Layout);
    }
};

QString GoldenPath(const QString& name)
{
    return QStringLiteral(SHOSU_SOURCE_DIR "/tests/sheet/golden/") + name + QStringLiteral(".txt");
}

TEST_F(SheetGoldenTest, EverySheetMatchesItsGoldenFile)
{
    const bool write = qEnvironmentVariableIntValue("SHOSU_WRITE_GOLDEN") == 1;
    if (write)
        QDir().mkpath(QStringLiteral(SHOSU_SOURCE_DIR "/tests/sheet/golden"));
    for (const GoldenCase& c : Cases()) {
        const QString text = Compose(c).join(QLatin1Char('\n')) + QLatin1Char('\n');
        QFile file(GoldenPath(c.Name));
        if (write) {
            ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << c.Name.toStdString();
            file.write(text.toUtf8());
            continue;
        }
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << "missing golden file " << c.Name.toStdString();
        const QStringList expected = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
        const QStringList actual = text.split(QLatin1Char('\n'));
        EXPECT_EQ(actual.size(), expected.size()) << c.Name.toStdString();
        for (qsizetype i = 0; i < std::min(actual.size(), expected.size()); ++i)
            if (actual.at(i) != expected.at(i)) {
                ADD_FAILURE() << c.Name.toStdString() << " line " << i + 1 << "\n  got:  "
                              << actual.at(i).toStdString() << "\n  want: "
                              << expected.at(i).toStdString();
                break;
            }
    }
}

} // namespace
