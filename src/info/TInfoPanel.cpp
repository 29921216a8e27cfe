#include "info/TInfoPanel.h"

#include "info/TWebPanel.h"

#include <QHostAddress>
#include <QLabel>
#include <QStackedLayout>

namespace {

QLabel* CreateErrorPanel(QWidget* parent)
{
    auto* panel = new QLabel(OfflineText(), parent);
    panel->setAlignment(Qt::AlignCenter);
    panel->setWordWrap(true);
    QFont font;
    // The classic Japanese face first; the IPA face stands in where it is missing.
    font.setFamilies({QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("IPAPGothic"),
                      QStringLiteral("IPAGothic")});
    font.setPixelSize(12);
    font.setBold(true);
    panel->setFont(font);
    QPalette red = panel->palette();
    red.setColor(QPalette::WindowText, Qt::red);
    panel->setPalette(red);
    return panel;
}

bool IsOnThisMachine(const QUrl& site)
{
    if (site.isLocalFile())
        return true;
    const QString host = site.host();
    return host == QLatin1String("localhost") || QHostAddress(host).isLoopback();
}

} // namespace

QString OfflineText()
{
    return QStringLiteral("インターネットに接続した状態でご使用下さい");
}

TInfoPanel::TInfoPanel(Prompts& prompts, OnlineSettings online, QUrl offlinePage,
                       QWidget* parent)
    : QWidget(parent), Online(std::move(online)), OfflinePage(std::move(offlinePage))
{
    WebBrowser1 = new TWebPanel(prompts, this);
    PnlError = CreateErrorPanel(this);
    Places = new QStackedLayout(this);
    Places->setContentsMargins(0, 0, 0, 0);
    Places->addWidget(WebBrowser1);
    Places->addWidget(PnlError);
    Places->setCurrentWidget(WebBrowser1);
}

CheckResult TInfoPanel::StartUp(NetworkReach reach, int timeoutMs)
{
    if (!Online.Check)
        return {};
    // A site on this machine answers whatever the network's state.
    if (reach == NetworkReach::Offline && !IsOnThisMachine(Online.Base)) {
        Places->setCurrentWidget(PnlError);
        return {};
    }
    CheckResult result;
    if (Online.HasSite())
        result = CheckReachable(EndpointUrl(Online, Endpoint::InfoText), timeoutMs);
    // A site that does not answer while the machine is online is the site's
    // fault, not the user's: the offline help stands in for its page.
    if (result.Reachable)
        WebBrowser1->Navigate(EndpointUrl(Online, Endpoint::Promotion));
    else if (!OfflinePage.isEmpty())
        WebBrowser1->Navigate(OfflinePage);
    return result;
}

bool TInfoPanel::ErrorShown() const
{
    return Places->currentWidget() == PnlError;
}
