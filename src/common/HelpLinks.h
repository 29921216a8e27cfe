#pragma once
// The web locations that windows open in the user's browser: the home page
// (status bar), the general help page (help menu, style dialog) and the help
// page on the random-draw parameter D. The windows only hold and open them;
// the program fills them at start-up from the online endpoint table, with an
// installed offline copy of a help page where there is one. Empty means not
// configured, which opens nothing and reports the failure.
#include <QString>

class Prompts;

struct HelpLinks {
    QString HomePage;
    QString GeneralHelp;
    QString RandomHelp;
};

// The message shown when a page could not be opened.
QString OpenPageFailedText();

// Asks the browser to open the location; on failure (also for an empty
// location) shows OpenPageFailedText(). True when the page was opened.
bool OpenWebPage(Prompts& prompts, const QString& location);
