#include "prevform/PrevEngine.h"

#include "common/Prompts.h"
#include "common/RealText.h"
#include "common/AtExit.h"
#include "prevform/ColorWords.h"
#include "prevform/CommandSplit.h"
#include "prevform/Interpreter.h"
#include "prevform/ListFileReader.h"
#include "prevform/Overlays.h"
#include "prevform/PageStrDraw.h"
#include "prevform/PageSequence.h"
#include "prevform/PictureLoader.h"
#include "prevform/PrinterInfo.h"

#include <QFileInfo>

#include <exception>

PrevEngine::PrevEngine(Prompts& prompts, std::unique_ptr<PrinterInfo> printer, int screenDpi)
    : Prompt(prompts),
      PrinterDevice(printer ? std::move(printer) : PrinterInfo::BuiltInPdf(QString())),
      Screen(QSize(), 96)
{
    if (screenDpi > 0)
        Geometry.ReadScreenCaps(screenDpi);
    else
        Geometry.ReadScreenCaps();
    Screen.SetDpi(Geometry.MonitorRes, Geometry.MonitorRes);
    Geometry.ScreenSurface = &Screen;
    Copyright.SetSets(QString(), QStringLiteral("ＭＳ Ｐ明朝"), 12, 4, QStringLiteral("0"),
                      QStringLiteral("0"), false, false);
    ReadPrinter();
    State.InitParam(Geometry.MonitorRes);
}

PrevEngine::~PrevEngine() = default;

// ---- Program list and builders ----

void PrevEngine::PrevUpDateProgram()
{
    LoadListPictures(2);
    DrawGraphics();
}

// ---- Measuring ----

void PrevEngine::SetFontSets(const PageFont& font)
{
    State.Font = font;
}

double PrevEngine::GetWidth(const QString& text)
{
    return Geometry.GetWidth(text, State.Font);
}

double PrevEngine::GetHeight(const QString& text)
{
    return Geometry.GetHeight(text, State.Font);
}

// ---- Page-string records ----

namespace {
void LoadRecord(TPageStr& rec, const IniFile& ini, const char* section)
{
    rec.GetIniSets(ini, QLatin1String(section), QString(), 0, QStringLiteral("0"),
                   QStringLiteral("0"));
}
} // namespace

void PrevEngine::GetHeader(const IniFile& ini) { LoadRecord(HeaderRec, ini, "Header"); }
void PrevEngine::GetFooter(const IniFile& ini) { LoadRecord(FooterRec, ini, "Footer"); }
void PrevEngine::GetPageTitle(const IniFile& ini) { LoadRecord(PageTitleRec, ini, "PageTitle"); }
void PrevEngine::GetSubTitle(const IniFile& ini) { LoadRecord(SubTitleRec, ini, "SubTitle"); }
void PrevEngine::SetHeader(IniFile& ini) const { HeaderRec.SetIniSets(ini, QStringLiteral("Header")); }
void PrevEngine::SetFooter(IniFile& ini) const { FooterRec.SetIniSets(ini, QStringLiteral("Footer")); }
void PrevEngine::SetPageTitle(IniFile& ini) const
{
    PageTitleRec.SetIniSets(ini, QStringLiteral("PageTitle"));
}
void PrevEngine::SetSubTitle(IniFile& ini) const
{
    SubTitleRec.SetIniSets(ini, QStringLiteral("SubTitle"));
}

// ---- Lists and pictures ----

const QStringList& PrevEngine::List(int k) const
{
    return k == 0 ? ListByFile : k == 1 ? ListByManual : ListbyProgram;
}

void PrevEngine::ReadListFile()
{
    ListFileResult result = ListFileReader().Read(ListIniFile);
    ListByFile = std::move(result.Lines);
    for (const QString& problem : result.Problems)
        Prompt.Message(problem);
    LoadListPictures(0);
}

void PrevEngine::LoadListPictures(int k)
{
    if (k < 0 || k > 2)
        return;
    int slot = 5 * k;
    for (const QString& line : List(k)) {
        if (slot >= 5 * k + 5)
            break;
        const QStringList fields = SplitCommandLine(line);
        if (fields.size() <= 2 || CommandKeyword(fields) != QLatin1String("PICTURE"))
            continue;
        Bmp[slot++] = LoadPicture(fields[1]);
    }
}

// ---- Printer and page images ----

bool PrevEngine::ReadPrinter()
{
    if (!Geometry.ReadPrinterCaps(*PrinterDevice, Prompt))
        return false;
    if (!Geometry.GetPageSize(*PrinterDevice)) {
        Geometry.ErrorNum = 1;
        return false;
    }
    Document.reset();
    PrinterPage = std::make_unique<QPainterSurface>(
        *PrinterDevice, QSize(Geometry.PageW, Geometry.PageH), Geometry.PrinterResX,
        Geometry.PrinterResY);
    Geometry.PrinterSurface = PrinterPage.get();
    const QSize size = Geometry.OneToOneImageSize();
    SetImageSize(size.width(), size.height());
    return true;
}

void PrevEngine::SetImageSize(int w, int h)
{
    Screen.SetImageSize(QSize(w, h));
    Geometry.nTgtCanvas = PageView;
}

void PrevEngine::SetPageImageSize(int w, int h)
{
    WholePage = QImage(std::max(0, w), std::max(0, h), QImage::Format_RGB32);
    WholePage.fill(Qt::white);
    Geometry.nTgtCanvas = PageView;
}

// ---- Rendering ----

Surface& PrevEngine::PrinterTarget()
{
    if (Document)
        return *Document;
    return *PrinterPage;
}

void PrevEngine::DrawGraphics()
{
    if (!IsVisible() || Geometry.ErrorNum > 0 || !PrinterPage)
        return;
    if (Geometry.OnPrinter())
        DrawGraphicsOn(PrinterTarget());
    else
        DrawGraphicsOn(Screen);
}

bool PrevEngine::DrawGraphicsOn(Surface& target)
{
    const bool onScreen = !Geometry.OnPrinter();
    // Text measured during the pass (page strings, the credit line) is
    // measured on the surface being drawn.
    const Surface*& measuring = onScreen ? Geometry.ScreenSurface : Geometry.PrinterSurface;
    const Surface* const previous = measuring;
    measuring = &target;
    AtExit restore([&] { measuring = previous; });

    const bool started = target.BeginDoc();
    {
        // The job is ended whatever happens in the pass.
        AtExit end([&] { target.EndDoc(); });
        if (started || onScreen)
            RunPass(target);
    }
    if (Geometry.nTgtCanvas == PageGeometry::TgtImageThenPage)
        target.CopyScaledTo(WholePage);
    if (onScreen && Repaint)
        Repaint();
    return started;
}

void PrevEngine::RunPass(Surface& target)
{
    PassContext ctx{target,       Geometry,    State,     HeaderRec,  FooterRec,
                    PageTitleRec, SubTitleRec, PageStrTmp, Copyright, HeaderBottom,
                    CreditHeight, Bmp,         Prompt};
    const QSize image = Screen.PixelSize();
    target.FillRect(0, 0, image.width(), image.height(), 0xFFFFFF);
    if (!Geometry.OnPrinter() && PageView == 1) {
        if (fMesh == 1)
            DrawGrid(target, Geometry);
        if (fScale == 1)
            DrawRuler(target, Geometry);
    }
    HeaderBottom = 0;
    for (TPageStr* rec : {&HeaderRec, &FooterRec, &PageTitleRec, &SubTitleRec})
        rec->psDrawn = false;

    ResetDrawState(ctx);
    DrawCopyright(ctx);
    Interpreter interpreter(ctx);
    for (int k = 0; k < 3; ++k) {
        try {
            interpreter.ExecuteList(List(k), k);
        } catch (const std::exception&) {
            // Confined to its list, like a malformed line: the pass goes on.
        }
    }
    ResetDrawState(ctx);
    DrawPageStr(ctx, HeaderRec, PageStrKind::Header);
    DrawPageStr(ctx, FooterRec, PageStrKind::Footer);
    DrawPageStr(ctx, PageTitleRec, PageStrKind::Title);
    DrawPageStr(ctx, SubTitleRec, PageStrKind::Title);
    DrawCopyright(ctx);
}
