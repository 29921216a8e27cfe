// Saving the visible picture (format by extension, real data, safe
// replacement), the JPEG quality box, the clipboard, printer setup and
// printing through the built-in PDF printer.
#include "PrevWindowFixture.h"
#include "sheet/PageExport.h"

#include <QAction>
#include <QClipboard>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPrinter>

namespace {

using PageExportTest = PrevWindowFixture;

QByteArray FileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST(ExportFormatFor, FollowsTheExtensionInAnyCase)
{
    struct Case {
        const char* Name;
        ExportFormat Want;
    };
    const Case cases[] = {
        {"sheet.bmp", ExportFormat::Bmp},   {"sheet.Jpeg", ExportFormat::Jpeg},
        {"sheet.JPG", ExportFormat::Jpeg},  {"sheet.jpg", ExportFormat::Jpeg},
        {"sheet.png", ExportFormat::Png},   {"sheet.PDF", ExportFormat::Pdf},
        {"sheet", ExportFormat::Bmp},       {"sheet.txt", ExportFormat::Bmp},
        {"dir.jpg/sheet", ExportFormat::Bmp}, {"sheet.jpg.bmp", ExportFormat::Bmp},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ExportFormatFor(QString::fromUtf8(c.Name)), c.Want) << c.Name;
}

TEST_F(PageExportTest, SavedFilesHoldTheVisiblePictureInTheNamedFormat)
{
    struct Case {
        const char* Name;
        const char* Magic;
    };
    const Case cases[] = {
        {"a.bmp", "BM"}, {"b.Jpeg", "\xFF\xD8\xFF"}, {"c.JPG", "\xFF\xD8\xFF"},
        {"d.png", "\x89PNG"}, {"e", "BM"}, {"f.pdf", "%PDF"},
    };
    TFrmPrev& form = ShownWithPage();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        Prompt.FileAnswers = {Path(c.Name)};
        form.B1->trigger();
        EXPECT_EQ(Prompt.LastDefaultSuffix, QStringLiteral("JPG"));
        const QByteArray bytes = FileBytes(Path(c.Name));
        EXPECT_TRUE(bytes.startsWith(c.Magic));
        if (QByteArray(c.Magic) != "%PDF") {
            QImage saved;
            ASSERT_TRUE(saved.loadFromData(bytes));
            EXPECT_EQ(saved.size(), form.Engine().PageImage().size());
        }
    }
    EXPECT_TRUE(Prompt.Messages.isEmpty()) << Prompt.Messages.join(u'|').toStdString();
    // The PDF is a fresh vector pass: the text is in it, not a picture of it.
    EXPECT_FALSE(FileBytes(Path("f.pdf")).contains("/Subtype /Image"));
}

TEST_F(PageExportTest, WholePageViewSavesTheFittedPicture)
{
    TFrmPrev& form = ShownWithPage();
    form.G1->trigger();
    Prompt.FileAnswers = {Path("small.png")};
    form.B1->trigger();
    QImage saved(Path("small.png"));
    EXPECT_EQ(saved.size(), form.Engine().WholePageImage().size());
}

TEST_F(PageExportTest, CancelledOrEmptyNameWritesNothing)
{
    TFrmPrev& form = ShownWithPage();
    Prompt.FileAnswers = {std::nullopt, QString()};
    form.B1->trigger();
    form.B1->trigger();
    EXPECT_TRUE(Prompt.Messages.isEmpty());
    EXPECT_TRUE(QDir(Dir.path()).entryList(QDir::Files | QDir::Hidden).isEmpty());
}

TEST_F(PageExportTest, AFailedSaveNamesTheFileAndKeepsTheOldOne)
{
    TFrmPrev& form = ShownWithPage();
    const QString missing = Path("no/such/folder/x.jpg");
    Prompt.FileAnswers = {missing};
    form.B1->trigger();
    ASSERT_EQ(Prompt.Messages.size(), 1);
    EXPECT_TRUE(Prompt.Messages[0].contains(QDir::toNativeSeparators(missing)));

    // A writer that fails halfway leaves the older file whole, and no stray temporary file.
    const QString old = Path("old.bmp");
    QFile file(old);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("previous content");
    file.close();
    QString error;
    EXPECT_FALSE(ReplaceFileWith(old, [](const QString& temp) {
        QFile part(temp);
        part.open(QIODevice::WriteOnly);
        part.write("trunc");
        return false;
    }, &error));
    EXPECT_EQ(FileBytes(old), QByteArray("previous content"));
    EXPECT_EQ(error, QStringLiteral("%1 に書き込めません").arg(QDir::toNativeSeparators(old)));
    EXPECT_EQ(QDir(Dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::System),
              QStringList{QStringLiteral("old.bmp")});
    // A successful one replaces it.
    EXPECT_TRUE(WriteFileReplacing(old, "new", &error));
    EXPECT_EQ(FileBytes(old), QByteArray("new"));
}

TEST_F(PageExportTest, QualityBoxAcceptsOnlyIntegersFromOneToHundred)
{
    struct Case {
        const char* Typed;  // nullptr: cancelled
        int Quality;        // afterwards
        const char* Message;
    };
    const Case cases[] = {
        {"50", 50, ""},
        {"0", 50, "範囲を越えています.\r\n1から100までの整数を入力して下さい"},
        {"101", 50, "範囲を越えています.\r\n1から100までの整数を入力して下さい"},
        {"abc", 50, "入力した文字列が整数ではありません"},
        {"12.5", 50, "入力した文字列が整数ではありません"},
        {"", 50, "入力した文字列が整数ではありません"},
        {nullptr, 50, ""},
        {"100", 100, ""},
        {"1", 1, ""},
    };
    TFrmPrev& form = MakeWindow();
    EXPECT_EQ(form.CQuality, 90);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Typed ? c.Typed : "cancelled");
        const int before = form.CQuality;
        Prompt.Messages.clear();
        Prompt.InputAnswers = {c.Typed ? std::optional<QString>(QString::fromUtf8(c.Typed))
                                       : std::nullopt};
        form.J1->trigger();
        EXPECT_EQ(Prompt.LastInputInitial, QString::number(before));
        EXPECT_EQ(form.CQuality, c.Quality);
        EXPECT_EQ(Prompt.Messages.join(u'|'), QString::fromUtf8(c.Message));
    }
    EXPECT_TRUE(Prompt.Asked.contains(QStringLiteral("input: 1～100の整数を入力して下さい")));
}

TEST_F(PageExportTest, JpegQualityReachesTheEncoder)
{
    TFrmPrev& form = ShownWithPage();
    form.CQuality = 100;
    Prompt.FileAnswers = {Path("fine.jpg")};
    form.B1->trigger();
    form.CQuality = 5;
    Prompt.FileAnswers = {Path("coarse.jpg")};
    form.B1->trigger();
    EXPECT_GT(QFileInfo(Path("fine.jpg")).size(), QFileInfo(Path("coarse.jpg")).size());
}

TEST_F(PageExportTest, ClipboardGetsTheVisiblePicture)
{
    TFrmPrev& form = ShownWithPage();
    form.F1->trigger();
    EXPECT_EQ(QGuiApplication::clipboard()->image().size(), form.Engine().PageImage().size());
    form.G1->trigger();
    form.F1->trigger();
    EXPECT_EQ(QGuiApplication::clipboard()->image().size(), form.Engine().WholePageImage().size());
}

TEST_F(PageExportTest, LandscapePrinterSetupTurnsThePageAndTheCaption)
{
    TFrmPrev& form = ShownWithPage();
    Prompt.PrintSetupAction = [](QPrinter& printer) {
        printer.setPageOrientation(QPageLayout::Landscape);
        return true;
    };
    form.S1->trigger();
    const PageGeometry& g = form.Engine().Geometry;
    EXPECT_EQ(QSize(g.PageW, g.PageH), QSize(6780, 4724));
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Preview 6780:4724 600:600"));
    const QSize image = form.Engine().PageImage().size();
    EXPECT_GT(image.width(), image.height());
    EXPECT_GT(InkPixels(form.Engine().PageImage()), 0) << "rendered on the new page";

    // Cancel keeps the printer and still re-measures and sets the caption.
    Prompt.PrintSetupAction = nullptr;
    form.setWindowTitle(QStringLiteral("Preview"));
    form.S1->trigger();
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Preview 6780:4724 600:600"));
}

TEST_F(PageExportTest, WithoutAPrinterPrintingAsksForAPdfAndSaysWhereItWent)
{
    TFrmPrev& form = ShownWithPage();
    form.M1->trigger();
    const QString pdf = Path("printed-sheet.pdf");
    Prompt.FileAnswers = {pdf};
    form.P1->trigger();
    EXPECT_TRUE(FileBytes(pdf).startsWith("%PDF"));
    ASSERT_EQ(Prompt.Messages.size(), 1);
    EXPECT_EQ(Prompt.Messages[0], QStringLiteral("プリンタがないため、PDF ファイル\n%1\nに印刷しました")
                                      .arg(QDir::toNativeSeparators(pdf)));
    EXPECT_EQ(form.Engine().Printer().PdfPath(), pdf);

    // Cancelled: nothing printed, nothing said.
    Prompt.Messages.clear();
    form.P1->trigger();
    EXPECT_TRUE(Prompt.Messages.isEmpty());
    // Hidden: nothing at all, not even the question.
    const int asked = Prompt.Asked.size();
    form.hide();
    form.P1->trigger();
    EXPECT_EQ(Prompt.Asked.size(), asked);
}

TEST_F(PageExportTest, PrinterSetupAfterAPdfPrintDoesNotOfferTheLastFileForOverwriting)
{
    TFrmPrev& form = ShownWithPage();
    const QString pdf = Path("last.pdf");
    Prompt.FileAnswers = {pdf};
    form.P1->trigger();
    ASSERT_TRUE(QFileInfo::exists(pdf));
    QString seen;
    Prompt.PrintSetupAction = [&](QPrinter& printer) {
        seen = printer.outputFileName();
        return true;
    };
    form.S1->trigger();
    EXPECT_FALSE(seen.isEmpty());
    EXPECT_FALSE(QFileInfo::exists(seen)) << seen.toStdString();
    EXPECT_EQ(form.Engine().Printer().PdfPath(), pdf);  // still offered when printing next
    EXPECT_EQ(FileBytes(pdf).left(4), "%PDF");
}

} // namespace
