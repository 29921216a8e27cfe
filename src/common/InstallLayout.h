#pragma once
// Where an installed program finds its data. An installation puts the
// programs in <prefix>/bin and their data in <prefix>/share/shosu-drill; a
// program run from the build tree or from a portable folder has no such
// folder beside it. The installed layout is recognised by that folder alone,
// so it holds for every prefix (/usr, /usr/local, ~/.local).
#include <QString>

// <exeDir>/../share/shosu-drill when it exists, else empty.
QString InstalledDataDir(const QString& exeDir);

// The folder of offline help pages: the installed data's "help", else a
// "help" folder beside a portable program; empty when there is none.
QString LocalHelpDir(const QString& exeDir);
