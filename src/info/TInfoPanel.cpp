#include "info/TInfoPanel.h"

#include "info/TWebPanel.h"

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

} // namespace

QString OfflineText()
{
    return QStringLiteral("インターネットに接続した状態でご使用下さい");
}

TInfoPanel::TInfoPanel(Prompts& prompts, OnlineSettings online, QWidget* parent)
    : QWidget(parent), Online(std::move(online))
{
    WebBrowser1 = new TWebPanel(prompts, this);
    PnlError = CreateErrorPanel(this);
    Places = new QStackedLayout(this);
    Places->setContentsMargins(0, 0, 0, 0);
    Places->addWidget(WebBrowser1);
    Places->addWidget(PnlError);
    Places->setCurrentWidget(WebBrowser1);
}

CheckResult TInfoPanel::StartUp(int timeoutMs)
{
    if (!Online.Check)
        return {};
    CheckResult result = CheckReachable(EndpointUrl(Online, Endpoint::InfoText), timeoutMs);
    if (!result.Reachable) {
        Places->setCurrentWidget(PnlError);
        return result;
    }
    WebBrowser1->Navigate(EndpointUrl(Online, Endpoint::Promotion));
    return result;
}

bool TInfoPanel::ErrorShown() const
{
    return Places->currentWidget() == PnlError;
}
