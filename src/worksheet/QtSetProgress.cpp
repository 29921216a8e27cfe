#include "worksheet/QtSetProgress.h"

#include <QCoreApplication>

namespace {

constexpr int kShowAfterMs = 500;

} // namespace

QtSetProgress::QtSetProgress(QWidget* parent, const QString& title)
    : Dialog(QString(), QStringLiteral("キャンセル"), 0, 1, parent)
{
    Dialog.setWindowTitle(title);
    Dialog.setWindowModality(Qt::WindowModal);
    Dialog.setMinimumDuration(kShowAfterMs);
    // One dialog for making and writing: it neither resets nor closes
    // between the two.
    Dialog.setAutoReset(false);
    Dialog.setAutoClose(false);
    Dialog.setMinimumWidth(320);
    Dialog.setValue(0);
}

bool QtSetProgress::Step(int done, int total, const QString& what)
{
    if (Dialog.maximum() != total)
        Dialog.setMaximum(total);
    if (!what.isEmpty())
        Dialog.setLabelText(what);
    Dialog.setValue(done);
    QCoreApplication::processEvents();
    return !Dialog.wasCanceled();
}

void QtSetProgress::Close()
{
    // Stops the timer that would show the dialog later, then hides it.
    Dialog.reset();
    Dialog.hide();
}
