#pragma once
// The online part of the main window's bottom strip: the web panel
// WebBrowser1 and, in the same place, the error panel PnlError, hidden at
// start. StartUp() runs the start-up check: when the system says the machine
// is offline the error panel shows for the rest of the run; otherwise the
// site's information file is asked for, and the web panel loads the
// promotional page when it came, the offline help page when it did not or
// when no site is set. With the check turned off the panel stays empty.
#include "info/NetworkReach.h"
#include "info/OnlineEndpoints.h"
#include "info/StartupCheck.h"

#include <QWidget>

class Prompts;
class QLabel;
class QStackedLayout;
class TWebPanel;

class TInfoPanel : public QWidget {
    Q_OBJECT

public:
    // offlinePage: the page shown without the site (empty: none).
    TInfoPanel(Prompts& prompts, OnlineSettings online, QUrl offlinePage = {},
               QWidget* parent = nullptr);

    // Runs the check synchronously (at most timeoutMs) and shows its outcome;
    // reach is what the system says. Nothing happens, and an empty result
    // comes back, when the check is off, offline or without a site.
    CheckResult StartUp(NetworkReach reach, int timeoutMs = kCheckTimeoutMs);

    bool ErrorShown() const;

    TWebPanel* WebBrowser1 = nullptr;
    QLabel* PnlError = nullptr;

private:
    OnlineSettings Online;
    QUrl OfflinePage;
    QStackedLayout* Places = nullptr;
};

// The error panel's caption.
QString OfflineText();
