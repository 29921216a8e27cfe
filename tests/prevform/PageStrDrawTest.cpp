#include "prevform/PassFixture.h"
#include <gtest/gtest.h>

namespace {

// The recording surface measures every character as a square of the font's
// pixel height: 9 pt is 12 px wide and high at 96 dpi.
class PageStrDrawTest : public testing::Test, public PassFixture {
protected:
    static constexpr double MmPerPx = 25.4 / 96;
    double UnitW() const { return Geometry.Get_UnitWidth(); }
    double UnitH() const { return Geometry.Get_UnitHeight(); }
    int Px(double mm) const { return qRound(mm / MmPerPx); }

    void Set(TPageStr& rec, const QString& text, int pos, const QString& x = "0",
             const QString& y = "0")
    {
        rec.SetSets(text, "ＭＳ 明朝", 9, pos, x, y, false, false);
    }
};

TEST_F(PageStrDrawTest, LeftRightAndCentre)
{
    const std::vector<std::pair<int, int>> cases{
        {1, 0},
        {2, Px(UnitW() - 39 * MmPerPx)},
        {3, (755 - 39) / 2}};
    for (const auto& [code, x] : cases) {
        Screen.Calls.clear();
        Set(Header, "abc", code);
        Header.psSize = 10; // 13 px a character
        Header.psDrawn = false;
        ASSERT_TRUE(DrawPageStr(Ctx, Header, PageStrKind::Header));
        EXPECT_EQ(Screen.Calls.at(0).A, QPoint(x, 0)) << code;
    }
}

TEST_F(PageStrDrawTest, FooterStandsOnTheCreditLine)
{
    Copyright.SetSets("(c) credit", "ＭＳ Ｐ明朝", 12, 4, "0", "0", false, false);
    DrawCopyright(Ctx);
    EXPECT_NEAR(CreditHeight, 16 * MmPerPx, 1e-9);
    const auto credit = Screen.Calls.at(0);
    EXPECT_EQ(credit.A, QPoint(0, Px(UnitH() - 16 * MmPerPx)));
    EXPECT_EQ(credit.Font.Face, "ＭＳ Ｐ明朝");

    ResetDrawState(Ctx);
    Set(Footer, "foot", 1);
    ASSERT_TRUE(DrawPageStr(Ctx, Footer, PageStrKind::Footer));
    const auto footer = Screen.Calls.at(1);
    EXPECT_EQ(footer.A.y() + 12, credit.A.y()); // ends where the credit line begins
}

TEST_F(PageStrDrawTest, FooterWithoutCreditEndsAtTheBottomRightCorner)
{
    DrawCopyright(Ctx);
    EXPECT_EQ(CreditHeight, 0);
    EXPECT_TRUE(Screen.Calls.empty());
    Set(Footer, "ab", 2);
    ASSERT_TRUE(DrawPageStr(Ctx, Footer, PageStrKind::Footer));
    EXPECT_EQ(Screen.Calls.at(0).A,
              QPoint(Px(UnitW() - 24 * MmPerPx), Px(UnitH() - 12 * MmPerPx)));
}

TEST_F(PageStrDrawTest, TitleAndSubtitleStandUnderTheHeader)
{
    Set(PageTitle, "t", 1);
    Set(SubTitle, "s", 3);
    ASSERT_TRUE(DrawPageStr(Ctx, PageTitle, PageStrKind::Title));
    EXPECT_EQ(Screen.Calls.at(0).A.y(), 0); // no header: the top edge

    PageTitle.psDrawn = false;
    Set(Header, "head", 1, "0", "0");
    Header.psSize = 12;
    ASSERT_TRUE(DrawPageStr(Ctx, Header, PageStrKind::Header));
    EXPECT_NEAR(HeaderBottom, 16 * MmPerPx, 1e-9);
    ASSERT_TRUE(DrawPageStr(Ctx, PageTitle, PageStrKind::Title));
    ASSERT_TRUE(DrawPageStr(Ctx, SubTitle, PageStrKind::Title));
    EXPECT_EQ(Screen.Calls.at(2).A.y(), 16);
    EXPECT_EQ(Screen.Calls.at(3).A.y(), 16);
}

TEST_F(PageStrDrawTest, WhatIsNotDrawn)
{
    struct Case {
        PageStrKind Kind;
        QString Text;
        int Pos;
        QString X;
        bool Drawn;
    };
    const std::vector<Case> cases{
        {PageStrKind::Header, "h", 0, "0", false}, {PageStrKind::Header, "h", -1, "0", false},
        {PageStrKind::Footer, "f", 0, "0", false}, {PageStrKind::Title, "", 1, "0", false},
        {PageStrKind::Title, "t", 4, "abc", false}, {PageStrKind::Title, "t", 4, "-20", true},
        {PageStrKind::Title, "t", -2, "0", true},  {PageStrKind::Title, "t", 9, "5", true}};
    for (const auto& c : cases) {
        TPageStr rec;
        Set(rec, c.Text, c.Pos, c.X, "0");
        EXPECT_EQ(DrawPageStr(Ctx, rec, c.Kind), c.Drawn) << c.Pos << c.X.toStdString();
        EXPECT_EQ(rec.psDrawn, c.Drawn);
        if (c.Drawn) {
            EXPECT_FALSE(DrawPageStr(Ctx, rec, c.Kind)) << "drawn twice";
        }
    }
    EXPECT_EQ(HeaderBottom, 0);
}

TEST_F(PageStrDrawTest, NegativeXCountsFromTheRightEdge)
{
    Set(PageTitle, "t", 4, "-20", "10");
    ASSERT_TRUE(DrawPageStr(Ctx, PageTitle, PageStrKind::Title));
    EXPECT_EQ(Screen.Calls.at(0).A, QPoint(Px(UnitW() - 20), Px(10)));
}

TEST_F(PageStrDrawTest, PageStringKeepsTheColourAndSetsFaceSizeBoldItalic)
{
    State.Font.Color = 0x0000FF;
    State.Font.Underline = true;
    PageTitle.SetSets("t", "IPAMincho", 24, 1, "0", "0", true, true);
    DrawPageStr(Ctx, PageTitle, PageStrKind::Title);
    EXPECT_EQ(Screen.Calls.at(0).Font, (DeviceFont{"IPAMincho", 32, 0x0000FF, true, true, true, false}));
}

TEST(TPageStrTest, AssignNeverCopiesDrawn)
{
    TPageStr a, b;
    a.SetSets("s", "n", 10, 3, "1", "2", true, false);
    a.psDrawn = true;
    b.Assign(a);
    EXPECT_FALSE(b.psDrawn);
    QString s, n, x, y;
    int size = 0, pos = 0;
    bool bold = false, italic = true;
    b.GetSets(s, n, size, pos, x, y, bold, italic);
    EXPECT_EQ(QStringList({s, n, x, y}), QStringList({"s", "n", "1", "2"}));
    EXPECT_EQ(size, 10);
    EXPECT_EQ(pos, 3);
    EXPECT_TRUE(bold);
    EXPECT_FALSE(italic);
}

} // namespace
