#include "info/TWebPanel.h"

#include "common/HelpLinks.h"
#include "info/StartupCheck.h"

#include <QDir>
#include <QFileInfo>
#include <QNetworkReply>
#include <QStringDecoder>
#include <utility>

namespace {

// Loads of the page and its pictures give up after this long.
constexpr int kLoadTimeoutMs = 15000;

// The most a page or picture may bring: the panel shows small pages only.
constexpr qint64 kMaxResourceBytes = 4 * 1024 * 1024;

bool IsWeb(const QUrl& url)
{
    return url.scheme() == QLatin1String("http") || url.scheme() == QLatin1String("https");
}

// Only these kinds of link leave the panel for the browser.
bool IsOpenableLink(const QUrl& url)
{
    return IsWeb(url) || url.scheme() == QLatin1String("mailto");
}

// A page of the offline help may open the pages of its own folder (and
// below); a page from the web never opens a local file.
bool IsBesideLocalPage(const QUrl& page, const QUrl& target)
{
    if (!page.isLocalFile() || !target.isLocalFile())
        return false;
    const QString folder = QFileInfo(page.toLocalFile()).absolutePath() + QLatin1Char('/');
    return QDir::cleanPath(target.toLocalFile()).startsWith(folder);
}

QString DecodeHtml(const QByteArray& data)
{
    const auto encoding = QStringConverter::encodingForHtml(data);
    QStringDecoder decoder(encoding.value_or(QStringConverter::Utf8));
    return decoder(data);
}

} // namespace

TWebPanel::TWebPanel(Prompts& prompts, QWidget* parent)
    : QTextBrowser(parent), UserPrompts(prompts)
{
    setOpenLinks(false);
    setOpenExternalLinks(false);
    Network.setTransferTimeout(kLoadTimeoutMs);
    connect(this, &QTextBrowser::anchorClicked, this, &TWebPanel::LinkClicked);
}

void TWebPanel::Navigate(const QUrl& url)
{
    // Aborting finishes a reply at once: forget the old ones first, so their
    // handlers see them as replaced.
    QNetworkReply* oldPage = std::exchange(PageReply, nullptr);
    const QList<QNetworkReply*> oldResources = Pending.values();
    Pending.clear();
    if (oldPage)
        oldPage->abort();
    for (QNetworkReply* reply : oldResources)
        reply->abort();
    Page = url;
    PageHtml.clear();
    Resources.clear();
    QNetworkReply* reply = Network.get(QNetworkRequest(url));
    PageReply = reply;
    connect(reply, &QNetworkReply::finished, this, [this, reply] { PageArrived(reply); });
}

void TWebPanel::PageArrived(QNetworkReply* reply)
{
    reply->deleteLater();
    if (reply != PageReply)
        return;  // a page replaced by a later one
    PageReply = nullptr;
    if (!ReplySucceeded(*reply)) {
        emit PageLoaded(false);
        return;
    }
    PageHtml = DecodeHtml(reply->read(kMaxResourceBytes));
    document()->setBaseUrl(Page);
    setHtml(PageHtml);
    emit PageLoaded(true);
}

QVariant TWebPanel::loadResource(int type, const QUrl& name)
{
    const QUrl url = Page.resolved(name);
    if (!IsWeb(url))
        return url.isLocalFile() ? QTextBrowser::loadResource(type, url) : QVariant();
    if (auto cached = Resources.constFind(url); cached != Resources.constEnd())
        return cached->isEmpty() ? QVariant() : QVariant(*cached);
    if (!Pending.contains(url)) {
        QNetworkReply* reply = Network.get(QNetworkRequest(url));
        Pending.insert(url, reply);
        connect(reply, &QNetworkReply::finished, this,
                [this, reply, url] { ResourceArrived(reply, url); });
    }
    return {};
}

void TWebPanel::ResourceArrived(QNetworkReply* reply, const QUrl& url)
{
    reply->deleteLater();
    if (Pending.value(url) != reply)
        return;  // belongs to a page that was replaced
    Pending.remove(url);
    Resources.insert(url, ReplySucceeded(*reply) ? reply->read(kMaxResourceBytes) : QByteArray());
    // Lay the page out again once everything it asked for is here; the
    // pictures now come from the cache.
    if (Pending.isEmpty() && !PageHtml.isEmpty())
        setHtml(PageHtml);
}

void TWebPanel::LinkClicked(const QUrl& link)
{
    const QUrl target = Page.resolved(link);
    if (IsOpenableLink(target) || IsBesideLocalPage(Page, target))
        OpenWebPage(UserPrompts, target.toString());
}
