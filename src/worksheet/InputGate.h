#pragma once
// While a generation run lets events through, the user must not start a
// second run, nor anything else that would re-enter the first (a menu item,
// a click on 作成 or 答え, a shortcut). The gate, installed on the
// application for the length of the run, drops mouse, key, wheel and touch
// input to every window except dialogs: the run's progress dialog and its
// question boxes still take their keys and clicks, and every window still
// repaints. It does not stop closing the window: that cancels the run.
#include <QObject>

class QEvent;

class InputGate : public QObject {
public:
    // True when event, sent to receiver, is user input the gate drops.
    static bool Drops(const QObject* receiver, const QEvent* event);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};
