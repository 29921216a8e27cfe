// Class sets: the names a list gives, the order of the pages, the marks each
// sheet carries, the seeds of its sheets, and stopping without pages when
// the user cancels or a run is abandoned.
#include "support/ScriptedGenHost.h"
#include "support/ScriptedPrompts.h"
#include "generation/SheetCode.h"
#include "prevform/PrevEngine.h"
#include "prevform/PrinterInfo.h"
#include "sheet/ClassSet.h"
#include "sheet/SetGenHost.h"
#include "sheet/SetProgress.h"
#include "sheet/StartingLayout.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

struct NamesCase {
    const char* Label;
    QByteArray Bytes;
    QStringList Expected;
};

TEST(ClassSetNames, FirstColumnOfTextOrCsvInEitherEncoding)
{
    const QByteArray sjisYamada("\x8e\x52\x93\x63\x81\x40\x89\xd4\x8e\x71", 10);  // 山田　花子
    const NamesCase cases[] = {
        {"one a line, blanks skipped", "Aoi\n\n  Ren  \n\n", {"Aoi", "Ren"}},
        {"CRLF and a byte-order mark", "\xEF\xBB\xBFSora\r\nHina\r\n", {"Sora", "Hina"}},
        {"CSV: first column only", "Aoi,3,x\nRen,4\n", {"Aoi", "Ren"}},
        {"CSV: a quoted field keeps its comma and quotes",
         "\"Mori, Ken\",1\n\"Say \"\"Hi\"\"\",2\n", {"Mori, Ken", "Say \"Hi\""}},
        {"CSV: a line with an empty first field is skipped", ",5\nAoi,1\n", {"Aoi"}},
        {"UTF-8 Japanese", QString::fromUtf16(u"山田　花子\n佐藤 次郎\n").toUtf8(),
         {QString::fromUtf16(u"山田　花子"), QString::fromUtf16(u"佐藤 次郎")}},
        {"Shift_JIS", sjisYamada + "\r\n", {QString::fromUtf16(u"山田　花子")}},
    };
    for (const NamesCase& c : cases)
        EXPECT_EQ(NamesFromFile(c.Bytes), c.Expected) << c.Label;
}

TEST(ClassSetNames, TheListBoxTakesWholeLinesCommasIncluded)
{
    EXPECT_EQ(NamesFromText(QStringLiteral(" Mori, Ken \n\n\t\nAoi")),
              (QStringList{"Mori, Ken", "Aoi"}));
}

TEST(ClassSetOrder, CommandLineWords)
{
    EXPECT_EQ(ParseSetOrder("pairs"), SetOrder::Pairs);
    EXPECT_EQ(ParseSetOrder("problems-first"), SetOrder::ProblemsFirst);
    EXPECT_EQ(ParseSetOrder("problems"), SetOrder::Problems);
    EXPECT_EQ(ParseSetOrder("answers"), SetOrder::Answers);
    for (const char* word : {"", "Pairs", "answer", "problems-last"})
        EXPECT_FALSE(ParseSetOrder(word)) << word;
}

TEST(ClassSetCheck, CountsAndListsOutOfRangeAreRefused)
{
    QStringList fifty, fiftyOne;
    for (int i = 0; i < 51; ++i)
        (i < 50 ? fifty : fiftyOne) << QString::number(i);
    fiftyOne = fifty + QStringList{"extra"};
    struct Case { int Count; QStringList Names; bool Ok; };
    const Case cases[] = {{1, {}, true}, {50, {}, true}, {0, {}, false}, {51, {}, false},
                          {0, fifty, true}, {1, fiftyOne, false}};
    for (const Case& c : cases) {
        SetRequest request;
        request.Count = c.Count;
        request.Names = c.Names;
        EXPECT_EQ(ClassSet::Check(request).isEmpty(), c.Ok) << c.Count << " " << c.Names.size();
    }
    SetRequest tooMany;
    tooMany.Names = fiftyOne;
    EXPECT_TRUE(ClassSet::Check(tooMany).contains(QStringLiteral("51")));
}

// Cancels when asked for step CancelAt; records every step.
class RecordingProgress : public SetProgress {
public:
    int CancelAt = -1;
    QStringList Texts;
    bool Step(int done, int, const QString& what) override
    {
        Texts << what;
        return done != CancelAt;
    }
};

class ClassSetTest : public ::testing::Test {
protected:
    QTemporaryDir Dir;
    ScriptedPrompts Prompt;
    PrevEngine Engine{Prompt, PrinterInfo::BuiltInPdf(Dir.filePath(QStringLiteral("out.pdf"))), 96};
    SheetPipeline Pipeline{Engine};
    RecordingProgress Progress;
    SheetSettings Settings;
    PageStrRecords Records{UnconfiguredPageStr(), UnconfiguredPageStr(), UnconfiguredPageStr(),
                           UnconfiguredPageStr()};
    std::vector<std::uint64_t> Seeds;  // as the problem maker was asked for them
    std::optional<std::uint64_t> AbandonAt;

    void SetUp() override
    {
        GiveStartingLayout(Records.PageTitle, StartingLayout::PageTitle);
        GiveStartingLayout(Records.SubTitle, StartingLayout::SubTitle);
        Settings.ExamRowN = 2;
    }

    // Problems and answers that tell their seed: "123.5 ＋ 2 = 123.25".
    std::optional<QList<QStringList>> Make(SetRequest request)
    {
        return ClassSet(Pipeline, Progress).Make(request, [&](std::uint64_t seed) -> std::optional<SheetProblems> {
            Seeds.push_back(seed);
            if (AbandonAt && Seeds.size() - 1 == *AbandonAt)
                return std::nullopt;
            const QString a = QString::number(seed % 1000) + QStringLiteral(".5");
            const QString answer = QString::number(seed % 1000) + QStringLiteral(".25");
            return SheetProblems{{a, a}, {"2", "3"}, {answer, answer}, OpAdd};
        }, Settings, Records);
    }
};

// "P2" for the problem sheet of No.2, "A2" for its answer sheet.
QString PageKind(const QStringList& page)
{
    const bool answer = !page.filter(QStringLiteral("(答)")).isEmpty();
    const QStringList marks = page.filter(QStringLiteral("\"No."));
    if (marks.size() != 1)
        return QStringLiteral("?");
    const QString no = marks.first().section(QStringLiteral("\"No."), 1).section(QChar(0x3000), 0, 0);
    return (answer ? QStringLiteral("A") : QStringLiteral("P")) + no;
}

TEST_F(ClassSetTest, PagesComeInTheOrderAsked)
{
    struct Case { SetOrder Order; QStringList Kinds; };
    const Case cases[] = {
        {SetOrder::Pairs, {"P1", "A1", "P2", "A2", "P3", "A3"}},
        {SetOrder::ProblemsFirst, {"P1", "P2", "P3", "A1", "A2", "A3"}},
        {SetOrder::Problems, {"P1", "P2", "P3"}},
        {SetOrder::Answers, {"A1", "A2", "A3"}},
    };
    for (const Case& c : cases) {
        SetRequest request{3, {}, c.Order, 10};
        const auto pages = Make(request);
        ASSERT_TRUE(pages);
        QStringList kinds;
        for (const QStringList& page : *pages)
            kinds << PageKind(page);
        EXPECT_EQ(kinds, c.Kinds) << int(c.Order);
    }
}

TEST_F(ClassSetTest, SheetKIsMadeFromTheKthDerivedSeedAndBothSheetsCarryItsCode)
{
    const auto pages = Make(SetRequest{3, {}, SetOrder::Pairs, 12345});
    ASSERT_TRUE(pages);
    ASSERT_EQ(Seeds.size(), 3u);
    for (std::uint64_t k = 0; k < 3; ++k) {
        EXPECT_EQ(Seeds[k], DerivedSeed(12345, k));
        const QString code = QString::fromStdString(SheetCode::FromSeed(Seeds[k])->Text());
        const QString mark = QStringLiteral("\"No.%1").arg(k + 1) + QChar(0x3000) + code + '"';
        for (int page : {2 * int(k), 2 * int(k) + 1})
            EXPECT_EQ(pages->at(page).filter(mark).size(), 1) << page << mark.toStdString();
        // The answer sheet answers its own problem sheet.
        const QString stem = QString::number(Seeds[k] % 1000);
        EXPECT_FALSE(pages->at(2 * int(k)).filter(stem + ".5").isEmpty());
        EXPECT_FALSE(pages->at(2 * int(k) + 1).filter(stem + ".25").isEmpty());
    }
}

TEST_F(ClassSetTest, NamesGoIntoTheNameLineOfBothSheets)
{
    const auto pages = Make(SetRequest{1, {"Aoi", "Ren"}, SetOrder::Pairs, 7});
    ASSERT_TRUE(pages);
    ASSERT_EQ(pages->size(), 4);  // the list, not the count, decides
    const QString heading = QStringLiteral("なまえ") + QChar(0x3000);
    for (int page = 0; page < 4; ++page) {
        const QString name = page < 2 ? "Aoi" : "Ren";
        EXPECT_EQ(pages->at(page).filter(heading + name).size(), 1) << page;
        // The name line holds it; the bottom line does not repeat it.
        EXPECT_TRUE(pages->at(page).filter(QStringLiteral("\"No.")).first().count(name) == 0);
    }
}

TEST_F(ClassSetTest, CancellingStopsAtOnceWithNoPages)
{
    Progress.CancelAt = 2;  // before the third sheet
    EXPECT_FALSE(Make(SetRequest{5, {}, SetOrder::Pairs, 1}));
    EXPECT_EQ(Seeds.size(), 2u);
    EXPECT_EQ(Progress.Texts.first(), QStringLiteral("1 / 5 枚目を作っています"));
}

TEST_F(ClassSetTest, AnAbandonedRunAbandonsTheSet)
{
    AbandonAt = 1;
    EXPECT_FALSE(Make(SetRequest{3, {}, SetOrder::Pairs, 1}));
    EXPECT_EQ(Seeds.size(), 2u);
}

TEST(SetGenHost, TheLoopOverQuestionIsAskedOnceAndYesCarriesThrough)
{
    ScriptedGenHost inner;
    inner.ConfirmAnswers = {true, false, false};
    SetGenHost host(inner);
    EXPECT_TRUE(host.Confirm("again?"));
    EXPECT_TRUE(host.Confirm("again?"));
    EXPECT_TRUE(host.Confirm("again?"));
    EXPECT_EQ(inner.ConfirmCount, 1);
}

TEST(SetGenHost, NoIsPassedOnAndAskedAgainNextTime)
{
    ScriptedGenHost inner;
    inner.ConfirmAnswers = {false};
    SetGenHost host(inner);
    EXPECT_FALSE(host.Confirm("again?"));
    EXPECT_EQ(inner.ConfirmCount, 1);
}

} // namespace
