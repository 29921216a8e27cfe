#include "worksheet/TFrmAbout.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TFrmAbout::TFrmAbout(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("バージョン情報"));
    auto* box = new QVBoxLayout(this);
    box->setContentsMargins(24, 18, 24, 14);
    box->setSpacing(8);
    ProductName = new QLabel(this);
    QFont big = ProductName->font();
    big.setPointSizeF(big.pointSizeF() * 1.3);
    big.setBold(true);
    ProductName->setFont(big);
    Version = new QLabel(QStringLiteral("バージョン %1").arg(QCoreApplication::applicationVersion()),
                         this);
    Comments = new QLabel(QStringLiteral("小数の加減乗除の問題と答えを作り、印刷します。"), this);
    for (QLabel* label : {ProductName, Version, Comments})
        box->addWidget(label);
    auto* buttons = new QHBoxLayout;
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setDefault(true);
    buttons->addStretch();
    buttons->addWidget(ok);
    box->addSpacing(6);
    box->addLayout(buttons);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    FitCaption();
}

void TFrmAbout::SetProductName(const QString& name)
{
    ProductName->setText(name);
    FitCaption();
}

void TFrmAbout::FitCaption()
{
    // The title bar shows the caption beside its buttons: leave room for both.
    const int captionRoom = fontMetrics().horizontalAdvance(windowTitle()) + 120;
    setMinimumWidth(captionRoom);
    adjustSize();
}
