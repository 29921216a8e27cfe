// The built-in grade presets: every problem they make satisfies the unit's
// row of the table below, checked with exact arithmetic on the listed
// texts, and applying a preset changes only the keys it holds.
#include "common/IniFile.h"
#include "generation/Decimal.h"
#include "generation/ProblemMaker.h"
#include "support/ScriptedGenHost.h"
#include "sheet/PresetApply.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <functional>
#include <map>
#include <gtest/gtest.h>

namespace {

Decimal D(const std::string& text)
{
    std::optional<Decimal> value = ParseDecimal(text);
    return value ? *value : Decimal{-999999, 0};  // fails every check below
}

int Decimals(const std::string& text)
{
    const size_t point = text.find('.');
    return point == std::string::npos ? 0 : static_cast<int>(text.size() - point - 1);
}

// Digits from the first non-zero one: "0.026" → 2, "29" → 2, "3.0" → 2.
int Figures(const std::string& text)
{
    std::string digits;
    for (char c : text)
        if (c >= '0' && c <= '9' && (!digits.empty() || c != '0'))
            digits += c;
    return static_cast<int>(digits.size());
}

const Decimal kZero{0, 0};
const Decimal kTenth{1, 1};

// One problem as listed: a ∘ b = answer, the answer split into 約, the
// quotient or result text, and the remainder text.
struct Problem {
    std::string A, B, Answer, Rest;
    bool Yaku = false;
    Decimal a() const { return D(A); }
    Decimal b() const { return D(B); }
    Decimal v() const { return D(Answer); }
    Decimal r() const { return Rest.empty() ? kZero : D(Rest); }
};

Problem Split(const std::string& a, const std::string& b, std::string answer)
{
    Problem p{a, b, answer, "", false};
    const std::string yaku = "約";
    if (answer.rfind(yaku, 0) == 0) {
        p.Yaku = true;
        p.Answer = answer.substr(yaku.size());
    }
    const std::string rest = " あまり ";
    if (size_t at = p.Answer.find(rest); at != std::string::npos) {
        p.Rest = p.Answer.substr(at + rest.size());
        p.Answer = p.Answer.substr(0, at);
    }
    return p;
}

bool WholeIn(const std::string& text, int low, int high)
{
    return Decimals(text) == 0 && D(text) >= Decimal{low, 0} && D(text) <= Decimal{high, 0};
}

bool Exact(const Problem& p) { return !p.Yaku && p.Rest.empty(); }

// Add/sub: exact result, up to `most` decimals, one operand with `least`.
bool AddSubRow(const Problem& p, int sign, int most, int least)
{
    const int da = Decimals(p.A), db = Decimals(p.B);
    const Decimal result = sign > 0 ? p.a() + p.b() : p.a() - p.b();
    return Exact(p) && da <= most && db <= most && std::max(da, db) >= least
        && p.v() == result && result >= kZero;
}

bool Product(const Problem& p) { return Exact(p) && p.v() == p.a() * p.b(); }
bool NoRemainder(const Problem& p) { return Exact(p) && p.v() * p.b() == p.a(); }

// Quotient to tenths, its zero kept («9.0»), with its remainder:
// a = b·q + r, 0 ≤ r < b·0.1.
bool TenthsAndRemainder(const Problem& p)
{
    const Decimal r = p.r();
    return !p.Yaku && Decimals(p.Answer) == 1 && p.a() == p.b() * p.v() + r && r >= kZero
        && r < p.b() * kTenth;
}

// Quotient to the ones with its remainder: a = b·q + r, 0 ≤ r < b.
bool OnesAndRemainder(const Problem& p)
{
    const Decimal r = p.r();
    return !p.Yaku && Decimals(p.Answer) == 0 && p.a() == p.b() * p.v() + r && r >= kZero
        && r < p.b();
}

// A rounding that carried into a new place: 99.7 to 2 figures is 100.
bool CarriedFigures(const std::string& text, int figures)
{
    const size_t first = text.find_first_of("123456789");
    return Figures(text) == figures + 1 && first != std::string::npos && text[first] == '1'
        && text.find_first_of("123456789", first + 1) == std::string::npos;
}

// Rounded to `places` (or, with figures > 0, to that many figures): within
// half a unit of the last place shown, with 約 exactly when not exact.
bool RoundedRow(const Problem& p, int places, int figures)
{
    const int shown = Decimals(p.Answer);
    const Decimal halfUnit{5, shown + 1};
    const Decimal error = (p.a() - p.b() * p.v()).Abs();
    const bool exact = error.IsZero();
    const bool figuresOk = Figures(p.Answer) == figures || CarriedFigures(p.Answer, figures);
    bool placeOk = figures > 0 ? (exact ? Figures(p.Answer) <= figures : figuresOk)
                               : (exact ? shown <= places : shown == places);
    return p.Rest.empty() && placeOk && error <= p.b() * halfUnit && p.Yaku == !exact;
}

using RowCheck = std::function<bool(const Problem&)>;

const std::map<std::string, RowCheck>& Rows()
{
    static const std::map<std::string, RowCheck> rows = {
        {"g3-add", [](const Problem& p) { return AddSubRow(p, +1, 1, 1); }},
        {"g3-sub", [](const Problem& p) { return AddSubRow(p, -1, 1, 1); }},
        {"g4-add", [](const Problem& p) { return AddSubRow(p, +1, 3, 2); }},
        {"g4-sub", [](const Problem& p) { return AddSubRow(p, -1, 3, 2); }},
        {"g4-mul1", [](const Problem& p) {
             return (Decimals(p.A) == 1 || Decimals(p.A) == 2) && WholeIn(p.B, 2, 9) && Product(p);
         }},
        {"g4-mul2", [](const Problem& p) {
             return (Decimals(p.A) == 1 || Decimals(p.A) == 2) && WholeIn(p.B, 10, 99) && Product(p);
         }},
        {"g4-div1", [](const Problem& p) {
             return Decimals(p.A) > 0 && WholeIn(p.B, 2, 9) && NoRemainder(p);
         }},
        {"g4-div-rest", [](const Problem& p) {
             return Decimals(p.A) > 0 && Decimals(p.B) == 0 && TenthsAndRemainder(p) && !p.Rest.empty();
         }},
        {"g4-div-on", [](const Problem& p) {
             return Decimals(p.B) == 0 && NoRemainder(p) && Decimals(p.Answer) > Decimals(p.A);
         }},
        {"g4-div-round", [](const Problem& p) {
             return Decimals(p.B) == 0 && RoundedRow(p, 1, 0) && p.Yaku;
         }},
        {"g5-mul-int", [](const Problem& p) {
             return Decimals(p.A) == 0 && Decimals(p.B) > 0 && Product(p);
         }},
        {"g5-mul", [](const Problem& p) {
             return Decimals(p.A) > 0 && Decimals(p.B) > 0 && Product(p);
         }},
        {"g5-div", [](const Problem& p) { return Decimals(p.B) > 0 && NoRemainder(p); }},
        {"g5-div-rest", [](const Problem& p) {
             return Decimals(p.B) > 0 && TenthsAndRemainder(p) && !p.Rest.empty();
         }},
        {"g5-div-round", [](const Problem& p) {
             return Decimals(p.B) > 0 && RoundedRow(p, 0, 2) && p.Yaku;
         }},
        {"g4-find-mistake", [](const Problem& p) {
             return Decimals(p.A) > 0 && Decimals(p.B) == 0 && TenthsAndRemainder(p);
         }},
        {"g5-find-mistake", [](const Problem& p) {
             return Decimals(p.B) > 0 && OnesAndRemainder(p);
         }},
    };
    return rows;
}

TEST(GradePresets, SeventeenBuiltInsWithUniqueIdsAndNames)
{
    const std::vector<GradePreset>& presets = BuiltInPresets();
    ASSERT_EQ(presets.size(), 17u);
    std::map<QString, int> ids, names;
    for (const GradePreset& preset : presets) {
        EXPECT_EQ(++ids[preset.Id], 1) << preset.Id.toStdString();
        EXPECT_EQ(++names[preset.Name], 1) << preset.Name.toStdString();
        EXPECT_EQ(Rows().count(preset.Id.toStdString()), 1u) << preset.Id.toStdString();
        EXPECT_EQ(FindBuiltInPreset(preset.Id), &preset);
        // Every preset has the upper-grade name box with its score cell.
        EXPECT_EQ(PresetValue(preset, "Page", "ClassBox"), QStringLiteral("1")) << preset.Id.toStdString();
    }
    EXPECT_EQ(FindBuiltInPreset(QStringLiteral("g9-none")), nullptr);
    EXPECT_EQ(FindBuiltInPreset(QStringLiteral("g5-div-rest"))->Name, QStringLiteral("小数÷小数（あまり）"));
}

// The promise of the grade menu: 1,000 problems of every preset, applied
// the way the window applies it, all fit the unit, and none loops over;
// over several seeds, since a rare miss (an operand losing its last place,
// 3.50 shown as «3.5») comes out only now and then. A sheet of 1,000 has
// repeats and answers many times over; those limits are tested on sheets
// of their own size.
TEST(GradePresets, EveryProblemOfEveryPresetFitsItsUnit)
{
    for (const GradePreset& preset : BuiltInPresets()) {
        const std::string id = preset.Id.toStdString();
        ExamSettings exam;
        SheetSettings sheet;
        ApplyPreset(preset, exam, sheet);
        exam.ExamRowN = 1000;
        exam.ExamColN = 1;
        exam.fNoRepeat = exam.fFewSame = false;
        const RowCheck& fits = Rows().at(id);
        for (std::uint64_t seed : {20261209u, 1u, 6000u, 424242u}) {
            ScriptedGenHost host;
            ProblemMaker maker(seed);
            const RunResult run = maker.MakeProblems(exam, host);
            ASSERT_TRUE(run.Completed()) << id << ": " << host.Status[1];
            EXPECT_EQ(host.ConfirmCount, 0) << id;
            ASSERT_EQ(run.Lines3.size(), 1000u) << id;
            int misfits = 0;
            for (size_t i = 0; i < run.Lines3.size() && misfits < 5; ++i) {
                const Problem p = Split(run.Lines1[i], run.Lines2[i], run.Lines3[i]);
                if (!fits(p)) {
                    ++misfits;
                    ADD_FAILURE() << id << " seed " << seed << ": " << run.Lines1[i] << " | "
                                  << run.Lines2[i] << " | " << run.Lines3[i];
                }
            }
        }
    }
}

TEST(GradePresets, ApplyingSetsItsKeysAndKeepsEveryOtherSetting)
{
    ExamSettings exam;
    SheetSettings sheet;
    exam.rnd_D = 3;
    exam.CBox1 = false;
    sheet.sHeader = QStringLiteral("%d");
    sheet.WindowTop = 12.5;
    sheet.FntExam.Size = 30;
    ApplyPreset(*FindBuiltInPreset(QStringLiteral("g5-div-rest")), exam, sheet);
    EXPECT_EQ(exam.Operation, OpDiv);
    EXPECT_EQ(exam.Ranges, (RangeTexts{"1", "0", "99", "9", "0", "1", "9", "9"}));
    EXPECT_TRUE(exam.fRest && exam.fRound && exam.fDecOnly);
    EXPECT_FALSE(exam.fJust || exam.fRoundSig || exam.fYaku);
    EXPECT_EQ(exam.nRound, 2);
    EXPECT_EQ(exam.ExamRowN, 4);
    EXPECT_EQ(exam.ExamColN, 2);
    EXPECT_TRUE(sheet.ExamType);
    EXPECT_EQ(sheet.sSubTitle, QStringLiteral("5年　小数÷小数（あまり）"));
    EXPECT_EQ(sheet.sPageTitle, QStringLiteral("小数の計算"));
    // Remainders to tenths keep the quotient's zero; the upper-grade name
    // box, squares of 8 mm, and a sheet that exercises the unit.
    EXPECT_FALSE(exam.fDelZero);
    EXPECT_TRUE(sheet.fClassBox);
    EXPECT_DOUBLE_EQ(sheet.HissanPitch, 8);
    EXPECT_TRUE(exam.fNoRepeat && exam.fUnitOnly);
    EXPECT_FALSE(exam.fFewSame);
    // Not the preset's: kept.
    EXPECT_EQ(exam.rnd_D, 3);
    EXPECT_FALSE(exam.CBox1);
    EXPECT_EQ(sheet.sHeader, QStringLiteral("%d"));
    EXPECT_DOUBLE_EQ(sheet.WindowTop, 12.5);
    EXPECT_EQ(sheet.FntExam.Size, 30);
    const GradePreset& preset = *FindBuiltInPreset(QStringLiteral("g5-div-rest"));
    EXPECT_TRUE(PresetValue(preset, QStringLiteral("instruction"), QStringLiteral("string"))
                    .value_or(QStringLiteral("absent")).isEmpty());
    EXPECT_FALSE(PresetValue(preset, QStringLiteral("Exam"), QStringLiteral("Rand")).has_value());
    // The preset sets the instruction, so its line is shown.
    EXPECT_EQ(sheet.Instruction.psPos, 4);
    EXPECT_TRUE(sheet.Instruction.psStr.isEmpty());
}

// Sums and differences of hundredths and thousandths always show every
// place; the other presets leave the option off.
TEST(GradePresets, FullDecimalsForTheFourthGradeSumsOnly)
{
    for (const GradePreset& preset : BuiltInPresets()) {
        ExamSettings exam;
        exam.fFullDec = true;
        SheetSettings sheet;
        ApplyPreset(preset, exam, sheet);
        const bool expected = preset.Id == QStringLiteral("g4-add") || preset.Id == QStringLiteral("g4-sub");
        EXPECT_EQ(exam.fFullDec, expected) << preset.Id.toStdString();
    }
}

// A preset that turns the line off keeps it off; one without an
// instruction leaves the line as it was.
TEST(GradePresets, InstructionLineFollowsThePreset)
{
    struct Case { const char* Name; std::vector<PresetEntry> Entries; int StartPos; int Pos; };
    const Case cases[] = {
        {"text only", {{"Instruction", "String", ""}}, 0, 4},
        {"text, turned off", {{"Instruction", "String", "x"}, {"Instruction", "Pos", "0"}}, 4, 0},
        {"text, centred", {{"Instruction", "String", "x"}, {"Instruction", "Pos", "3"}}, 0, 3},
        {"no instruction", {{"Exam", "Row", "5"}}, 0, 0},
    };
    for (const Case& c : cases) {
        GradePreset preset;
        preset.Entries = c.Entries;
        ExamSettings exam;
        SheetSettings sheet;
        sheet.Instruction.psPos = c.StartPos;
        ApplyPreset(preset, exam, sheet);
        EXPECT_EQ(sheet.Instruction.psPos, c.Pos) << c.Name;
    }
}

TEST(GradePresets, UnreadableValuesKeepTheCurrentOnes)
{
    GradePreset damaged;
    damaged.Entries = {
        {"Exam", "Row", "many"},  {"Exam", "Col", "2"},   {"Exam", "Rest", "yes"},
        {"Exam", "Tab", "7"},     {"Exam", "Yaku", "1"},  {"Range", "Min1", "abc"},
        {"Range", "Max2", "3"},
    };
    ExamSettings exam;
    exam.ExamRowN = 4;
    exam.fRest = true;
    exam.Operation = OpMul;
    SheetSettings sheet;
    ApplyPreset(damaged, exam, sheet);
    EXPECT_EQ(exam.ExamRowN, 4);
    EXPECT_EQ(exam.ExamColN, 2);
    EXPECT_TRUE(exam.fRest);
    EXPECT_TRUE(exam.fYaku);
    EXPECT_EQ(exam.Operation, OpMul);
    EXPECT_EQ(exam.Ranges[EdtMin1], "1");
    EXPECT_EQ(exam.Ranges[EdtMax2], "3");

    // Ranges the window would refuse (minimum above maximum) leave all eight.
    GradePreset refused;
    refused.Entries = {{"Range", "Min1", "50"}, {"Range", "Max1", "20"}, {"Range", "Max2", "7"}};
    ApplyPreset(refused, exam, sheet);
    EXPECT_EQ(exam.Ranges[EdtMin1], "1");
    EXPECT_EQ(exam.Ranges[EdtMax2], "3");
}

TEST(GradePresets, PresetFilesReadBackAndDamagedOnesAreReported)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("mine.ini"));
    {
        IniFile ini(path);
        WritePresetEntries(ini, *FindBuiltInPreset(QStringLiteral("g4-div-on")));
        ASSERT_FALSE(ini.Save().has_value());
    }
    const PresetFileRead read = ReadPresetFile(path);
    ASSERT_TRUE(read.Preset.has_value()) << read.Error.toStdString();
    EXPECT_EQ(read.Preset->Name, QStringLiteral("mine"));
    ExamSettings fromFile, builtIn;
    SheetSettings sheet1, sheet2;
    ApplyPreset(*read.Preset, fromFile, sheet1);
    ApplyPreset(*FindBuiltInPreset(QStringLiteral("g4-div-on")), builtIn, sheet2);
    EXPECT_EQ(fromFile.Ranges, builtIn.Ranges);
    EXPECT_EQ(fromFile.Operation, builtIn.Operation);
    EXPECT_EQ(fromFile.fJust, builtIn.fJust);
    EXPECT_EQ(sheet1.sSubTitle, sheet2.sSubTitle);

    const QString missing = dir.filePath(QStringLiteral("none.ini"));
    EXPECT_FALSE(ReadPresetFile(missing).Preset);
    EXPECT_TRUE(ReadPresetFile(missing).Error.contains(missing));

    const QString foreign = dir.filePath(QStringLiteral("foreign.ini"));
    QFile file(foreign);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("\xff\xfe garbage\n[Other]\nKey=1\n");
    file.close();
    const PresetFileRead bad = ReadPresetFile(foreign);
    EXPECT_FALSE(bad.Preset);
    EXPECT_TRUE(bad.Error.contains(foreign));
}

}  // namespace
