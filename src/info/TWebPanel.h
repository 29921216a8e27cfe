#pragma once
// WebBrowser1: a light HTML view for the site's small pages. The page and
// the pictures it shows are fetched with Qt Network in the background, so
// the window never waits for them; what Qt's rich text understands (HTML 4
// markup, tables, inline styles, pictures) is shown, scripts are not run.
// A link clicked in the page opens in the user's browser.
#include <QHash>
#include <QNetworkAccessManager>
#include <QTextBrowser>
#include <QUrl>

class Prompts;
class QNetworkReply;

class TWebPanel : public QTextBrowser {
    Q_OBJECT

public:
    explicit TWebPanel(Prompts& prompts, QWidget* parent = nullptr);

    // Starts loading a page; the view shows it when it has arrived.
    void Navigate(const QUrl& url);
    QUrl PageUrl() const { return Page; }

signals:
    // The page has arrived and is shown (ok), or could not be loaded.
    void PageLoaded(bool ok);

protected:
    QVariant loadResource(int type, const QUrl& name) override;

private:
    void PageArrived(QNetworkReply* reply);
    void ResourceArrived(QNetworkReply* reply, const QUrl& url);
    void LinkClicked(const QUrl& link);

    Prompts& UserPrompts;
    QNetworkAccessManager Network;
    QUrl Page;
    QString PageHtml;
    QNetworkReply* PageReply = nullptr;
    // Pictures and style sheets of the page by location; an empty entry is
    // one that could not be fetched. Pending holds those still on the way.
    QHash<QUrl, QByteArray> Resources;
    QHash<QUrl, QNetworkReply*> Pending;
};
