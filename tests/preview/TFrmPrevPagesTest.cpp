// The preview's documents of several pages: one page shown at a time,
// paging by menu and by key, the page number, and printing and PDF saving
// that take every page while images take the page shown.
#include "PrevWindowFixture.h"

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QRegularExpression>
#include <QStatusBar>
#include <QTest>

namespace {

// Two pages that differ: a rule on the first, a box on the second.
const QList<QStringList> kTwoPages = {
    {QStringLiteral("INITPARAM"), QStringLiteral("Line,10,10,150,10")},
    {QStringLiteral("INITPARAM"), QStringLiteral("Line,20,100,20,200"),
     QStringLiteral("Line,20,200,120,200")},
};

// Pages of a PDF file, counted by their page objects.
int PdfPages(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    const QString text = QString::fromLatin1(file.readAll());
    return int(text.count(QRegularExpression(QStringLiteral("/Type\\s*/Page(?![a-zA-Z])"))));
}

class TFrmPrevPagesTest : public PrevWindowFixture {
protected:
    TFrmPrev& ShownDocument(const QList<QStringList>& pages)
    {
        TFrmPrev& form = MakeWindow();
        form.show();
        QApplication::processEvents();
        form.ShowDocument(pages);
        return form;
    }

    // Where the preview stands: the page index, the items, the number shown.
    struct Paging {
        int Index;
        bool Back, Forward;
        QString Number;
        bool NumberShown;
        bool operator==(const Paging&) const = default;
    };
    static Paging PagingOf(TFrmPrev& form)
    {
        return {form.PageIndex(), form.PrevPageItem->isEnabled(), form.NextPageItem->isEnabled(),
                form.PageLabel->text(), form.statusBar()->isVisible()};
    }
};

TEST_F(TFrmPrevPagesTest, PagesTurnByMenuAndByKeyAndStopAtTheEnds)
{
    TFrmPrev& form = ShownDocument(kTwoPages);
    struct Step {
        const char* Name;
        std::function<void()> Act;
        Paging Expected;
    };
    const Step steps[] = {
        {"first page shown", [] {}, {0, false, true, "1/2", true}},
        {"back at the first page stays", [&] { form.PrevPageClick(); }, {0, false, true, "1/2", true}},
        {"next page item", [&] { form.NextPageItem->trigger(); }, {1, true, false, "2/2", true}},
        {"past the last page stays", [&] { form.NextPageClick(); }, {1, true, false, "2/2", true}},
        {"Page Up", [&] { QTest::keyClick(&form, Qt::Key_PageUp); }, {0, false, true, "1/2", true}},
        {"Page Down", [&] { QTest::keyClick(&form, Qt::Key_PageDown); }, {1, true, false, "2/2", true}},
    };
    for (const Step& step : steps) {
        step.Act();
        EXPECT_EQ(PagingOf(form), step.Expected) << step.Name;
        EXPECT_EQ(form.Engine().ListbyProgram, kTwoPages.at(form.PageIndex())) << step.Name;
    }
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Preview")) << "the number is not in the caption";
}

TEST_F(TFrmPrevPagesTest, EachPageIsRenderedWhenShown)
{
    TFrmPrev& form = ShownDocument(kTwoPages);
    const QImage first = form.Engine().PageImage().copy();
    form.NextPageClick();
    const QImage second = form.Engine().PageImage().copy();
    EXPECT_GT(InkPixels(first), 0);
    EXPECT_GT(InkPixels(second), 0);
    EXPECT_NE(first, second);
    form.PrevPageClick();
    EXPECT_EQ(form.Engine().PageImage(), first);
}

TEST_F(TFrmPrevPagesTest, OnePageKeepsTheWindowAsItWas)
{
    TFrmPrev& form = ShownDocument({kTwoPages.at(0)});
    EXPECT_EQ(PagingOf(form), (Paging{0, false, false, "1/1", false}));
    form.NextPageClick();
    EXPECT_EQ(form.PageIndex(), 0);
}

TEST_F(TFrmPrevPagesTest, ShowingTheWindowAgainForgetsTheDocument)
{
    TFrmPrev& form = ShownDocument(kTwoPages);
    form.hide();
    form.show();
    QApplication::processEvents();
    EXPECT_EQ(form.PageCount(), 0);
    EXPECT_FALSE(form.NextPageItem->isEnabled());
    EXPECT_FALSE(form.statusBar()->isVisible());
}

TEST_F(TFrmPrevPagesTest, PrintingTwoPagesIsOneJobOfTwoPages)
{
    TFrmPrev& form = ShownDocument(kTwoPages);
    form.NextPageClick();
    Prompt.FileAnswers = {Path("job.pdf")};
    form.P1->trigger();
    EXPECT_EQ(PdfPages(Path("job.pdf")), 2);
    EXPECT_EQ(form.Engine().ListbyProgram, kTwoPages.at(1)) << "the page shown stays";
}

TEST_F(TFrmPrevPagesTest, OnePagePrintsOnePage)
{
    TFrmPrev& form = ShownDocument({kTwoPages.at(0)});
    Prompt.FileAnswers = {Path("one.pdf")};
    form.P1->trigger();
    EXPECT_EQ(PdfPages(Path("one.pdf")), 1);
}

TEST_F(TFrmPrevPagesTest, PdfTakesEveryPageAndAnImageThePageShown)
{
    TFrmPrev& form = ShownDocument(kTwoPages);
    form.NextPageClick();
    const QImage shown = form.VisiblePicture().copy();
    Prompt.FileAnswers = {Path("doc.pdf"), Path("page.png")};
    form.B1->trigger();
    form.B1->trigger();
    EXPECT_EQ(PdfPages(Path("doc.pdf")), 2);
    const QImage saved(Path("page.png"));
    ASSERT_FALSE(saved.isNull());
    EXPECT_EQ(saved.convertToFormat(QImage::Format_RGB32), shown.convertToFormat(QImage::Format_RGB32));
    EXPECT_EQ(form.Engine().ListbyProgram, kTwoPages.at(1));
}

} // namespace
