#pragma once
// TFrmPrev: the preview window around one PrevEngine. It shows the page
// image unscaled in a scroll area (1:1 view) or the whole page fitted into
// the window (whole-page view), toggles the grid and ruler overlays, guards
// resizes whose bitmap cannot be made, and offers export, printer setup and
// printing from its file menu. It holds a document of one or more pages
// (a program list each) and shows one page at a time; printing and PDF
// take every page, images and the clipboard the page shown. It is created hidden, and shown by the main
// window; closing it only hides it. The view settings and the page-string
// records are read at creation and written at destruction.
#include "prevform/PrevEngine.h"
#include "prevform/PrinterInfo.h"
#include "preview/PrintQueue.h"
#include "sheet/JobTitle.h"

#include <QMainWindow>
#include <QRect>
#include <functional>
#include <memory>
#include <optional>

class QAction;
class QLabel;
class QMenu;
class QScrollArea;
class QStackedWidget;
class Prompts;

// What tests and the program may choose about the window's surroundings.
struct PrevWindowOptions {
    std::unique_ptr<PrinterInfo> Printer;  // null: the default printer
    std::unique_ptr<PrintQueue> Queue;     // null: the spooler of the machine
    int ScreenDpi = 0;                     // 0: measured from the screen
    double PixelRatio = 0;                 // 0: the screen's device pixel ratio
    // Whether a bitmap of this many device pixels can be made (the resize
    // guard); null: try to allocate one.
    std::function<bool(QSize)> CanMakeBitmap;
};

class TFrmPrev : public QMainWindow {
    Q_OBJECT

public:
    explicit TFrmPrev(Prompts& prompts, QWidget* parent = nullptr, PrevWindowOptions options = {});
    ~TFrmPrev() override;

    PrevEngine& Engine() { return *Prev; }
    int ErrorNum() const { return Prev->Geometry.ErrorNum; }
    int CQuality = 90;  // JPEG quality 1..100

    // --- controls ---
    QStackedWidget* Client = nullptr;  // the client area: the 1:1 or the whole-page view
    QScrollArea* ScrollBox = nullptr;  // scrolls Image1
    QLabel* Image1 = nullptr;          // the page image, 1:1
    QLabel* Image2 = nullptr;          // the fitted whole-page image
    QMenu* MenuFile = nullptr;         // "ファイル(&F)"
    QMenu* MenuView = nullptr;         // "表示(&V)"
    QAction* B1 = nullptr;             // "ファイルに保存(&B)"
    QAction* J1 = nullptr;             // "Jpeg画像の質(&J)"
    QAction* F1 = nullptr;             // "クリップボードに複写(&F)"
    QAction* S1 = nullptr;             // "プリンタ設定(&S)"
    QAction* P1 = nullptr;             // "印刷(&P)"
    QAction* C1 = nullptr;             // "閉じる(&C)"
    QAction* S2 = nullptr;             // "メモリ(&S)"
    QAction* M1 = nullptr;             // "方眼(&M)"
    QAction* W1 = nullptr;             // "１：１表示(&W)"
    QAction* G1 = nullptr;             // "ページ(&G)"
    QAction* PrevPageItem = nullptr;   // "前のページ" (Page Up)
    QAction* NextPageItem = nullptr;   // "次のページ" (Page Down)
    QLabel* PageLabel = nullptr;       // «1/2» in the status bar, shown for several pages

    // --- handlers ---
    void W1Click();  // 1:1 view, no new rendering
    void G1Click();  // whole-page view: fit, render, show
    void S2Click();  // ruler overlay on or off, render
    void M1Click();  // grid overlay on or off, render
    void C1Click();  // hides the window
    void B1Click();  // save the visible picture to a file
    void J1Click();  // the JPEG quality box
    void F1Click();  // the visible picture to the clipboard
    void SetPrinter();
    void PrintOut();  // every page of the document as one print job
    // Where printing goes: without a printer on this machine, the PDF file
    // the user names now (nullopt when cancelled); with one, an empty name.
    // A caller with long work before printing asks first, so no question
    // waits behind its progress.
    std::optional<QString> AskPrintTarget();
    // Prints every page of the document to the printer, or into pdfName
    // (from AskPrintTarget) when there is no printer.
    void PrintTo(const QString& pdfName);

    // The document to show, from its first page; an empty one shows a
    // blank page. Renders the page and updates the page controls. Printing
    // gives the job title (empty: PlainJobTitle()).
    void ShowDocument(const QList<QStringList>& pages, const QString& title = {});
    QString JobTitle() const { return Title; }
    // Page index (0-based) of the document, clamped to its pages.
    void ShowPage(int index);
    void PrevPageClick();
    void NextPageClick();
    int PageIndex() const { return ShownPage; }
    int PageCount() const { return int(Pages.size()); }

    // Whether the window has a place of its own: one stored by an earlier
    // run, or the one it took when first shown in this run.
    bool HasPlace() const { return fPlaced || StoredPlace.has_value(); }

    // The show steps: new page images, the view, the list file, empty lists.
    void FormShow();
    // Image2 fitted into the client area with a new blank bitmap.
    void FitWholePage();
    // The client area in logical pixels (the part below the menu bar).
    QSize ClientSize() const;
    // The picture on screen: the page image in 1:1 view, else the fitted one.
    QImage VisiblePicture() const;
    // Device pixels per logical pixel the page images are drawn at.
    double PixelRatio() const { return Ratio; }

    // Writes the view settings and the four page-string records (nothing
    // when they were never read, after a printer failure at creation).
    void SaveSettings();

    static constexpr int MaxBitmapSide = 32767;
    static constexpr qint64 MaxBitmapPixels = 256LL * 1024 * 1024;

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void CreateMenus();
    void CreatePageControls();
    void UpdatePageControls();
    // Prints the document's pages (the program list alone when there is none).
    bool PrintDocument();
    // Prints to a printer of the system's spooler, checking its queue first
    // and the job after; what goes wrong is reported naming the printer.
    void PrintToQueue(PrinterInfo& printer);
    // The pages to print or save: the document's, or the program list as one page.
    QList<QStringList> DocumentPages() const;
    void LoadSettings();
    // The first show: the stored place, or beside the main window.
    void PlaceWindow();
    void UpdatePictures();
    void ShowView();
    bool CanMakeBitmap(QSize devicePixels) const;
    QSize DevicePixels(QSize logical) const;

    Prompts& Prompt;
    std::unique_ptr<PrevEngine> Prev;
    double Ratio = 1;
    std::function<bool(QSize)> BitmapProbe;
    QString SaveFolder;  // where the last picture was saved; the next save starts there
    std::unique_ptr<PrintQueue> Queue;
    QList<QStringList> Pages;  // the document; empty until one is shown
    QString Title = PlainJobTitle();  // of the document's print job
    int ShownPage = 0;
    bool fSettingsRead = false;
    bool fRestoringSize = false;
    std::optional<QRect> StoredPlace;  // as read; written back until placed
    bool fPlaced = false;
};
