#pragma once
// PrevEngine: the preview engine without its window. It owns the three command
// lists (read, input, program), the fifteen picture slots, the page-string
// records, the page geometry, the drawing state and the two page images (the
// 1:1 page image and the whole-page image), and renders a pass with
// DrawGraphics to the page image or the printer. The preview window owns one
// engine and supplies visibility and repainting; headless callers (tests, the
// command-line tool) use it as it is, where the window counts as visible.
#include "prevform/ProgramWriter.h"
#include "prevform/DrawState.h"
#include "prevform/PageGeometry.h"
#include "prevform/PageStr.h"
#include "prevform/QPainterSurface.h"

#include <QImage>
#include <QStringList>
#include <array>
#include <functional>
#include <memory>

class IniFile;
class PrinterInfo;
class Prompts;
class Surface;

class PrevEngine : public ProgramWriter {
public:
    // Measures the screen (or takes screenDpi when above 0; headless callers
    // pass 96), queries printer (the built-in PDF printer when null), reads
    // the page size, sets up the credit-line record and sizes the 1:1 page
    // image. When the printer cannot be queried the message is shown,
    // ErrorNum is 1 and every pass does nothing.
    explicit PrevEngine(Prompts& prompts, std::unique_ptr<PrinterInfo> printer = nullptr,
                        int screenDpi = 0);
    ~PrevEngine() override;
    PrevEngine(const PrevEngine&) = delete;
    PrevEngine& operator=(const PrevEngine&) = delete;

    // The command lists, run in this order by every pass.
    QStringList ListByFile;   // read list, k = 0, slots 0..4
    QStringList ListByManual; // input list, k = 1, slots 5..9
    QStringList ListbyProgram;// program list, k = 2, slots 10..14
    std::array<QImage, 15> Bmp; // preloaded pictures; null = empty slot

    PageGeometry Geometry;    // unit, page, resolutions, nTgtCanvas
    DrawState State;
    int PageView = 1;         // 1 the 1:1 view, 2 the whole-page view
    int fScale = 0;           // 1: ruler overlay on
    int fMesh = 0;            // 1: grid overlay on
    QString ListIniFile = QStringLiteral("PrevForm.prv");

    TPageStr PageStrTmp;      // scratch copy while a page-string command runs
    TPageStr Copyright;       // the credit line

    // The preview window answers whether it is visible; a pass does nothing
    // while it is not. Unset (headless): always visible.
    std::function<bool()> WindowVisible;
    // Called at the end of a screen pass so the window shows the new image.
    std::function<void()> Repaint;

    // ComposeEngine (the builders are ProgramWriter's, into ListbyProgram)
    void PrevUpDateProgram() override;
    // Copies font to the drawing font, which measures text on both surfaces.
    void SetFontSets(const PageFont& font) override;
    double GetWidth(const QString& text) override;
    double GetHeight(const QString& text) override;
    double Get_UnitWidth() const override { return Geometry.Get_UnitWidth(); }
    double Get_UnitHeight() const override { return Geometry.Get_UnitHeight(); }
    TPageStr& Header() override { return HeaderRec; }
    TPageStr& Footer() override { return FooterRec; }
    TPageStr& PageTitle() override { return PageTitleRec; }
    TPageStr& SubTitle() override { return SubTitleRec; }

    void SetCopyright(const QString& text) { Copyright.psStr = text; }
    // The four records from and to their sections of the settings file.
    void GetHeader(const IniFile& ini);
    void GetFooter(const IniFile& ini);
    void GetPageTitle(const IniFile& ini);
    void GetSubTitle(const IniFile& ini);
    void SetHeader(IniFile& ini) const;
    void SetFooter(IniFile& ini) const;
    void SetPageTitle(IniFile& ini) const;
    void SetSubTitle(IniFile& ini) const;

    // Empties the read list, reads it from ListIniFile (pointer file,
    // "INCLUDE" lines) and preloads its pictures. Problems (an include cycle,
    // an unreadable file) are shown once each.
    void ReadListFile();
    // Preloads the pictures of list k into slots 5k .. 5k + 4.
    void LoadListPictures(int k);
    const QStringList& List(int k) const;

    // Printer resolution and page size again (after printer setup), then a
    // new blank 1:1 page image; false when the printer cannot be queried.
    bool ReadPrinter();
    PrinterInfo& Printer() const { return *PrinterDevice; }

    // Page images: a new blank bitmap of w × h pixels; nTgtCanvas = PageView.
    void SetImageSize(int w, int h);
    void SetPageImageSize(int w, int h);
    const QImage& PageImage() const { return Screen.Image(); }
    const QImage& WholePageImage() const { return WholePage; }

    // One pass to the target named by Geometry.nTgtCanvas.
    void DrawGraphics();
    // One pass to target, which stands for the surface of Geometry.nTgtCanvas
    // (tests draw on a recording surface this way). false when a printer job
    // could not be started.
    bool DrawGraphicsOn(Surface& target);
    // One pass to the printer: one page. false when the job could not start.
    bool PrintOut();
    // Every page (a program list each) printed as one job, or as pages of
    // the job BeginPrintDocument opened; the program list is restored
    // afterwards. false (shown once) when the job could not start.
    bool PrintPages(const QList<QStringList>& pages);

    // Until EndPrintDocument, every printer pass adds a page to one job (one
    // PDF document of several pages) instead of being a job of its own.
    void BeginPrintDocument();
    void EndPrintDocument();

    // Headless helpers: the 1:1 page image after a pass, and the program
    // list (or every page given, a program list each) as a PDF file with the
    // current printer's page (false, with a reason, when the file could not
    // be written).
    QImage RenderImage();
    bool RenderPdf(const QString& path, QString* error = nullptr);
    // pageDone(k) is told after page k (from 1) is drawn; when it answers
    // false the pass stops there and fails (a cancelled set).
    bool RenderPdf(const QString& path, const QList<QStringList>& pages, QString* error = nullptr,
                   const std::function<bool(int)>& pageDone = {});

private:
    class PageSequence;

    Prompts& Prompt;
    std::unique_ptr<PrinterInfo> PrinterDevice;
    QPainterSurface Screen;                     // the 1:1 page image
    std::unique_ptr<QPainterSurface> PrinterPage;
    std::unique_ptr<PageSequence> Document;     // open multi-page job, if any
    QImage WholePage;
    TPageStr HeaderRec, FooterRec, PageTitleRec, SubTitleRec;
    double HeaderBottom = 0;
    double CreditHeight = 0;

    QStringList& Program() override { return ListbyProgram; }
    void RunPass(Surface& target);
    Surface& PrinterTarget();
    // One pass to the printer whatever nTgtCanvas says, which is restored afterwards.
    bool PassToPrinter();
    bool IsVisible() const { return !WindowVisible || WindowVisible(); }
};
