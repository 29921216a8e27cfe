// The main window's links to the web: the status bar opens the home page,
// "Dododヘルプ(&D)" the general help page. The locations come from the
// program (SetHelpLinks), which knows the site and the installed help.
#include "worksheet/TForm1.h"

#include "worksheet/TFrmRndD.h"
#include "worksheet/TFrmStyle.h"

#include <QAction>
#include <QStatusBar>

void TForm1::ConnectInfoHandlers()
{
    connect(Help2, &QAction::triggered, this, &TForm1::Help2Click);
    StBarInf->installEventFilter(this);
}

void TForm1::SetHelpLinks(const HelpLinks& links)
{
    PageLinks = links;
    FrmRndD->HelpUrl = links.RandomHelp;
    FrmStyle->SetHelpUrl(links.GeneralHelp);
}

void TForm1::Help2Click()
{
    OpenWebPage(UserPrompts, PageLinks.GeneralHelp);
}

void TForm1::StBarInfClick()
{
    OpenWebPage(UserPrompts, PageLinks.HomePage);
}
