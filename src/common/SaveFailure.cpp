#include "common/SaveFailure.h"

#include "common/Prompts.h"

#include <QSet>

void ReportSaveFailure(Prompts& prompts, const QString& message)
{
    // The message names the file, so another file's failure is still told.
    static QSet<QString> shown;
    if (shown.contains(message))
        return;
    shown.insert(message);
    prompts.Message(message);
}
