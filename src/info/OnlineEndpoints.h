#pragma once
// The program's online endpoints, all relative to one base location: the
// project's web site (the repository's site/ folder, published as it is), or
// another server named in the settings file:
//
//   [Online]
//   Base=https://school.example/shosu/   ; another copy of the site
//   Check=0                              ; no start-up check, no web panel
//
// Help pages are also installed with the program; a help location is the
// installed copy when it exists and the site's copy otherwise.
#include "common/HelpLinks.h"

#include <QString>
#include <QUrl>

class IniFile;

enum class Endpoint {
    InfoText,     // information text file: the start-up reachability check
    Promotion,    // promotional page: the web panel
    HomePage,     // home page: a click on the status bar
    GeneralHelp,  // general help page: help menu, style dialog
    RandomHelp,   // help page on the random-draw parameter D
};

struct OnlineSettings {
    QUrl Base;          // always absolute, its path ending in "/"
    bool Check = true;  // false: no start-up check and an empty panel
};

// The web site the program was built for.
QUrl DefaultSiteBase();

// Section "Online": "Base" when it is an absolute http, https or file
// location (a bare host name counts as http), else the default site; "Check"
// as an integer, non-zero or missing meaning on.
OnlineSettings ReadOnlineSettings(const IniFile& ini);

// The endpoint's location on the site.
QUrl EndpointUrl(const OnlineSettings& online, Endpoint endpoint);

// A help page (or the home page): for help pages, the copy in helpDir when
// that folder holds it, else the site's copy.
QString PageLocation(const OnlineSettings& online, Endpoint endpoint, const QString& helpDir);

// The three locations the windows open.
HelpLinks MakeHelpLinks(const OnlineSettings& online, const QString& helpDir);
