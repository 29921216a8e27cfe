// The preview window under the offscreen platform: creation, the show
// steps, the two views, the overlays, the resize guard and the inert window
// after a printer failure.
#include "PrevWindowFixture.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QScrollArea>

namespace {

using TFrmPrevTest = PrevWindowFixture;

QStringList Captions(const QMenu* menu)
{
    QStringList captions;
    for (const QAction* item : menu->actions())
        captions << (item->isSeparator() ? QStringLiteral("-") : item->text());
    return captions;
}

TEST(PageImageSize, SixHundredDpiPrinterOnNinetySixDpiScreen)
{
    PageGeometry g;
    g.PageW = 4960;
    g.PageH = 7016;
    g.PrinterResX = g.PrinterResY = 600;
    g.MonitorRes = 96;
    g.RatioX = g.RatioY = 600.0L / 96;
    EXPECT_DOUBLE_EQ(static_cast<double>(g.RatioX), 6.25);
    EXPECT_EQ(g.OneToOneImageSize(), QSize(793, 1122));
    EXPECT_EQ(g.WholePageImageSize(QSize(460, 540)), QSize(381, 540));
    // A page relatively wider than the client area fills its width.
    EXPECT_EQ(g.WholePageImageSize(QSize(460, 1000)), QSize(460, 650));
}

TEST_F(TFrmPrevTest, CreatedHiddenWithItsCaptionPlaceAndMenus)
{
    TFrmPrev& form = MakeWindow();
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Preview"));
    EXPECT_EQ(form.size(), QSize(480, 600));
    EXPECT_EQ(form.pos(), QPoint(709, 181));
    const QList<QAction*> menus = form.menuBar()->actions();
    ASSERT_EQ(menus.size(), 2);
    EXPECT_EQ(menus[0]->text(), QStringLiteral("ファイル(&F)"));
    EXPECT_EQ(menus[1]->text(), QStringLiteral("表示(&V)"));
    EXPECT_EQ(Captions(form.MenuFile),
              (QStringList{QStringLiteral("ファイルに保存(&B)"), QStringLiteral("Jpeg画像の質(&J)"),
                           QStringLiteral("クリップボードに複写(&F)"), QStringLiteral("-"),
                           QStringLiteral("プリンタ設定(&S)"), QStringLiteral("印刷(&P)"),
                           QStringLiteral("-"), QStringLiteral("閉じる(&C)")}));
    EXPECT_EQ(Captions(form.MenuView),
              (QStringList{QStringLiteral("メモリ(&S)"), QStringLiteral("方眼(&M)"),
                           QStringLiteral("-"), QStringLiteral("１：１表示(&W)"),
                           QStringLiteral("ページ(&G)"), QStringLiteral("-"),
                           QStringLiteral("前のページ"), QStringLiteral("次のページ")}));
    EXPECT_TRUE(form.S2->isCheckable() && form.M1->isCheckable());
    EXPECT_TRUE(form.W1->isChecked());
    form.G1->trigger();
    EXPECT_FALSE(form.W1->isChecked()) << "the two views are one radio pair";
}

TEST_F(TFrmPrevTest, ShowingGivesTheOneToOneImageAndEmptiesTheLists)
{
    TFrmPrev& form = MakeWindow();
    PrevEngine& engine = form.Engine();
    engine.ListByManual = {QStringLiteral("Line,0,0,10,10")};
    engine.ListbyProgram = {QStringLiteral("Line,0,0,10,10")};
    engine.State.Font.Bold = engine.State.Font.Italic = true;
    form.show();
    EXPECT_TRUE(engine.ListByManual.isEmpty());
    EXPECT_TRUE(engine.ListbyProgram.isEmpty());
    EXPECT_FALSE(engine.State.Font.Bold || engine.State.Font.Italic);
    EXPECT_EQ(engine.PageImage().size(), engine.Geometry.OneToOneImageSize());
    EXPECT_TRUE(form.Image1->isVisibleTo(&form));
    EXPECT_FALSE(form.Image2->isVisibleTo(&form));
    EXPECT_EQ(form.Image1->size(), engine.PageImage().size());
}

TEST_F(TFrmPrevTest, WholePageViewFitsTheClientAreaAndOneToOneDoesNotRender)
{
    TFrmPrev& form = ShownWithPage();
    PrevEngine& engine = form.Engine();
    form.G1->trigger();
    EXPECT_EQ(engine.PageView, 2);
    const QSize fit = engine.Geometry.WholePageImageSize(form.ClientSize());
    EXPECT_EQ(engine.WholePageImage().size(), fit);
    EXPECT_EQ(form.Image2->size(), fit);
    EXPECT_TRUE(form.Image2->isVisibleTo(&form));
    EXPECT_FALSE(form.ScrollBox->isVisibleTo(&form));
    EXPECT_GT(InkPixels(engine.WholePageImage()), 0) << "entering the view renders";
    EXPECT_EQ(form.VisiblePicture().size(), fit);

    // Back to 1:1: the page image is shown as it is, nothing is drawn again.
    engine.ListbyProgram.clear();
    const QImage before = engine.PageImage();
    form.W1->trigger();
    EXPECT_EQ(engine.PageView, 1);
    EXPECT_EQ(engine.PageImage(), before);
    EXPECT_GT(InkPixels(engine.PageImage()), 0);
    EXPECT_TRUE(form.ScrollBox->isVisibleTo(&form));
    EXPECT_EQ(form.VisiblePicture().size(), engine.PageImage().size());
}

TEST_F(TFrmPrevTest, OverlaysShowOnlyInOneToOneView)
{
    TFrmPrev& form = MakeWindow();
    form.show();
    PrevEngine& engine = form.Engine();
    form.M1->trigger();
    EXPECT_EQ(engine.fMesh, 1);
    EXPECT_TRUE(form.M1->isChecked());
    const int withGrid = InkPixels(engine.PageImage());
    EXPECT_GT(withGrid, 1000);
    form.M1->trigger();
    EXPECT_EQ(engine.fMesh, 0);
    EXPECT_EQ(InkPixels(engine.PageImage()), 0);

    // The ruler toggled in whole-page view renders again, without a ruler.
    form.G1->trigger();
    form.S2->trigger();
    EXPECT_EQ(engine.fScale, 1);
    EXPECT_EQ(InkPixels(engine.WholePageImage()), 0);
    EXPECT_EQ(InkPixels(engine.PageImage()), 0);

    // Back in 1:1 the ruler that is checked is on the page.
    form.W1->trigger();
    EXPECT_GT(InkPixels(engine.PageImage()), 100);
}

TEST_F(TFrmPrevTest, CloseAndTheCloseBoxOnlyHide)
{
    TFrmPrev& form = ShownWithPage();
    form.C1->trigger();
    EXPECT_FALSE(form.isVisible());
    form.show();
    EXPECT_TRUE(form.close());
    EXPECT_FALSE(form.isVisible());
    EXPECT_FALSE(form.testAttribute(Qt::WA_DeleteOnClose));
}

TEST_F(TFrmPrevTest, ShownAgainInWholePageViewFitsAgain)
{
    TFrmPrev& form = ShownWithPage();
    form.G1->trigger();
    form.hide();
    form.resize(600, 500);
    form.show();
    QApplication::processEvents();
    EXPECT_TRUE(form.G1->isChecked());
    EXPECT_EQ(form.Engine().WholePageImage().size(),
              form.Engine().Geometry.WholePageImageSize(form.ClientSize()));
}

TEST_F(TFrmPrevTest, ResizeRefusedWhenItsBitmapCannotBeMade)
{
    struct Case {
        const char* Name;
        bool WholePage;
        QSize Size;
        bool Allocates;
    };
    const Case cases[] = {
        {"1:1, allocation fails", false, QSize(500, 620), false},
        {"whole page, allocation fails", true, QSize(500, 620), false},
        {"whole page, absurd size", true, QSize(40000, 620), true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        Prompt.Messages.clear();
        bool allocates = true;
        PrevWindowOptions options = Options();
        options.CanMakeBitmap = [&](QSize) { return allocates; };
        TFrmPrev& form = ShownWithPage(std::move(options));
        if (c.WholePage)
            form.G1->trigger();
        const QSize before = form.size();
        allocates = c.Allocates;
        form.resize(c.Size);
        QApplication::processEvents();
        EXPECT_EQ(Prompt.Messages,
                  QStringList{QStringLiteral("Resize is ignore, because  bitmap is too big.")});
        EXPECT_EQ(form.size(), before);
    }
}

TEST_F(TFrmPrevTest, AcceptedResizeRendersAgain)
{
    TFrmPrev& form = ShownWithPage();
    form.G1->trigger();
    const QSize fitted = form.Engine().WholePageImage().size();
    form.Engine().ListbyProgram.clear();
    for (const QSize size : {QSize(520, 640), QSize(900, 500), QSize(300, 900)}) {
        form.resize(size);
        QApplication::processEvents();
        EXPECT_TRUE(Prompt.Messages.isEmpty());
        EXPECT_EQ(form.size(), size);
        // The whole page fits the new client area at every size.
        EXPECT_EQ(form.Engine().WholePageImage().size(),
                  form.Engine().Geometry.WholePageImageSize(form.ClientSize()));
        EXPECT_EQ(InkPixels(form.Engine().WholePageImage()), 0) << "rendered again, now empty";
    }
    EXPECT_NE(form.Engine().WholePageImage().size(), fitted);
}

TEST_F(TFrmPrevTest, UnusablePrinterLeavesAnEmptyInertWindow)
{
    PrevWindowOptions options = Options();
    options.Printer = std::make_unique<UnusablePrinter>(Path("x.pdf"));
    TFrmPrev& form = MakeWindow(std::move(options));
    EXPECT_EQ(form.ErrorNum(), 1);
    EXPECT_EQ(Prompt.Messages, QStringList{QStringLiteral("デフォルトのプリンタの設定を確認下さい")});
    form.show();
    form.Engine().ListbyProgram = {QStringLiteral("Line,10,10,100,100")};
    form.M1->trigger();
    form.G1->trigger();
    form.W1->trigger();
    form.resize(700, 700);
    form.S1->trigger();
    form.P1->trigger();
    QApplication::processEvents();
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(InkPixels(form.Engine().PageImage()), 0);
    EXPECT_FALSE(QFile::exists(Path("x.pdf")));
}

TEST_F(TFrmPrevTest, HighDensityScreenDrawsAtTheDeviceRatioAndKeepsTheSize)
{
    TFrmPrev& sharp = ShownWithPage(Options(2));
    // A4 less 5 mm margins at 600 dpi is 4724 x 6780 dots: 755 x 1084 pixels
    // at 96 dpi, twice as many device pixels at 192.
    EXPECT_EQ(sharp.Engine().Geometry.MonitorRes, 192);
    EXPECT_EQ(sharp.Engine().PageImage().size(), QSize(1511, 2169));
    EXPECT_NEAR(sharp.Image1->width(), 755, 1) << "1:1 keeps its size on screen";
    EXPECT_NEAR(sharp.Image1->height(), 1084, 1);
    sharp.G1->trigger();
    const QSize fit = sharp.Engine().Geometry.WholePageImageSize(sharp.ClientSize());
    EXPECT_EQ(sharp.Image2->size(), fit);
    EXPECT_EQ(sharp.Engine().WholePageImage().size(), fit * 2);
}

} // namespace
