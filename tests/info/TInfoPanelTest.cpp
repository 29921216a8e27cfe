// The start-up check and the panels it leads to, against a local HTTP
// server on 127.0.0.1 that the test starts. Every wait is bounded.
#include "LocalHttpServer.h"
#include "support/ScriptedPrompts.h"
#include "info/TInfoPanel.h"
#include "info/TWebPanel.h"

#include <QLabel>
#include <QBuffer>
#include <QFile>
#include <QTemporaryDir>
#include <QImage>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// Short enough to keep the suite quick; the program uses kCheckTimeoutMs.
constexpr int kTestTimeoutMs = 400;

const QByteArray kPromo =
    "<html><head><meta charset=\"utf-8\"></head><body>"
    "<p>小数の計算ドリルを作ろう</p><img src=\"logo.png\">"
    "<a href=\"more.html\">詳しく</a></body></html>";

class TInfoPanelTest : public ::testing::Test {
protected:
    LocalHttpServer Server;
    ScriptedPrompts Prompts;

    QTemporaryDir HelpDir;

    OnlineSettings Online(bool check = true) const { return {Server.Base(), check}; }

    // The offline help page, with a text of its own.
    QUrl OfflinePage() const
    {
        QFile page(HelpDir.filePath(QStringLiteral("index.html")));
        EXPECT_TRUE(page.open(QIODevice::WriteOnly));
        page.write("<html><body><p>ヘルプ（オフライン）</p><a href=\"random.html\">D</a></body></html>");
        return QUrl::fromLocalFile(page.fileName());
    }

    void ServeSite()
    {
        Server.Pages.insert("/info.txt", {200, "shosu-drill\n", "text/plain"});
        Server.Pages.insert("/promo.html", {200, kPromo});
    }

    // Waits (bounded) until the web panel has shown its page.
    static bool WaitForPage(TInfoPanel& panel)
    {
        QSignalSpy loaded(panel.WebBrowser1, &TWebPanel::PageLoaded);
        return loaded.wait(5000) && loaded.first().first().toBool();
    }
};

TEST_F(TInfoPanelTest, BothPanelsStartEmptyWithTheErrorPanelHidden)
{
    TInfoPanel panel(Prompts, Online());
    panel.show();
    EXPECT_FALSE(panel.PnlError->isVisible());
    EXPECT_TRUE(panel.WebBrowser1->isVisible());
    EXPECT_TRUE(panel.WebBrowser1->toPlainText().isEmpty());
    EXPECT_EQ(panel.PnlError->text(), QStringLiteral("インターネットに接続した状態でご使用下さい"));
    EXPECT_TRUE(panel.PnlError->font().bold());
    EXPECT_EQ(panel.PnlError->font().pixelSize(), 12);
    EXPECT_EQ(panel.PnlError->palette().color(QPalette::WindowText), QColor(Qt::red));
}

TEST_F(TInfoPanelTest, AReachableSiteShowsThePromotionalPage)
{
    ServeSite();
    TInfoPanel panel(Prompts, Online());
    panel.show();
    const CheckResult result = panel.StartUp(NetworkReach::Online, kTestTimeoutMs);
    EXPECT_TRUE(result.Reachable) << result.Error.toStdString();
    EXPECT_FALSE(panel.ErrorShown());
    ASSERT_TRUE(WaitForPage(panel));
    EXPECT_TRUE(panel.WebBrowser1->toPlainText().contains(QStringLiteral("小数の計算ドリルを作ろう")));
    EXPECT_FALSE(panel.PnlError->isVisible());
    ASSERT_GE(Server.Requested.size(), 2);
    EXPECT_EQ(Server.Requested.mid(0, 2), (QStringList{"/info.txt", "/promo.html"}));
}

// The red line is the system's word that the machine is offline; a site
// that fails while the machine is online shows the offline help instead.
TEST_F(TInfoPanelTest, OnlyTheSystemsOfflineVerdictShowsTheErrorPanel)
{
    struct Case {
        const char* Name;
        NetworkReach Reach;
        int Status;       // of the information file; 0 = no site set
        bool Silent;      // the server never answers
        bool ClosedPort;  // nothing listens
        bool Remote;      // the site is not on this machine
        bool Error;       // the red line shows
        bool Asked;       // the site recorded a request
        bool TimedOut;
    };
    const Case cases[] = {
        {"offline", NetworkReach::Offline, 200, false, false, true, true, false, false},
        {"offline, no site", NetworkReach::Offline, 0, false, false, false, true, false, false},
        {"offline, site on this machine", NetworkReach::Offline, 404, false, false, false, false, true, false},
        {"not found", NetworkReach::Online, 404, false, false, false, false, true, false},
        {"server error", NetworkReach::Unknown, 500, false, false, false, false, true, false},
        {"closed port", NetworkReach::Online, 200, false, true, false, false, false, false},
        // a silent server records nothing; its time-out shows it was asked
        {"never answers", NetworkReach::Online, 200, true, false, false, false, false, true},
        {"no site", NetworkReach::Online, 0, false, false, false, false, false, false},
    };
    const QUrl offline = OfflinePage();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        LocalHttpServer server;
        server.Silent = c.Silent;
        if (c.Status != 404)
            server.Pages.insert("/info.txt", {c.Status, "x", "text/plain"});
        QUrl base = c.Status == 0 ? QUrl() : server.Base();
        if (c.Remote)
            base = QUrl(QStringLiteral("http://site.invalid/shosu/"));
        if (c.ClosedPort) {
            LocalHttpServer closed;
            base = closed.Base();
        }  // closed's listener is gone here
        TInfoPanel panel(Prompts, {base, true}, offline);
        panel.show();
        QSignalSpy loaded(panel.WebBrowser1, &TWebPanel::PageLoaded);
        const CheckResult result = panel.StartUp(c.Reach, kTestTimeoutMs);
        EXPECT_FALSE(result.Reachable);
        EXPECT_EQ(result.TimedOut, c.TimedOut);
        EXPECT_EQ(!server.Requested.isEmpty(), c.Asked);
        EXPECT_EQ(panel.ErrorShown(), c.Error);
        EXPECT_EQ(panel.PnlError->isVisible(), c.Error);
        if (c.Error) {
            EXPECT_TRUE(panel.WebBrowser1->toPlainText().isEmpty());
            continue;
        }
        ASSERT_TRUE(loaded.wait(5000));
        EXPECT_EQ(panel.WebBrowser1->PageUrl(), offline);
        EXPECT_TRUE(panel.WebBrowser1->toPlainText().contains(QStringLiteral("ヘルプ（オフライン）")));
    }
}

// The offline help opens the pages beside it; a web page never opens a
// local file.
TEST_F(TInfoPanelTest, TheOfflineHelpOpensItsOwnPagesOnly)
{
    TInfoPanel panel(Prompts, {QUrl(), true}, OfflinePage());
    panel.show();
    QSignalSpy loaded(panel.WebBrowser1, &TWebPanel::PageLoaded);
    panel.StartUp(NetworkReach::Unknown, kTestTimeoutMs);
    ASSERT_TRUE(loaded.wait(5000));
    const QUrl beside = QUrl::fromLocalFile(HelpDir.filePath(QStringLiteral("random.html")));
    const struct {
        QUrl Link;
        QString Opened;  // empty = not handed to the browser
    } links[] = {
        {QUrl(QStringLiteral("random.html")), beside.toString()},
        {QUrl(QStringLiteral("../secret.html")), QString()},
        {QUrl(QStringLiteral("file:///etc/passwd")), QString()},
    };
    for (const auto& link : links) {
        Prompts.Asked.clear();
        emit panel.WebBrowser1->anchorClicked(link.Link);
        EXPECT_EQ(Prompts.Asked, link.Opened.isEmpty() ? QStringList() : QStringList{"url: " + link.Opened})
            << link.Link.toString().toStdString();
    }
}

TEST_F(TInfoPanelTest, AMissingPromotionalPageLeavesThePanelEmptyWithoutTheError)
{
    Server.Pages.insert("/info.txt", {200, "shosu-drill\n", "text/plain"});
    TInfoPanel panel(Prompts, Online());
    panel.show();
    QSignalSpy loaded(panel.WebBrowser1, &TWebPanel::PageLoaded);
    EXPECT_TRUE(panel.StartUp(NetworkReach::Online, kTestTimeoutMs).Reachable);
    ASSERT_TRUE(loaded.wait(5000));
    EXPECT_FALSE(loaded.first().first().toBool());
    EXPECT_FALSE(panel.ErrorShown());
    EXPECT_TRUE(panel.WebBrowser1->toPlainText().isEmpty());
}

TEST_F(TInfoPanelTest, CheckZeroAsksNothingAndShowsNoErrorPanel)
{
    ServeSite();
    TInfoPanel panel(Prompts, Online(false));
    panel.show();
    const CheckResult result = panel.StartUp(NetworkReach::Offline, kTestTimeoutMs);
    EXPECT_FALSE(result.Reachable);
    EXPECT_FALSE(panel.ErrorShown());
    EXPECT_FALSE(panel.PnlError->isVisible());
    EXPECT_TRUE(panel.WebBrowser1->toPlainText().isEmpty());
    EXPECT_TRUE(Server.Requested.isEmpty());
}

TEST_F(TInfoPanelTest, ThePageFetchesItsPicturesAndOpensLinksInTheBrowser)
{
    ServeSite();
    QImage logo(4, 4, QImage::Format_RGB32);
    logo.fill(Qt::blue);
    QByteArray png;
    {
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        logo.save(&buffer, "PNG");
    }
    Server.Pages.insert("/logo.png", {200, png, "image/png"});
    TInfoPanel panel(Prompts, Online());
    panel.show();
    panel.StartUp(NetworkReach::Online, kTestTimeoutMs);
    ASSERT_TRUE(WaitForPage(panel));
    for (int i = 0; i < 50 && !Server.Requested.contains("/logo.png"); ++i)
        QTest::qWait(20);
    EXPECT_TRUE(Server.Requested.contains("/logo.png"));

    const struct {
        const char* Link;
        const char* Opened;  // "" = not handed to the browser
    } links[] = {
        {"more.html", "more.html"},
        {"https://elsewhere.example/x", "https://elsewhere.example/x"},
        {"file:///etc/passwd", ""},
        {"javascript:alert(1)", ""},
    };
    for (const auto& link : links) {
        Prompts.Asked.clear();
        emit panel.WebBrowser1->anchorClicked(QUrl(QString::fromUtf8(link.Link)));
        QStringList expected;
        if (*link.Opened)
            expected << "url: " + Server.Base().resolved(QUrl(link.Opened)).toString();
        EXPECT_EQ(Prompts.Asked, expected) << link.Link;
    }
}

} // namespace
