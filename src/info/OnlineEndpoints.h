#pragma once
// The program's online endpoints, all relative to one base location: a copy
// of the program's web site (the repository's site/ folder, published as it
// is) on a server named in the settings file:
//
//   [Online]
//   Base=https://school.example/shosu/   ; where the site is published
//   Check=0                              ; no start-up check, no web panel
//
// There is no built-in site: without a base the program asks no server, the
// panel shows the offline help and the home page is the offline help too.
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
    QUrl Base;          // empty: no site; else absolute, its path ending in "/"
    bool Check = true;  // false: no start-up check and an empty panel

    bool HasSite() const { return !Base.isEmpty(); }
};

// Section "Online": "Base" when it is an absolute http, https or file
// location (a bare host name counts as http), else no site; "Check" as an
// integer, non-zero or missing meaning on.
OnlineSettings ReadOnlineSettings(const IniFile& ini);

// The endpoint's location on the site; empty without a site.
QUrl EndpointUrl(const OnlineSettings& online, Endpoint endpoint);

// A help page (or the home page): for help pages, the copy in helpDir when
// that folder holds it, else the site's copy. Without a site the home page
// is the offline help page. Empty when there is neither.
QString PageLocation(const OnlineSettings& online, Endpoint endpoint, const QString& helpDir);

// The general help page in helpDir, the panel's page without a site; empty
// when it is not there.
QUrl OfflineHelpPage(const QString& helpDir);

// The three locations the windows open.
HelpLinks MakeHelpLinks(const OnlineSettings& online, const QString& helpDir);
