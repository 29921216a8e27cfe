// The problem size: problems that would not fit their cells are written
// smaller, the same on a problem sheet and its answer sheet, and remainder
// answers break onto a second line before anything shrinks.
#include "SheetComposerFixture.h"

namespace {

// The reference sheet, for the tests of the problem size.
class SheetFitTest : public SheetComposerTest {};

// --- problems that fit their cells ---

struct FitForm {
    const char* Name;
    bool ColumnForm;
    int AnswerType;
    const char* Sign;
    int Tab;
    const char* A;
    const char* B;
    const char* Answer;
};

// Long problems on grids of two to four columns, a character 3.6 wide at 24
// points: on both sheets and in every form each text stays inside its cell,
// and three or four columns need a smaller size.
TEST_F(SheetFitTest, CrowdedGridsShrinkProblemsIntoTheirCells)
{
    const FitForm forms[] = {
        {"one line", false, 1, "＋", 0, "99.99", "99.99", "199.98"},
        {"answers on the sheet", false, 2, "－", 1, "9.99", "-9.99", "0"},
        {"column addition", true, 1, "＋", 0, "-99.99", "99.99", "0"},
        {"column multiplication", true, 1, "×", 2, "99.99", "9.999", "999.80001"},
        {"division", true, 1, "÷", 3, "999.9", "99.99", "10 あまり 0.09"},
    };
    const std::pair<int, int> grids[] = {{10, 2}, {6, 3}, {5, 4}};  // 7 × 3 would be 21 cells
    for (const FitForm& form : forms)
        for (const auto& [rows, cols] : grids)
            for (const int mode : {ProblemSheet, AnswerSheet}) {
                SetUp();
                UseScaledMetrics(0.15);
                FillGrid(rows, cols, form.A, form.B, form.Answer);
                Settings.ExamType = form.ColumnForm;
                Settings.AnswerType = form.AnswerType;
                Problems.Op = Operation(form.Tab);
                Compose(mode);
                const std::string what = std::string(form.Name) + " " + std::to_string(rows) + "x"
                    + std::to_string(cols) + (mode == AnswerSheet ? " answers" : "");
                ExpectCellsInside(what);
                if (cols > 2) {
                    EXPECT_LT(ProblemSize(), 24) << what;
                }
                EXPECT_GE(ProblemSize(), SheetComposer::kSmallestProblemSize) << what;
                EXPECT_EQ(Settings.FntExam, SheetSettings::DefaultExamFont()) << what;
                for (const FakeComposeEngine::Box& box : Engine.Boxes) {
                    if (Engine.Lines.at(box.Index).contains(QRegularExpression("\"\\([ \\d]\\d\\)\""))) {
                        EXPECT_EQ(box.Size, 12) << what << ": labels keep the subtitle's size";
                    }
                }
            }
}

struct SizeCase {
    const char* Name;
    int Rows, Cols;
    bool ColumnForm;
    double PointHeight;
    const char* A;
    int StoredSize;
    int Expected;
};

// A character is 0.25 · size wide; a problem starts 16 into its cell and
// must end one blank (0.25 · size) before the cell's right edge.
TEST_F(SheetFitTest, ProblemSizeIsTheLargestThatFits)
{
    const QString wide(40, QLatin1Char('9'));
    const SizeCase cases[] = {
        // «9.76 ＋ 9.48 = », 14 characters: 3.75 · size ≤ 85 − 16.
        {"two columns", 10, 2, false, 0.4, "9.76", 24, 18},
        {"one column is left alone", 10, 1, false, 0.4, "9.76", 24, 24},
        // The point line reaches 0.5 below the second row: size + 0.5 ≤ 22.2.
        {"column form too tall", 10, 1, true, 0.5, "9.76", 24, 21},
        {"never below 8", 5, 4, false, 0.4, "", 24, 8},
        {"a small stored size is not raised", 5, 4, false, 0.4, "", 6, 6},
    };
    for (const SizeCase& c : cases) {
        SetUp();
        UseScaledMetrics(0.25, c.PointHeight);
        const QString a = *c.A ? QString::fromUtf8(c.A) : wide;
        FillGrid(c.Rows, c.Cols, a, *c.A ? QStringLiteral("9.48") : wide, QStringLiteral("19.24"));
        Settings.ExamType = c.ColumnForm;
        Settings.FntExam.Size = c.StoredSize;
        Compose();
        EXPECT_EQ(ProblemSize(), c.Expected) << c.Name;
        EXPECT_EQ(Settings.FntExam.Size, c.StoredSize) << c.Name;
    }
}

TEST_F(SheetFitTest, RoomierGridGetsTheStoredSizeBack)
{
    UseScaledMetrics();
    FillGrid(10, 2, "9.76", "9.48", "19.24");
    Compose();
    EXPECT_EQ(ProblemSize(), 18);
    EXPECT_EQ(CurFont.Size, 18);  // what the list ends with, for the next run
    Settings.ExamColN = 1;
    Compose();
    EXPECT_EQ(ProblemSize(), 24);
    EXPECT_TRUE(CellLines().contains("FontSize,24"));
}

struct AnswerFitCase {
    const char* Name;
    int AnswerType;
    const char* Answer;
    int Expected;  // on both sheets
};

// «1.5» × «2» stacks in 45 at 24 points; a 16-character answer needs
// 4.25 · size ≤ 69, so both sheets take 16 when there is an answer sheet.
TEST_F(SheetFitTest, AnswerSheetTakesItsProblemSheetsSize)
{
    const AnswerFitCase cases[] = {
        {"short answers", 1, "3", 24},
        {"answers wider than the problems", 1, "1234567890.12345", 16},
        {"no answer sheet", 0, "1234567890.12345", 24},
    };
    for (const AnswerFitCase& c : cases) {
        int sizes[2] = {};
        for (const int mode : {ProblemSheet, AnswerSheet}) {
            SetUp();
            UseScaledMetrics();
            Settings.ExamType = true;
            Problems.Op = Operation(2);
            FillGrid(10, 2, "1.5", "2", c.Answer);
            Settings.AnswerType = c.AnswerType;
            Compose(mode);
            sizes[mode] = ProblemSize();
            if (mode == AnswerSheet && c.AnswerType != 0)
                ExpectCellsInside(c.Name);
        }
        EXPECT_EQ(sizes[ProblemSheet], c.Expected) << c.Name;
        if (c.AnswerType != 0) {
            EXPECT_EQ(sizes[AnswerSheet], c.Expected) << c.Name;
        }
    }
}

} // namespace

namespace {

// A remainder answer too wide for its cell breaks before « あまり » onto a
// second line of the cell before the problems shrink; one that fits stays
// on one line. Characters are 6 wide at 24 points, cells 85 wide.
TEST_F(SheetFitTest, RemainderAnswersBreakBeforeTheyShrink)
{
    const struct {
        const char* Name;
        int AnswerType;
        int Mode;
        const char* Answer;
        QStringList Expected;
    } cases[] = {
        {"on the problem sheet", 2, ProblemSheet, "2 あまり 1", {"7 ÷ 3 = 2", "あまり 1"}},
        {"answer sheet", 1, AnswerSheet, "2.33 あまり 0.001", {"2.33", "あまり 0.001"}},
        {"fits on one line", 2, ProblemSheet, "2", {"7 ÷ 3 = 2"}},
        {"answer fits", 1, AnswerSheet, "2 あまり 1", {"2 あまり 1"}},
    };
    for (const auto& c : cases) {
        SetUp();
        UseScaledMetrics();
        FillGrid(10, 2, "7", "3", QString::fromUtf8(c.Answer));
        Problems.Op = Operation(3);
        Settings.AnswerType = c.AnswerType;
        Compose(c.Mode);
        ExpectCellsInside(c.Name);
        EXPECT_EQ(ProblemSize(), 24) << c.Name;
        QStringList texts;
        for (const QString& line : CellLines())
            if (line.startsWith("TextOut,"))
                texts << line.section('"', 1, 1);
        EXPECT_EQ(texts.mid(1, c.Expected.size() + 1), c.Expected + QStringList{"( 2)"}) << c.Name;
    }
}

} // namespace
