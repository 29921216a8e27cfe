#pragma once
// The start-up reachability check: one HTTP GET of the site's information
// text file, waited for on the calling thread. Events other than user input
// are processed while it waits (the window paints, sockets work); user input
// waits until the check is over. The body is received and dropped.
#include <QString>
#include <QUrl>

// The longest the check may keep the window waiting.
constexpr int kCheckTimeoutMs = 3000;

struct CheckResult {
    bool Reachable = false;
    bool TimedOut = false;
    QString Error;  // the network's description of a failure
};

class QNetworkReply;

// A finished reply without a network error and, for http(s), with a 2xx status.
bool ReplySucceeded(const QNetworkReply& reply);

// Reachable only when the request finished without any error and, for
// http(s), with a 2xx status. A request not finished after timeoutMs is
// abandoned and counts as failed.
CheckResult CheckReachable(const QUrl& url, int timeoutMs = kCheckTimeoutMs);
