#pragma once
// The about box "バージョン情報": product name, version and a short line on
// what the program does. It grows with its texts and its caption, so that
// none of them is ever cut.
#include <QDialog>

class QLabel;

class TFrmAbout : public QDialog {
    Q_OBJECT

public:
    explicit TFrmAbout(QWidget* parent = nullptr);

    void SetProductName(const QString& name);

    QLabel* ProductName = nullptr;
    QLabel* Version = nullptr;
    QLabel* Comments = nullptr;

private:
    void FitCaption();
};
