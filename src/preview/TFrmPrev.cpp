#include "preview/TFrmPrev.h"

#include "common/IniFile.h"
#include "common/Prompts.h"
#include "common/SaveFailure.h"
#include "common/SettingsLocation.h"
#include "prevform/PrinterInfo.h"
#include "preview/SystemPrinter.h"
#include "preview/PreviewPlacement.h"
#include "preview/PreviewSettings.h"

#include <QActionGroup>
#include <QGuiApplication>
#include <QLabel>
#include <QMenuBar>
#include <QPixmap>
#include <QResizeEvent>
#include <QScreen>
#include <QScrollArea>
#include <QShowEvent>
#include <QStackedWidget>

namespace {

const QString kResizeRefused = QStringLiteral("Resize is ignore, because  bitmap is too big.");

int ScreenDpi()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    const int dpi = screen ? qRound(screen->logicalDotsPerInchY()) : 96;
    return dpi > 0 ? dpi : 96;
}

double ScreenPixelRatio()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    const double ratio = screen ? screen->devicePixelRatio() : 1.0;
    return ratio >= 1.0 ? ratio : 1.0;
}

bool TryAllocate(QSize size)
{
    return !QImage(size, QImage::Format_RGB32).isNull();
}

QPixmap PixmapAt(const QImage& image, double ratio)
{
    QPixmap pixmap = QPixmap::fromImage(image);
    pixmap.setDevicePixelRatio(ratio);
    return pixmap;
}

} // namespace

TFrmPrev::TFrmPrev(Prompts& prompts, QWidget* parent, PrevWindowOptions options)
    // A window of its own, not a tool window: keys pressed in it reach only
    // its own menus, never the main window's.
    : QMainWindow(parent, Qt::Window), Prompt(prompts)
{
    // On a screen with several device pixels per logical pixel the page is
    // drawn at the device resolution, so that it is sharp, and shown at its
    // logical size, so that 1:1 keeps its size on screen.
    Ratio = options.PixelRatio > 0 ? options.PixelRatio : ScreenPixelRatio();
    const int dpi = options.ScreenDpi > 0 ? options.ScreenDpi : ScreenDpi();
    BitmapProbe = options.CanMakeBitmap ? std::move(options.CanMakeBitmap) : TryAllocate;
    Queue = options.Queue ? std::move(options.Queue) : SystemPrintQueue();
    Prev = std::make_unique<PrevEngine>(
        prompts, options.Printer ? std::move(options.Printer) : SystemPrinter::MakeDefault(),
        qRound(dpi * Ratio));
    Prev->WindowVisible = [this] { return isVisible(); };
    Prev->Repaint = [this] { UpdatePictures(); };

    setWindowTitle(QStringLiteral("Preview"));
    Image1 = new QLabel;
    Image1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    ScrollBox = new QScrollArea;
    ScrollBox->setWidget(Image1);
    ScrollBox->setWidgetResizable(false);
    ScrollBox->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    auto* page = new QWidget;
    Image2 = new QLabel(page);
    Image2->move(0, 0);
    Client = new QStackedWidget;
    Client->addWidget(ScrollBox);
    Client->addWidget(page);
    setCentralWidget(Client);
    CreateMenus();
    CreatePageControls();
    resize(kDefaultPreviewPlace.size());
    move(kDefaultPreviewPlace.topLeft());

    if (ErrorNum() < 0)
        LoadSettings();
}

TFrmPrev::~TFrmPrev()
{
    SaveSettings();
}

void TFrmPrev::CreateMenus()
{
    MenuFile = menuBar()->addMenu(QStringLiteral("ファイル(&F)"));
    B1 = MenuFile->addAction(QStringLiteral("ファイルに保存(&B)"));
    J1 = MenuFile->addAction(QStringLiteral("Jpeg画像の質(&J)"));
    F1 = MenuFile->addAction(QStringLiteral("クリップボードに複写(&F)"));
    MenuFile->addSeparator();
    S1 = MenuFile->addAction(QStringLiteral("プリンタ設定(&S)"));
    P1 = MenuFile->addAction(QStringLiteral("印刷(&P)"));
    MenuFile->addSeparator();
    C1 = MenuFile->addAction(QStringLiteral("閉じる(&C)"));

    MenuView = menuBar()->addMenu(QStringLiteral("表示(&V)"));
    S2 = MenuView->addAction(QStringLiteral("メモリ(&S)"));
    M1 = MenuView->addAction(QStringLiteral("方眼(&M)"));
    MenuView->addSeparator();
    W1 = MenuView->addAction(QStringLiteral("１：１表示(&W)"));
    G1 = MenuView->addAction(QStringLiteral("ページ(&G)"));
    auto* views = new QActionGroup(this);
    for (QAction* item : {S2, M1, W1, G1})
        item->setCheckable(true);
    views->addAction(W1);
    views->addAction(G1);
    W1->setChecked(true);

    connect(B1, &QAction::triggered, this, &TFrmPrev::B1Click);
    connect(J1, &QAction::triggered, this, &TFrmPrev::J1Click);
    connect(F1, &QAction::triggered, this, &TFrmPrev::F1Click);
    connect(S1, &QAction::triggered, this, &TFrmPrev::SetPrinter);
    connect(P1, &QAction::triggered, this, &TFrmPrev::PrintOut);
    connect(C1, &QAction::triggered, this, &TFrmPrev::C1Click);
    connect(S2, &QAction::triggered, this, &TFrmPrev::S2Click);
    connect(M1, &QAction::triggered, this, &TFrmPrev::M1Click);
    connect(W1, &QAction::triggered, this, &TFrmPrev::W1Click);
    connect(G1, &QAction::triggered, this, &TFrmPrev::G1Click);
}

// ---- Settings ----

void TFrmPrev::LoadSettings()
{
    const IniFile ini(SettingsLocation::FilePath());
    const PreviewSettings s = PreviewSettings::Read(ini);
    Prev->PageView = s.PageView;
    Prev->Geometry.UnitType = s.UnitType;
    Prev->fScale = s.fScale;
    Prev->fMesh = s.fMesh;
    Prev->ListIniFile = s.ListIniFile;
    CQuality = s.CQuality;
    StoredPlace = s.Place;
    Prev->GetHeader(ini);
    Prev->GetFooter(ini);
    Prev->GetPageTitle(ini);
    Prev->GetSubTitle(ini);
    fSettingsRead = true;
}

void TFrmPrev::SaveSettings()
{
    // Never read (the printer failed at creation): writing the creation
    // values would overwrite what the user stored.
    if (!fSettingsRead)
        return;
    IniFile ini(SettingsLocation::FilePath());
    PreviewSettings s;
    s.PageView = Prev->PageView;
    s.UnitType = Prev->Geometry.UnitType;
    s.fScale = Prev->fScale;
    s.fMesh = Prev->fMesh;
    s.ListIniFile = Prev->ListIniFile;
    s.CQuality = CQuality;
    // Where the user left the window; a window never shown keeps the stored place.
    s.Place = fPlaced ? std::optional<QRect>(geometry()) : StoredPlace;
    s.Write(ini);
    Prev->SetHeader(ini);
    Prev->SetFooter(ini);
    Prev->SetPageTitle(ini);
    Prev->SetSubTitle(ini);
    if (const auto error = ini.Save())
        ReportSaveFailure(Prompt, *error);
}

// ---- Showing and the two views ----

void TFrmPrev::showEvent(QShowEvent* event)
{
    if (!fPlaced && !event->spontaneous())
        PlaceWindow();
    QMainWindow::showEvent(event);
    // A window coming back from the task bar is not a new preview request.
    if (!event->spontaneous())
        FormShow();
}

void TFrmPrev::PlaceWindow()
{
    fPlaced = true;
    PreviewPlacementInput input;
    input.Stored = StoredPlace;
    if (parentWidget())
        input.Main = parentWidget()->window()->geometry();
    if (QScreen* primary = QGuiApplication::primaryScreen())
        input.Screens << primary->availableGeometry();
    for (QScreen* screen : QGuiApplication::screens())
        if (screen != QGuiApplication::primaryScreen())
            input.Screens << screen->availableGeometry();
    setGeometry(PlacePreview(input));
}

void TFrmPrev::FormShow()
{
    if (ErrorNum() >= 0)
        return;
    const QSize size = Prev->Geometry.OneToOneImageSize();
    Prev->SetImageSize(size.width(), size.height());
    if (Prev->PageView == 2)
        FitWholePage();
    (Prev->PageView == 2 ? G1 : W1)->setChecked(true);
    ShowView();
    Prev->ReadListFile();
    Prev->Geometry.ReadPrinterCaps(Prev->Printer(), Prompt);
    S2->setChecked(Prev->fScale == 1);
    M1->setChecked(Prev->fMesh == 1);
    Prev->ListByManual.clear();
    Prev->ListbyProgram.clear();
    Pages.clear();
    UpdatePageControls();
    PageFont& font = Prev->State.Font;
    font.Bold = font.Italic = font.Underline = font.StrikeOut = false;
    UpdatePictures();
}

QSize TFrmPrev::ClientSize() const
{
    return Client->size();
}

QSize TFrmPrev::DevicePixels(QSize logical) const
{
    return QSize(qRound(logical.width() * Ratio), qRound(logical.height() * Ratio));
}

void TFrmPrev::FitWholePage()
{
    const QSize fit = Prev->Geometry.WholePageImageSize(ClientSize());
    const QSize pixels = DevicePixels(fit);
    Prev->SetPageImageSize(pixels.width(), pixels.height());
    Prev->Geometry.nTgtCanvas = PageGeometry::TgtImageThenPage;
}

void TFrmPrev::ShowView()
{
    const bool whole = Prev->PageView == 2;
    Client->setCurrentIndex(whole ? 1 : 0);
    Image1->setVisible(!whole);
    Image2->setVisible(whole);
}

void TFrmPrev::UpdatePictures()
{
    Image1->setPixmap(PixmapAt(Prev->PageImage(), Ratio));
    Image1->adjustSize();
    Image2->setPixmap(PixmapAt(Prev->WholePageImage(), Ratio));
    Image2->adjustSize();
}

QImage TFrmPrev::VisiblePicture() const
{
    return Prev->PageView == 2 ? Prev->WholePageImage() : Prev->PageImage();
}

void TFrmPrev::W1Click()
{
    W1->setChecked(true);
    const bool wasWholePage = Prev->PageView == 2;
    Prev->PageView = 1;
    // The page image holds the latest rendering, but one made in whole-page
    // view lacks the overlays; with grid or ruler on it is drawn again so
    // that the view shows what the check marks say.
    if (wasWholePage && (Prev->fMesh == 1 || Prev->fScale == 1))
        Prev->DrawGraphics();
    ShowView();
}

void TFrmPrev::G1Click()
{
    G1->setChecked(true);
    Prev->PageView = 2;
    if (ErrorNum() >= 0) {
        ShowView();
        return;
    }
    Prev->SetPageImageSize(10, 10);
    FitWholePage();
    Prev->DrawGraphics();
    ShowView();
}

void TFrmPrev::S2Click()
{
    Prev->fScale = S2->isChecked() ? 1 : 0;
    Prev->DrawGraphics();
}

void TFrmPrev::M1Click()
{
    Prev->fMesh = M1->isChecked() ? 1 : 0;
    Prev->DrawGraphics();
}

void TFrmPrev::C1Click()
{
    hide();
}

// ---- Resizing ----

bool TFrmPrev::CanMakeBitmap(QSize pixels) const
{
    if (pixels.width() > MaxBitmapSide || pixels.height() > MaxBitmapSide
        || static_cast<qint64>(pixels.width()) * pixels.height() > MaxBitmapPixels)
        return false;
    return BitmapProbe(pixels);
}

void TFrmPrev::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    if (fRestoringSize || ErrorNum() >= 0)
        return;
    const QSize wanted = Prev->PageView == 2 ? DevicePixels(ClientSize()) : Prev->PageImage().size();
    if (event->oldSize().isValid() && !wanted.isEmpty() && !CanMakeBitmap(wanted)) {
        Prompt.Message(kResizeRefused);
        fRestoringSize = true;
        resize(event->oldSize());
        fRestoringSize = false;
        return;
    }
    // The whole page fits the window again at every size, rather than
    // keeping the size it was fitted at.
    if (Prev->PageView == 2 && isVisible())
        FitWholePage();
    Prev->DrawGraphics();
}
