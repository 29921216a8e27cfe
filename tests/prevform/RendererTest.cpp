#include "EngineFixture.h"
#include "support/RecordingSurface.h"

#include <QFile>
#include <QRegularExpression>

namespace {

class RendererTest : public EngineFixture {
protected:
    RecordingSurface Recorder{96, QSize(755, 1084)};

    void Pass() { Engine->DrawGraphicsOn(Recorder); }

    QStringList Texts() const
    {
        QStringList texts;
        for (const auto& call : Recorder.OfKind(QStringLiteral("text")))
            texts.append(call.Text);
        return texts;
    }
    RecordingSurface::Call TextCall(const QString& text) const
    {
        for (const auto& call : Recorder.OfKind(QStringLiteral("text")))
            if (call.Text == text)
                return call;
        ADD_FAILURE() << "not drawn: " << text.toStdString();
        return {};
    }
    static void SetRecord(TPageStr& rec, const char* text, int pos)
    {
        rec.SetSets(QString::fromUtf8(text), QStringLiteral("ＭＳ 明朝"), 9, pos,
                    QStringLiteral("0"), QStringLiteral("0"), false, false);
    }
};

TEST_F(RendererTest, RunsTheListsThenThePageStringsInOrder)
{
    Engine->SetCopyright(QStringLiteral("(c) credit"));
    Engine->ListByFile = {QStringLiteral("TextOut,0,0,READ")};
    Engine->ListByManual = {QStringLiteral("TextOut,0,0,INPUT")};
    Engine->ListbyProgram = {QStringLiteral("TextOut,0,0,PROGRAM")};
    SetRecord(Engine->Header(), "H", 1);
    SetRecord(Engine->Footer(), "F", 2);
    SetRecord(Engine->PageTitle(), "T", 3);
    SetRecord(Engine->SubTitle(), "S", 1);
    Pass();
    EXPECT_EQ(Texts(), (QStringList{"(c) credit", "READ", "INPUT", "PROGRAM", "H", "F", "T", "S",
                                    "(c) credit"}));
    ASSERT_GE(Recorder.Calls.size(), 3u);
    EXPECT_EQ(Recorder.Calls.front().Kind, QStringLiteral("begin"));
    EXPECT_EQ(Recorder.Calls[1].Kind, QStringLiteral("fill"));
    EXPECT_EQ(Recorder.Calls[1].Color, 0xFFFFFFu);
    const QSize image = Engine->PageImage().size();
    EXPECT_EQ(Recorder.Calls[1].B, QPoint(image.width(), image.height()));
    EXPECT_EQ(Recorder.Calls.back().Kind, QStringLiteral("end"));
    // Title and subtitle stand under the header, the footer above the credit line.
    EXPECT_EQ(TextCall("T").A.y(), TextCall("S").A.y());
    EXPECT_GT(TextCall("T").A.y(), TextCall("H").A.y());
    EXPECT_LT(TextCall("F").A.y(), Recorder.OfKind(QStringLiteral("text")).back().A.y());
}

TEST_F(RendererTest, AHeaderCommandTakesThePlaceOfTheRecordForOnePass)
{
    SetRecord(Engine->Header(), "RECORD", 1);
    Engine->ListbyProgram = {QStringLiteral("Header,\"答え\",3,0,0"),
                             QStringLiteral("Header,\"again\",1,0,0")};
    Pass();
    EXPECT_EQ(Texts(), QStringList{QStringLiteral("答え")});
    EXPECT_EQ(Engine->Header().psStr, QStringLiteral("RECORD"));
    EXPECT_EQ(Engine->Header().psPos, 1);

    Recorder.Calls.clear();
    Engine->ClearProgramList();
    Pass(); // the next pass draws the record again
    EXPECT_EQ(Texts(), QStringList{QStringLiteral("RECORD")});
}

TEST_F(RendererTest, AnErrorEndsOnlyItsOwnList)
{
    Engine->ListByFile = {QStringLiteral("Line,10,10,50"), QStringLiteral("TextOut,0,0,AFTER")};
    Engine->ListbyProgram = {QStringLiteral("TextOut,0,0,PROGRAM")};
    SetRecord(Engine->Header(), "H", 1);
    Pass();
    EXPECT_EQ(Texts(), (QStringList{"PROGRAM", "H"}));
    EXPECT_EQ(Prompt.Messages, QStringList{QStringLiteral("LINE, FORMAT ERROR")});
}

TEST_F(RendererTest, AutomaticPageStringsFollowAReset)
{
    SetRecord(Engine->Header(), "H", 1);
    Engine->ListbyProgram = {QStringLiteral("FontColor,RED"), QStringLiteral("TextOut,0,0,R"),
                             QStringLiteral("FontColor,RED")};
    Pass();
    EXPECT_EQ(TextCall("R").Font.Color, 0x0000FFu);
    EXPECT_EQ(TextCall("H").Font.Color, 0x000000u);
}

TEST_F(RendererTest, EachListStartsWithAOnePixelPen)
{
    Engine->ListByFile = {QStringLiteral("PenSize,5"), QStringLiteral("Line,0,0,10,10")};
    Engine->ListByManual = {QStringLiteral("Line,0,0,10,10"), QStringLiteral("PenSize,7")};
    Engine->ListbyProgram = {QStringLiteral("Line,0,0,10,10")};
    Pass();
    const auto lines = Recorder.OfKind(QStringLiteral("line"));
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0].Pen.Width, 5);
    EXPECT_EQ(lines[1].Pen.Width, 1);
    EXPECT_EQ(lines[2].Pen.Width, 1);
}

TEST_F(RendererTest, OverlaysOnlyOnTheScreenInOneToOneView)
{
    Engine->fMesh = 1;
    Engine->fScale = 1;
    Engine->ListbyProgram = {QStringLiteral("Line,1,1,2,2")};
    struct Case {
        int PageView, Target;
        bool Overlays;
    };
    for (const Case c : {Case{1, 1, true}, Case{2, 2, false}, Case{1, 0, false}}) {
        Recorder.Calls.clear();
        Engine->PageView = c.PageView;
        Engine->Geometry.nTgtCanvas = c.Target;
        Pass();
        const auto lines = Recorder.OfKind(QStringLiteral("line"));
        // The command's line comes last, after every overlay line.
        ASSERT_FALSE(lines.empty());
        EXPECT_EQ(lines.back().Pen.Color, 0x000000u);
        EXPECT_EQ(lines.size() > 1, c.Overlays) << c.PageView << ' ' << c.Target;
    }
}

TEST_F(RendererTest, NothingIsDrawnWhileTheWindowIsHidden)
{
    Engine->ListbyProgram = {QStringLiteral("Line,0,0,100,100")};
    Engine->WindowVisible = [] { return false; };
    int repaints = 0;
    Engine->Repaint = [&] { ++repaints; };
    Engine->DrawGraphics();
    EXPECT_FALSE(Engine->PrintOut());
    EXPECT_EQ(repaints, 0);
    EXPECT_EQ(Engine->PageImage().pixel(50, 50), qRgb(255, 255, 255));
    EXPECT_FALSE(QFile::exists(Path("out.pdf")));

    Engine->WindowVisible = [] { return true; };
    Engine->DrawGraphics();
    EXPECT_EQ(repaints, 1);
    EXPECT_EQ(Engine->PageImage().pixel(50, 50), qRgb(0, 0, 0)); // (20 mm, 20 mm) on the line
}

TEST_F(RendererTest, WholePageViewGetsAScaledCopy)
{
    Engine->PageView = 2;
    Engine->SetPageImageSize(100, 143);
    EXPECT_EQ(Engine->Geometry.nTgtCanvas, 2);
    Engine->ListbyProgram = {QStringLiteral("FontColor,RED"), QStringLiteral("FontSize,300"),
                             QStringLiteral("TextOut,0,0,\"■\"")};
    Engine->DrawGraphics();
    const QImage& whole = Engine->WholePageImage();
    ASSERT_EQ(whole.size(), QSize(100, 143));
    EXPECT_EQ(whole.pixel(20, 25), qRgb(255, 0, 0));
    EXPECT_EQ(whole.pixel(90, 130), qRgb(255, 255, 255));
}

TEST_F(RendererTest, PrintOutWritesOnePageAndRestoresTheTarget)
{
    Engine->ListbyProgram = {QStringLiteral("TextOut,10,10,\"印刷\",NIL")};
    ASSERT_TRUE(Engine->PrintOut());
    EXPECT_EQ(Engine->Geometry.nTgtCanvas, 1);
    QFile pdf(Path("out.pdf"));
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    const QByteArray bytes = pdf.readAll();
    EXPECT_TRUE(bytes.startsWith("%PDF"));
    EXPECT_EQ(bytes.count("/Type /Page\n") + bytes.count("/Type /Page\r"), 1);
}

TEST_F(RendererTest, SuccessivePassesOfOneDocumentAreItsPages)
{
    Engine->Printer().SetPdfPath(Path("three.pdf"));
    Engine->BeginPrintDocument();
    for (int page = 0; page < 3; ++page) {
        Engine->ListbyProgram = {QStringLiteral("TextOut,10,10,P%1").arg(page)};
        EXPECT_TRUE(Engine->PrintOut());
    }
    Engine->EndPrintDocument();
    QFile pdf(Path("three.pdf"));
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    const QByteArray bytes = pdf.readAll();
    EXPECT_EQ(bytes.count("/Type /Page\n") + bytes.count("/Type /Page\r"), 3);
}

TEST_F(RendererTest, AnUnwritablePdfIsReportedNotClaimed)
{
    QString error;
    EXPECT_FALSE(Engine->RenderPdf(Path("no/such/folder/x.pdf"), &error));
    EXPECT_FALSE(error.isEmpty());
}

} // namespace
