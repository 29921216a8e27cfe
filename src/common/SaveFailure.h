#pragma once
// Several owners write their settings into one file at exit (the main
// window, its date-and-time heading, the preview window). A file that cannot
// be written fails each of them with the same message; the user is told once
// per run, by the first owner that fails.
#include <QString>

class Prompts;

// Shows message through prompts unless the same message was shown before.
void ReportSaveFailure(Prompts& prompts, const QString& message);
