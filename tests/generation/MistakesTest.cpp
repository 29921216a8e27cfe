#include "generation/MistakeChooser.h"
#include "generation/Mistakes.h"
#include "generation/NumberText.h"
#include "generation/RemainderCheck.h"
#include "RunFixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>

namespace {

// Answer settings of the sheets the examples come from.
ExamSettings Plain()
{
    return {};
}
ExamSettings Even()  // わりきれるまで
{
    ExamSettings s;
    s.fJust = true;
    return s;
}
ExamSettings Rest(int places)
{
    ExamSettings s;
    s.fRest = true;
    s.nRound = places + 1;
    return s;
}
ExamSettings Rounded(int places)
{
    ExamSettings s;
    s.fRound = true;
    s.nRound = places + 1;
    return s;
}
ExamSettings Figures(int n)
{
    ExamSettings s = Rounded(n - 1);
    s.fRoundSig = true;
    return s;
}

CalcOp OpOf(char op)
{
    return op == '+' ? CalcOp::Add : op == '-' ? CalcOp::Sub : op == 'x' ? CalcOp::Mul : CalcOp::Div;
}

struct Slip {
    const char* Key;
    const char* A;
    char Op;
    const char* B;
    ExamSettings Settings;
    const char* Wrong;  // the answer teachers see; "" when the slip cannot happen here
};

// The examples of the issue first, then textbook exercises.
const Slip kSlips[] = {
    {"add-right", "2.3", '+', "1.45", Plain(), "1.68"},
    {"add-right", "4.594", '+', "13.27", Plain(), "5.921"},
    {"add-right", "5", '+', "2.4", Plain(), "2.9"},
    {"add-right", "3.4", '+', "2.15", Plain(), "2.49"},
    {"add-right", "0.6", '+', "2.35", Plain(), "2.41"},
    {"add-right", "12.5", '+', "3.25", Plain(), "4.5"},
    {"add-right", "1.2", '+', "3.5", Plain(), ""},  // the right ends are the points

    {"sub-hidden-zero", "8.1", '-', "4.33", Plain(), "3.83"},
    {"sub-hidden-zero", "5", '-', "2.4", Plain(), "3.4"},
    {"sub-hidden-zero", "7", '-', "3.6", Plain(), "4.6"},
    {"sub-hidden-zero", "6.2", '-', "1.57", Plain(), "4.77"},
    {"sub-hidden-zero", "10", '-', "0.25", Plain(), "10.25"},
    {"sub-hidden-zero", "3.4", '-', "1.285", Plain(), "2.285"},
    {"sub-hidden-zero", "4.33", '-', "1.2", Plain(), ""},

    {"mul-point", "2.3", 'x', "1.4", Plain(), "32.2"},
    {"mul-point", "0.38", 'x', "0.54", Plain(), "20.52"},
    {"mul-point", "2.5", 'x', "3.4", Plain(), "85"},
    {"mul-point", "0.2", 'x', "0.3", Plain(), "0.6"},
    {"mul-point", "3.14", 'x', "2.5", Plain(), "78.5"},
    {"mul-point", "1.25", 'x', "0.8", Plain(), "10"},
    {"mul-point", "2.3", 'x', "7", Plain(), ""},

    {"div-dividend-point", "6.42", '/', "0.2", Even(), "3.21"},
    {"div-dividend-point", "9.6", '/', "1.6", Even(), "0.6"},
    {"div-dividend-point", "9", '/', "1.5", Even(), "0.6"},
    {"div-dividend-point", "2.4", '/', "0.8", Even(), "0.3"},
    {"div-dividend-point", "7.2", '/', "0.36", Even(), "0.2"},
    {"div-dividend-point", "9.12", '/', "6.4", Even(), "0.1425"},
    {"div-dividend-point", "7.4", '/', "0.3", Rest(0), "2 あまり 1.4"},
    {"div-dividend-point", "8.16", '/', "4", Even(), ""},

    {"div-too-few-moves", "3.6", '/', "0.12", Even(), "3"},
    {"div-too-few-moves", "7.2", '/', "0.36", Even(), "2"},
    {"div-too-few-moves", "0.84", '/', "0.12", Even(), "0.7"},
    {"div-too-few-moves", "1.5", '/', "0.25", Even(), "0.6"},
    {"div-too-few-moves", "4.5", '/', "0.15", Even(), "3"},
    {"div-too-few-moves", "2.88", '/', "0.24", Even(), "1.2"},
    {"div-too-few-moves", "6.42", '/', "0.2", Even(), ""},

    {"div-quotient-point", "6.42", '/', "0.2", Even(), "3.21"},
    {"div-quotient-point", "9.6", '/', "1.6", Even(), "0.6"},
    {"div-quotient-point", "1.5", '/', "0.25", Even(), "0.06"},
    {"div-quotient-point", "4.5", '/', "0.15", Even(), "0.3"},
    {"div-quotient-point", "7.4", '/', "0.3", Rest(0), "2.4 あまり 0.2"},
    {"div-quotient-point", "2.6", '/', "0.9", Rounded(1), "0.3"},
    {"div-quotient-point", "8.7", '/', "0.3", Rounded(1), "2.9"},

    {"div-skipped-zero", "8.16", '/', "4", Even(), "2.4"},
    {"div-skipped-zero", "6.12", '/', "3", Even(), "2.4"},
    {"div-skipped-zero", "0.21", '/', "3", Even(), "0.7"},
    {"div-skipped-zero", "3.24", '/', "3", Even(), "1.8"},
    {"div-skipped-zero", "7.2", '/', "0.36", Even(), "2"},
    {"div-skipped-zero", "0.612", '/', "3", Even(), "0.24"},
    {"div-skipped-zero", "6.12", '/', "3", Rounded(1), "2.4"},
    {"div-skipped-zero", "64.8", '/', "36", Even(), ""},

    {"rem-moved-point", "7.4", '/', "0.3", Rest(0), "24 あまり 2"},
    {"rem-moved-point", "4.9", '/', "2.3", Rest(0), "2 あまり 3"},
    {"rem-moved-point", "5.8", '/', "0.7", Rest(0), "8 あまり 2"},
    {"rem-moved-point", "9.5", '/', "0.4", Rest(0), "23 あまり 3"},
    {"rem-moved-point", "1.25", '/', "0.3", Rest(0), "4 あまり 0.5"},
    {"rem-moved-point", "3.6", '/', "0.25", Rest(0), "14 あまり 10"},
    {"rem-moved-point", "13.6", '/', "3", Rest(1), ""},  // the points never moved apart

    {"rem-no-point", "13.6", '/', "3", Rest(1), "4.5 あまり 1"},
    {"rem-no-point", "7.4", '/', "0.3", Rest(0), "24 あまり 2"},
    {"rem-no-point", "9.5", '/', "4", Rest(1), "2.3 あまり 3"},
    {"rem-no-point", "6.8", '/', "3", Rest(1), "2.2 あまり 2"},
    {"rem-no-point", "13.65", '/', "3", Rest(1), "4.5 あまり 15"},
    {"rem-no-point", "1.25", '/', "0.3", Rest(0), "4 あまり 5"},
    {"rem-no-point", "50", '/', "7", Rest(0), ""},  // a whole remainder has no point

    {"round-place", "2.6", '/', "0.9", Rounded(1), "2.89"},
    {"round-place", "8.69", '/', "0.3", Rounded(1), "28.97"},
    {"round-place", "10", '/', "3", Rounded(1), "3.33"},
    {"round-place", "5", '/', "7", Rounded(2), "0.714"},
    {"round-place", "9", '/', "8", Rounded(2), "1.125"},
    {"round-place", "0.1", '/', "3.9", Figures(2), "0.0256"},
    {"round-place", "2.25", 'x', "1.5", Rounded(1), "3.38"},
    {"round-place", "7.2", '/', "3", Rounded(1), ""},  // comes out even at the tenths
    {"round-place", "2.25", 'x', "1.5", Plain(), ""},  // the product is not rounded

    {"div-no-point", "8.16", '/', "4", Even(), "204"},
    {"div-no-point", "13.6", '/', "4", Even(), "34"},
    {"div-no-point", "0.21", '/', "3", Even(), "7"},
    {"div-no-point", "6.42", '/', "0.2", Even(), "321"},
    {"div-no-point", "9.12", '/', "6.4", Even(), "1425"},
    {"div-no-point", "13.6", '/', "3", Rest(1), "45 あまり 0.1"},
    {"div-no-point", "7.2", '/', "0.36", Even(), ""},      // a whole quotient
    {"div-no-point", "2.6", '/', "0.9", Rounded(1), ""},  // rounded: left alone
};

TEST(Mistakes, EachGivesTheWrongAnswerTeachersReport)
{
    for (const Slip& s : kSlips) {
        SCOPED_TRACE(std::string(s.Key) + ": " + s.A + " " + s.Op + " " + s.B);
        const std::optional<Mistake> id = MistakeOfKey(s.Key);
        ASSERT_TRUE(id);
        const auto wrong = MistakenWorking(*id, {s.A, s.B, OpOf(s.Op)}, s.Settings);
        EXPECT_EQ(wrong ? wrong->Answer : "", s.Wrong);
    }
}

// The working a まちがいさがし cell shows: the right one with one rule broken.
TEST(Mistakes, BreakOneRuleOfTheWorking)
{
    using Lines = std::vector<std::string>;
    const struct {
        const char* Key;
        const char* A;
        char Op;
        const char* B;
        ExamSettings Settings;
        Lines Rows;
        const char* Divisor;  // its picture; "" for no division
    } cases[] = {
        {"add-right", "2.3", '+', "1.45", Plain(), {"   2.3", " 1.4 5", " 1.6 8"}, ""},  // no divisor
        {"div-too-few-moves", "3.6", '/', "0.12", Even(), {"   3", " 3'6.", " 3 6", "   0"}, " 0'1.2"},
        {"div-dividend-point", "6.42", '/', "0.2", Even(),
         {" 3.2 1", " 6.4 2", " 6", "   4", "   4", "     2", "     2", "     0"}, " 0'2"},
        {"div-skipped-zero", "8.16", '/', "4", Even(), {" 2.4", " 8.1 6", " 8", "   1 6", "   1 6", "     0"}, " 4"},
        {"rem-moved-point", "1.25", '/', "0.3", Rest(0), {"   4", " 1'2.5", " 1 2", "   0.5"}, " 0'3"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.Key) + ": " + c.A + " " + c.Op + " " + c.B);
        const auto wrong = MistakenWorking(*MistakeOfKey(c.Key), {c.A, c.B, OpOf(c.Op)}, c.Settings);
        ASSERT_TRUE(wrong);
        EXPECT_EQ(WrittenPicture(wrong->Calc), c.Rows);
        const WorkedRow& divisor = wrong->Calc.Divisor;
        EXPECT_EQ(WrittenRowPicture(divisor, int(divisor.Digits.size())), c.Divisor);
    }
}

TEST(Mistakes, SameWrongAnswersAreListedTogether)
{
    const auto rest = WrongAnswers({"7.4", "0.3", CalcOp::Div}, Rest(0));
    ASSERT_EQ(rest.size(), 3u);
    EXPECT_EQ(rest[0].Answer, "2 あまり 1.4");
    EXPECT_EQ(rest[1].Answer, "2.4 あまり 0.2");
    EXPECT_EQ(rest[2].Answer, "24 あまり 2");
    EXPECT_EQ(rest[2].Mistakes, (std::vector{Mistake::RemMovedPoint, Mistake::RemNoPoint}));
    EXPECT_EQ(rest[2].Label, "あまりの小数点を移したあとの位置に打った／あまりに小数点を打っていない");

    const auto even = WrongAnswers({"6.42", "0.2", CalcOp::Div}, Even());
    ASSERT_EQ(even.size(), 2u);
    EXPECT_EQ(even[0].Mistakes, (std::vector{Mistake::DivDividendPoint, Mistake::DivQuotientPoint}));
    EXPECT_EQ(even[1].Answer, "321");
}

TEST(Mistakes, TextsThatAreNotPlainNumbersGiveNothing)
{
    const ListedProblem bad[] = {
        {"abc", "1", CalcOp::Add}, {"-8.1", "4.33", CalcOp::Sub}, {"1E-005", "0.2", CalcOp::Mul},
        {"", "0.3", CalcOp::Div},  {"7.4", "0", CalcOp::Div},     {"7.4", "0.3 ", CalcOp::Div},
        {"1.5", "2.25", CalcOp::Sub},  // a negative difference
    };
    for (const ListedProblem& p : bad) {
        SCOPED_TRACE(p.A + " , " + p.B);
        for (const ExamSettings& s : {Plain(), Rest(1), Even(), Figures(2)}) {
            EXPECT_TRUE(WrongAnswers(p, s).empty());
            for (const MistakeInfo& info : MistakeTable())
                EXPECT_FALSE(MistakenWorking(info.Id, p, s));
        }
    }
    EXPECT_EQ(ChooseMistakes({std::begin(bad), std::end(bad)}, Rest(1), 7),
              std::vector<std::optional<Mistake>>(std::size(bad)));
}

// Sheets drawn by the real generators: the right working gives the listed
// answer and is today's worked calculation; every wrong answer differs from
// it, and every wrong working stays on its grid.
TEST(Mistakes, HoldOverThousandsOfDrawnProblems)
{
    struct Sheet {
        int Op;
        std::array<std::string, 8> Ranges;
        ExamSettings Settings;
    };
    const std::array<std::string, 8> addRanges{"1", "0", "20", "9", "0", "00", "9", "99"};
    const std::array<std::string, 8> subRanges{"5", "0", "20", "9", "0", "000", "4", "999"};
    const std::array<std::string, 8> mulRanges{"0", "1", "9", "9", "0", "01", "9", "99"};
    const std::array<std::string, 8> divRanges{"0", "1", "99", "9", "0", "01", "9", "99"};
    const std::array<std::string, 8> div4Ranges{"0", "01", "99", "99", "2", "", "9", ""};
    ExamSettings keepZeros = Plain();
    keepZeros.fDelZero = false;
    ExamSettings yaku = Rounded(1);
    yaku.fYaku = true;
    ExamSettings figuresYaku = Figures(2);
    figuresYaku.fYaku = true;
    ExamSettings restKeep = Rest(1);
    restKeep.fDelZero = false;
    ExamSettings rest4 = Rest(2);
    rest4.fRoundSig = true;
    std::vector<Sheet> sheets = {
        {OpAdd, addRanges, Plain()}, {OpAdd, addRanges, keepZeros}, {OpSub, subRanges, Plain()},
        {OpSub, subRanges, keepZeros}, {OpMul, mulRanges, Plain()}, {OpMul, mulRanges, Rounded(1)},
        {OpMul, mulRanges, yaku}, {OpMul, mulRanges, figuresYaku},
    };
    for (const auto& ranges : {divRanges, div4Ranges})
        for (const ExamSettings& s : {Rounded(1), yaku, Rounded(2), figuresYaku, Rest(0), Rest(1), restKeep, rest4})
            sheets.push_back({OpDiv, ranges, s});
    // A quotient that comes out even replaces the dividend by divisor × q,
    // which needs one decimal more than the divisor.
    sheets.push_back({OpDiv, {"0", "001", "99", "999", "0", "01", "9", "99"}, Even()});
    sheets.push_back({OpDiv, div4Ranges, Even()});

    std::map<Mistake, int> seen;
    int problems = 0;
    for (const Sheet& sheet : sheets) {
        ExamSettings settings = sheet.Settings;
        settings.Operation = sheet.Op;
        settings.ExamRowN = 10;
        settings.ExamColN = 2;
        std::copy(sheet.Ranges.begin(), sheet.Ranges.end(), settings.Ranges.begin());
        for (std::uint64_t seed = 1; seed <= 15; ++seed) {
            ScriptedGenHost host;
            const RunResult run = MakeRun(settings, host, seed);
            ASSERT_TRUE(run.Completed()) << sheet.Op << " " << seed;
            for (size_t i = 0; i < run.Lines3.size(); ++i) {
                const ListedProblem p{run.Lines1[i], run.Lines2[i], CalcOpOf(sheet.Op)};
                SCOPED_TRACE(Line(run, i));
                const auto right = RightWorking(p, settings);
                ASSERT_TRUE(right);
                EXPECT_EQ(right->Answer, run.Lines3[i]);
                EXPECT_EQ(WrittenPicture(right->Calc),
                          WrittenPicture(*BuildWrittenCalc(p.A, p.B, p.Op, DivisionModeOf(settings))));
                // The check under a remainder answer comes back to the dividend.
                const auto check = RemainderCheckText(p.B, run.Lines3[i]);
                EXPECT_EQ(check.has_value(), run.Lines3[i].find("あまり") != std::string::npos);
                if (check) {
                    EXPECT_TRUE(check->ends_with("＝" + FormatPlain(*ParseDecimal(p.A)))) << *check;
                }
                std::set<std::string> answers{right->Answer};
                for (const WrongAnswer& wrong : WrongAnswers(p, settings)) {
                    EXPECT_TRUE(answers.insert(wrong.Answer).second) << wrong.Answer;
                    for (Mistake m : wrong.Mistakes) {
                        const auto working = MistakenWorking(m, p, settings);
                        ASSERT_TRUE(working);
                        EXPECT_EQ(working->Answer, wrong.Answer);
                        for (const WorkedRow& row : working->Calc.Rows) {
                            EXPECT_GE(row.Column, 0);
                            EXPECT_LE(row.End(), working->Calc.Columns);
                            EXPECT_LE(row.Point, working->Calc.Columns);
                        }
                        ++seen[m];
                    }
                }
                ++problems;
            }
        }
    }
    EXPECT_GE(problems, 5000);
    for (const MistakeInfo& info : MistakeTable())
        EXPECT_GT(seen[info.Id], 0) << info.Key;
}

TEST(RemainderCheck, WritesDivisorTimesQuotientPlusRemainderWorkedExactly)
{
    const struct {
        const char* Divisor;
        const char* Answer;
        const char* Check;  // "" for none
    } cases[] = {
        {"5.2", "9.7 あまり 0.06", "たしかめ　5.2×9.7＋0.06＝50.5"},
        {"3", "9.0 あまり 0.5", "たしかめ　3×9.0＋0.5＝27.5"},  // the quotient as the answer writes it
        {"0.3", "24 あまり 2", "たしかめ　0.3×24＋2＝9.2"},    // a wrong answer does not come back
        {"3", "4.2", ""},
        {"-3", "1 あまり 1", ""},
        {"3", "約4.2 あまり 1", ""},
        {"3", "4 あまり ", ""},
    };
    for (const auto& c : cases) {
        const auto check = RemainderCheckText(c.Divisor, c.Answer);
        EXPECT_EQ(check.value_or(""), c.Check) << c.Divisor << " " << c.Answer;
    }
}

std::vector<ListedProblem> Divisions(std::initializer_list<std::pair<const char*, const char*>> pairs)
{
    std::vector<ListedProblem> problems;
    for (const auto& [a, b] : pairs)
        problems.push_back({a, b, CalcOp::Div});
    return problems;
}

TEST(MistakeChooser, UsesDifferentMistakesWhereTheProblemsAllow)
{
    // 8.16 ÷ 4 can only skip a zero or leave the quotient's point out,
    // 6.42 ÷ 0.2 only misplace the point or leave it out, 9.6 ÷ 1.6 only
    // misplace it: the five mistakes these five problems allow are all used.
    const auto sheet = Divisions({{"7.2", "0.36"}, {"8.16", "4"}, {"3.6", "0.12"}, {"6.42", "0.2"}, {"9.6", "1.6"}});
    for (std::uint64_t seed = 0; seed < 50; ++seed) {
        const auto chosen = ChooseMistakes(sheet, Even(), seed);
        ASSERT_EQ(chosen.size(), sheet.size());
        EXPECT_TRUE(chosen[1] == Mistake::DivSkippedZero || chosen[1] == Mistake::DivNoPoint);
        std::set<Mistake> distinct;
        for (size_t i = 0; i < chosen.size(); ++i) {
            ASSERT_TRUE(chosen[i]);
            distinct.insert(*chosen[i]);
            EXPECT_TRUE(MistakenWorking(*chosen[i], sheet[i], Even()));
        }
        EXPECT_EQ(distinct.size(), 5u);  // dividend point, too few moves, quotient point, skipped zero, no point
        EXPECT_EQ(ChooseMistakes(sheet, Even(), seed), chosen);
    }
}

TEST(MistakeChooser, SpreadsRepeatsEvenly)
{
    // Twelve problems that each allow the same four mistakes: three of each.
    std::vector<ListedProblem> sheet(12, {"7.2", "0.36", CalcOp::Div});
    std::set<std::vector<std::optional<Mistake>>> seen;
    for (std::uint64_t seed = 0; seed < 20; ++seed) {
        const auto chosen = ChooseMistakes(sheet, Even(), seed);
        std::map<Mistake, int> uses;
        for (const auto& m : chosen)
            ++uses[m.value()];
        EXPECT_EQ(uses.size(), 4u);
        for (const auto& [m, n] : uses)
            EXPECT_EQ(n, 3);
        seen.insert(chosen);
    }
    EXPECT_GT(seen.size(), 10u);  // the seed decides which problem shows which
}

} // namespace
