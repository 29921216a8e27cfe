#pragma once
// The online part of the main window's bottom strip: the web panel
// WebBrowser1 and, in the same place, the error panel PnlError, hidden at
// start. StartUp() runs the start-up check: a failure shows the error panel
// for the rest of the run, success lets the web panel load the promotional
// page. With the check turned off in the settings the panel stays empty.
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
    TInfoPanel(Prompts& prompts, OnlineSettings online, QWidget* parent = nullptr);

    // Runs the check synchronously (at most timeoutMs) and shows its outcome.
    // Nothing happens, and an empty result comes back, when the check is off.
    CheckResult StartUp(int timeoutMs = kCheckTimeoutMs);

    bool ErrorShown() const;

    TWebPanel* WebBrowser1 = nullptr;
    QLabel* PnlError = nullptr;

private:
    OnlineSettings Online;
    QStackedLayout* Places = nullptr;
};

// The error panel's caption.
QString OfflineText();
