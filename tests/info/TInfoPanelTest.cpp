// The start-up check and the panels it leads to, against a local HTTP
// server on 127.0.0.1 that the test starts. Every wait is bounded.
#include "LocalHttpServer.h"
#include "support/ScriptedPrompts.h"
#include "info/TInfoPanel.h"
#include "info/TWebPanel.h"

#include <QLabel>
#include <QBuffer>
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

    OnlineSettings Online(bool check = true) const { return {Server.Base(), check}; }

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
    const CheckResult result = panel.StartUp(kTestTimeoutMs);
    EXPECT_TRUE(result.Reachable) << result.Error.toStdString();
    EXPECT_FALSE(panel.ErrorShown());
    ASSERT_TRUE(WaitForPage(panel));
    EXPECT_TRUE(panel.WebBrowser1->toPlainText().contains(QStringLiteral("小数の計算ドリルを作ろう")));
    EXPECT_FALSE(panel.PnlError->isVisible());
    ASSERT_GE(Server.Requested.size(), 2);
    EXPECT_EQ(Server.Requested.mid(0, 2), (QStringList{"/info.txt", "/promo.html"}));
}

TEST_F(TInfoPanelTest, EveryKindOfFailureShowsTheErrorPanel)
{
    struct Case {
        const char* Name;
        int Status;       // of the information file; 0 = not served at all
        bool Silent;      // the server never answers
        bool ClosedPort;  // nothing listens
        bool TimedOut;
    };
    const Case cases[] = {
        {"not found", 404, false, false, false},
        {"server error", 500, false, false, false},
        {"closed port", 200, false, true, false},
        {"never answers", 200, true, false, true},
    };
    for (const Case& c : cases) {
        LocalHttpServer server;
        server.Silent = c.Silent;
        if (c.Status != 404)
            server.Pages.insert("/info.txt", {c.Status, "x", "text/plain"});
        QUrl base = server.Base();
        if (c.ClosedPort) {
            LocalHttpServer closed;
            base = closed.Base();
        }  // closed's listener is gone here
        TInfoPanel panel(Prompts, {base, true});
        panel.show();
        const CheckResult result = panel.StartUp(kTestTimeoutMs);
        EXPECT_FALSE(result.Reachable) << c.Name;
        EXPECT_EQ(result.TimedOut, c.TimedOut) << c.Name;
        EXPECT_TRUE(panel.ErrorShown()) << c.Name;
        EXPECT_TRUE(panel.PnlError->isVisible()) << c.Name;
        EXPECT_FALSE(panel.WebBrowser1->isVisible()) << c.Name;
        EXPECT_TRUE(panel.WebBrowser1->toPlainText().isEmpty()) << c.Name;
    }
}

TEST_F(TInfoPanelTest, AMissingPromotionalPageLeavesThePanelEmptyWithoutTheError)
{
    Server.Pages.insert("/info.txt", {200, "shosu-drill\n", "text/plain"});
    TInfoPanel panel(Prompts, Online());
    panel.show();
    QSignalSpy loaded(panel.WebBrowser1, &TWebPanel::PageLoaded);
    EXPECT_TRUE(panel.StartUp(kTestTimeoutMs).Reachable);
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
    const CheckResult result = panel.StartUp(kTestTimeoutMs);
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
    panel.StartUp(kTestTimeoutMs);
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
