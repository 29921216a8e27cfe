// The six view settings: reading with defaults and range checks, writing in
// order, and the window reading them at creation and writing them at
// destruction (or not at all after a printer failure).
#include "PrevWindowFixture.h"
#include "preview/PreviewSettings.h"

#include <QAction>

namespace {

using PreviewSettingsTest = PrevWindowFixture;

struct Stored {
    int PageView, UnitType, fScale, fMesh;
    const char* List;
    int Quality;
};

void ExpectSettings(const PreviewSettings& s, const Stored& want)
{
    EXPECT_EQ(s.PageView, want.PageView);
    EXPECT_EQ(s.UnitType, want.UnitType);
    EXPECT_EQ(s.fScale, want.fScale);
    EXPECT_EQ(s.fMesh, want.fMesh);
    EXPECT_EQ(s.ListIniFile, QString::fromUtf8(want.List));
    EXPECT_EQ(s.CQuality, want.Quality);
}

TEST_F(PreviewSettingsTest, StoredTextsReadAsTheirValuesOrDefaults)
{
    struct Case {
        const char* Ini;
        Stored Want;
    };
    const Case cases[] = {
        {"", {1, 2, 0, 0, "PrevForm.prv", 90}},
        {"[PageView]\nIndex=2\n[Unit]\nType=0\n[Sw]\nScale=1\nMesh=1\n"
         "[ListFile]\nName=sheets/a.prv\n[Option]\nQuality=55\n",
         {2, 0, 1, 1, "sheets/a.prv", 55}},
        {"[PageView]\nIndex=3\n[Unit]\nType=3\n[Sw]\nScale=2\nMesh=-1\n"
         "[ListFile]\nName=\n[Option]\nQuality=101\n",
         {1, 2, 0, 0, "PrevForm.prv", 90}},
        {"[PageView]\nIndex=0\n[Unit]\nType=-1\n[Option]\nQuality=0\n", {1, 2, 0, 0, "PrevForm.prv", 90}},
        {"[PageView]\nIndex=two\n[Unit]\nType=mm\n[Sw]\nScale=yes\n[Option]\nQuality=12.5\n",
         {1, 2, 0, 0, "PrevForm.prv", 90}},
        {"[Unit]\nType=1\n[Option]\nQuality=1\n", {1, 1, 0, 0, "PrevForm.prv", 1}},
        {"[Option]\nQuality=100\n", {1, 2, 0, 0, "PrevForm.prv", 100}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Ini);
        WriteIni(QString::fromUtf8(c.Ini));
        ExpectSettings(PreviewSettings::Read(IniFile(IniPath())), c.Want);
    }
}

TEST_F(PreviewSettingsTest, AllSixKeysAreWrittenInTableOrder)
{
    IniFile ini(IniPath());
    PreviewSettings s;
    s.PageView = 2;
    s.fMesh = 1;
    s.CQuality = 70;
    s.Write(ini);
    EXPECT_EQ(ini.Text().trimmed(),
              QStringLiteral("[PageView]\nIndex=2\n[Unit]\nType=2\n[Sw]\nScale=0\nMesh=1\n"
                             "[ListFile]\nName=PrevForm.prv\n[Option]\nQuality=70"));
}

TEST_F(PreviewSettingsTest, TheWindowKeepsItsViewAcrossARestart)
{
    {
        TFrmPrev& form = MakeWindow();
        form.show();
        form.M1->trigger();
        form.G1->trigger();
        form.CQuality = 42;
        form.Engine().Header().psStr = QStringLiteral("ヘッダー");
        Form.reset();
    }
    TFrmPrev& again = MakeWindow();
    EXPECT_EQ(again.CQuality, 42);
    EXPECT_EQ(again.Engine().Header().psStr, QStringLiteral("ヘッダー"));
    again.show();
    EXPECT_TRUE(again.M1->isChecked());
    EXPECT_FALSE(again.S2->isChecked());
    EXPECT_TRUE(again.G1->isChecked());
    EXPECT_EQ(again.Engine().PageView, 2);
    EXPECT_EQ(again.Engine().fMesh, 1);
    again.W1->trigger();
    again.Engine().DrawGraphics();
    EXPECT_GT(InkPixels(again.Engine().PageImage()), 1000) << "the grid is drawn in 1:1 view";
}

TEST_F(PreviewSettingsTest, APrinterFailureAtCreationWritesNothing)
{
    const QString stored = QStringLiteral("[PageView]\nIndex=2\n[Option]\nQuality=33\n[Header]\nString=mine\n");
    WriteIni(stored);
    PrevWindowOptions options = Options();
    options.Printer = std::make_unique<UnusablePrinter>(Path("x.pdf"));
    MakeWindow(std::move(options));
    EXPECT_EQ(Form->CQuality, 90) << "nothing was read";
    Form.reset();
    QFile file(IniPath());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(QString::fromUtf8(file.readAll()), stored);
}

TEST_F(PreviewSettingsTest, TheWindowsPlaceReadsOnlyWhenAllFourKeysMakeOne)
{
    struct Case {
        const char* Ini;
        std::optional<QRect> Want;
    };
    const Case cases[] = {
        {"[PageView]\nIndex=1\nLeft=30\nTop=-20\nWidth=500\nHeight=640\n", QRect(30, -20, 500, 640)},
        {"[PageView]\nLeft=30\nTop=20\nWidth=500\n", std::nullopt},
        {"[PageView]\nLeft=x\nTop=20\nWidth=500\nHeight=640\n", std::nullopt},
        {"[PageView]\nLeft=30\nTop=20\nWidth=0\nHeight=640\n", std::nullopt},
        {"[PageView]\nLeft=30\nTop=20\nWidth=500\nHeight=99999\n", std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Ini);
        WriteIni(QString::fromUtf8(c.Ini));
        EXPECT_EQ(PreviewSettings::Read(IniFile(IniPath())).Place, c.Want);
    }
    IniFile ini(Path("placed.ini"));
    PreviewSettings placed;
    placed.Place = QRect(5, 6, 700, 800);
    placed.Write(ini);
    EXPECT_TRUE(ini.Text().startsWith(
        QStringLiteral("[PageView]\nIndex=1\nLeft=5\nTop=6\nWidth=700\nHeight=800\n")));
}

TEST_F(PreviewSettingsTest, TheWindowComesBackWhereItWasLeft)
{
    {
        TFrmPrev& form = MakeWindow();
        form.show();
        form.setGeometry(40, 30, 420, 500);
        Form.reset();
    }
    TFrmPrev& again = MakeWindow();
    again.show();
    EXPECT_EQ(again.geometry(), QRect(40, 30, 420, 500));
    Form.reset();
    // Not shown during a run: the stored place stays as it was.
    MakeWindow();
    Form.reset();
    EXPECT_EQ(PreviewSettings::Read(IniFile(IniPath())).Place, QRect(40, 30, 420, 500));
}

} // namespace
