// Crowded sheets composed on a real preview engine with the installed fonts:
// replaying the program list, every text measured in the font the list sets
// at that point, and every rule, stays inside its cell and the problem area.
#include "support/ScriptedPrompts.h"
#include "prevform/CommandSplit.h"
#include "prevform/PrevEngine.h"
#include "prevform/PrinterInfo.h"
#include "sheet/SheetComposer.h"
#include "sheet/StartingLayout.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <cmath>
#include <set>
#include <utility>

namespace {

struct RealFitCase {
    const char* Name;
    int Rows, Cols;
    bool ColumnForm;
    int AnswerType;
    int Mode;
    const char* Sign;
    int Tab;
};

class SheetFitRealFontTest : public ::testing::Test {
protected:
    QTemporaryDir Dir;
    ScriptedPrompts Prompt;
    PrevEngine Engine{Prompt, PrinterInfo::BuiltInPdf(Dir.filePath(QStringLiteral("out.pdf"))), 96};
    SheetSettings Settings;

    void SetUp() override
    {
        Engine.PageTitle() = UnconfiguredPageStr();
        Engine.SubTitle() = UnconfiguredPageStr();
        GiveStartingLayout(Engine.PageTitle(), StartingLayout::PageTitle);
        GiveStartingLayout(Engine.SubTitle(), StartingLayout::SubTitle);
    }

    void Compose(const SheetProblems& problems, int mode)
    {
        Engine.SetFontSets(PageFont{});
        PageFont curFont;
        SheetComposer composer(Engine, Settings, problems, curFont);
        composer.ComposeSheet(mode);
        composer.Layout().StoreIn(Settings);
    }

    // The cells' lines (after «PenStyle,psSolid») checked against the grid;
    // every one of the count cells must have been written.
    void ExpectCellsInside(const std::string& what, int count)
    {
        const double l = Settings.WindowLeft, u = Settings.WindowUpper;
        const double r = Settings.WindowInner, d = Settings.WindowUnder;
        const double cw = (r - l) / Settings.ExamColN, ch = (d - u) / Settings.ExamRowN;
        const double eps = 1e-6;
        PageFont font;
        bool inCells = false;
        std::set<std::pair<int, int>> written;
        for (const QString& line : Engine.ListbyProgram) {
            const QStringList f = SplitCommandLine(line);
            const QString keyword = CommandKeyword(f);
            if (keyword == u"PENSTYLE")
                inCells = CommandWord(f.value(1)) == u"PSSOLID";
            else if (keyword == u"FONTNAME")
                font.Name = f.value(1);
            else if (keyword == u"FONTSIZE")
                font.Size = f.value(1).toInt();
            if (!inCells || (keyword != u"TEXTOUT" && keyword != u"LINE"))
                continue;
            const double x = CommandNumber(f.value(1)).value_or(0);
            const double y = CommandNumber(f.value(2)).value_or(0);
            double right = CommandNumber(f.value(3)).value_or(0);
            double bottom = CommandNumber(f.value(4)).value_or(0);
            if (keyword == u"TEXTOUT") {
                const QString text = f.value(3);
                const double pitch = CommandNumber(f.value(4)).value_or(0);
                Engine.SetFontSets(font);
                right = x + (pitch > 0 ? pitch * text.size() : Engine.GetWidth(text));
                bottom = y + Engine.GetHeight(text);
            }
            const double col = std::floor((x - l) / cw + eps);
            const double row = std::floor((y - u) / ch + eps);
            if (keyword == u"TEXTOUT")
                written.emplace(static_cast<int>(row), static_cast<int>(col));
            EXPECT_LE(right, std::min(r, l + (col + 1) * cw) + eps) << what << ": " << line.toStdString();
            EXPECT_LE(bottom, std::min(d, u + (row + 1) * ch) + eps) << what << ": " << line.toStdString();
        }
        EXPECT_EQ(static_cast<int>(written.size()), count) << what << ": cells with text";
    }
};

// The widest problems of the default ranges (1.00 to 10.00).
TEST_F(SheetFitRealFontTest, CrowdedCellsStayInside)
{
    const RealFitCase cases[] = {
        {"answers on the sheet", 10, 2, false, 2, ProblemSheet, "＋", 0},
        {"answers on the sheet", 5, 4, false, 2, ProblemSheet, "＋", 0},
        {"answer sheet beside answers on the sheet", 5, 4, false, 2, AnswerSheet, "＋", 0},
        {"one line", 6, 3, false, 1, ProblemSheet, "＋", 0},
        {"one line", 5, 4, false, 1, ProblemSheet, "－", 1},
        {"answer sheet", 5, 4, false, 1, AnswerSheet, "＋", 0},
        {"column addition", 5, 4, true, 1, ProblemSheet, "＋", 0},
        {"column multiplication", 6, 3, true, 1, ProblemSheet, "×", 2},
        {"division", 5, 4, true, 1, ProblemSheet, "÷", 3},
    };
    for (const RealFitCase& c : cases) {
        Settings = SheetSettings();
        Settings.ExamRowN = c.Rows;
        Settings.ExamColN = c.Cols;
        Settings.ExamType = c.ColumnForm;
        Settings.AnswerType = c.AnswerType;
        const int count = c.Rows * c.Cols;
        const SheetProblems problems{QStringList(count, QStringLiteral("9.99")),
                                     QStringList(count, QStringLiteral("10.00")),
                                     QStringList(count, QStringLiteral("19.99")),
                                     Operation(c.Tab)};
        Compose(problems, c.Mode);
        ExpectCellsInside(std::string(c.Name) + " " + std::to_string(c.Rows) + "x"
                          + std::to_string(c.Cols), count);
    }
}

} // namespace
