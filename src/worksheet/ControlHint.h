#pragma once
// Control hints of the form "short|long": the short part is the tooltip,
// the long part (the whole hint when there is no "|") is what the status bar
// shows while the pointer is over the control.
#include <QString>

class QWidget;

QString ShortHint(const QString& hint);
QString LongHint(const QString& hint);
void SetControlHint(QWidget* control, const QString& hint);
