#include "info/StartupCheck.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>
#include <memory>

namespace {

QNetworkRequest CheckRequest(const QUrl& url, int timeoutMs)
{
    QNetworkRequest request(url);
    request.setTransferTimeout(timeoutMs);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::NoLessSafeRedirectPolicy);
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute,
                         QNetworkRequest::AlwaysNetwork);
    request.setHeader(QNetworkRequest::UserAgentHeader,
                      QStringLiteral("shosu-drill/%1").arg(QCoreApplication::applicationVersion()));
    return request;
}

} // namespace

bool ReplySucceeded(const QNetworkReply& reply)
{
    if (reply.error() != QNetworkReply::NoError)
        return false;
    const QVariant status = reply.attribute(QNetworkRequest::HttpStatusCodeAttribute);
    if (!status.isValid())
        return true;  // not http: no error is success
    const int code = status.toInt();
    return code >= 200 && code < 300;
}

CheckResult CheckReachable(const QUrl& url, int timeoutMs)
{
    CheckResult result;
    if (!url.isValid()) {
        result.Error = QStringLiteral("invalid location");
        return result;
    }
    QNetworkAccessManager client;
    std::unique_ptr<QNetworkReply> reply(client.get(CheckRequest(url, timeoutMs)));
    QByteArray buffer;

    QEventLoop loop;
    QTimer deadline;
    deadline.setSingleShot(true);
    QObject::connect(reply.get(), &QNetworkReply::readyRead, &loop,
                     [&] { buffer += reply->readAll(); });
    QObject::connect(reply.get(), &QNetworkReply::finished, &loop, &QEventLoop::quit);
    QObject::connect(&deadline, &QTimer::timeout, &loop, [&] {
        result.TimedOut = true;
        reply->abort();  // finishes the reply, which ends the loop
    });
    deadline.start(timeoutMs);
    if (!reply->isFinished())
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    if (reply->isOpen())
        buffer += reply->readAll();

    if (reply->error() == QNetworkReply::OperationCanceledError
        || reply->error() == QNetworkReply::TimeoutError)
        result.TimedOut = true;
    if (result.TimedOut) {
        result.Error = QStringLiteral("no answer within %1 ms").arg(timeoutMs);
        return result;
    }
    if (reply->error() != QNetworkReply::NoError) {
        result.Error = reply->errorString();
        return result;
    }
    if (!ReplySucceeded(*reply)) {
        result.Error = QStringLiteral("HTTP status %1")
                           .arg(reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt());
        return result;
    }
    result.Reachable = true;
    return result;
}
