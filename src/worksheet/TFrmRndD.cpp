#include "worksheet/TFrmRndD.h"

#include "common/HelpLinks.h"
#include "common/Prompts.h"
#include "generation/RangeCheck.h"
#include "preview/FieldFocus.h"

#include <QFocusEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

std::optional<int> IntegerOf(const QString& text)
{
    return ParseInt32(TrimBlanks(text.toStdString()));
}

} // namespace

TFrmRndD::TFrmRndD(Prompts& prompts, QWidget* parent)
    : QDialog(parent, Qt::Tool), UserPrompts(prompts)
{
    setWindowTitle(QStringLiteral("乱数の振り方"));
    auto* box = new QVBoxLayout(this);
    box->setContentsMargins(14, 12, 14, 12);
    box->setSpacing(8);
    box->addWidget(new QLabel(
        QStringLiteral("演算(＋,－,×,÷)の右の数と左の数の出現の確率に関するパラメータＤ"), this));

    auto* value = new QHBoxLayout;
    EdtD = new QLineEdit(QStringLiteral("0"), this);
    EdtD->setFixedWidth(70);
    EdtD->setAlignment(Qt::AlignRight);
    value->addSpacing(20);
    value->addWidget(new QLabel(QStringLiteral("パラメーターＤの値"), this));
    value->addWidget(EdtD);
    value->addWidget(new QLabel(QStringLiteral("（整数）"), this));
    value->addStretch();
    box->addLayout(value);

    auto* legend = new QVBoxLayout;
    legend->setContentsMargins(20, 0, 0, 0);
    for (const char* line : {"零　：　最小値から最大値の間の均一乱数",
                             "正　：　最小値を中心とし、標準偏差が最大値／Ｄの正規分布乱数",
                             "負　：　最大値を中心とし、標準偏差が最大値／Ｄの正規分布乱数"})
        legend->addWidget(new QLabel(QString::fromUtf8(line), this));
    box->addLayout(legend);

    auto* buttons = new QHBoxLayout;
    BtnOk = new QPushButton(QStringLiteral("&OK"), this);
    BtnCancel = new QPushButton(QStringLiteral("&Cancel"), this);
    Button1 = new QPushButton(QStringLiteral("&Help"), this);
    BtnOk->setDefault(true);
    buttons->addStretch();
    for (QPushButton* button : {BtnOk, BtnCancel, Button1})
        buttons->addWidget(button);
    box->addLayout(buttons);

    connect(BtnOk, &QPushButton::clicked, this, &QDialog::accept);
    connect(BtnCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(Button1, &QPushButton::clicked, this, &TFrmRndD::Button1Click);
    EdtD->installEventFilter(this);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

std::optional<int> TFrmRndD::Execute(int d)
{
    EdtD->setText(QString::number(d));
    StrTmp = EdtD->text();
    Entry.Enter(EdtD);
    EdtD->setFocus();
    EdtD->selectAll();
    adjustSize();
    if (parentWidget())  // centred on the main window
        move(parentWidget()->window()->geometry().center() - rect().center());
    if (exec() != QDialog::Accepted)
        return std::nullopt;
    return D();
}

int TFrmRndD::D() const
{
    return IntegerOf(EdtD->text()).value_or(0);
}

void TFrmRndD::EdtDEnter()
{
    StrTmp = EdtD->text();
}

void TFrmRndD::EdtDExit()
{
    if (!IntegerOf(EdtD->text()))
        EdtD->setText(StrTmp);
}

void TFrmRndD::Button1Click()
{
    OpenWebPage(UserPrompts, HelpUrl);
}

bool TFrmRndD::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == EdtD) {
        const FieldEntry::Change change = Entry.Track(EdtD, event);
        if (change == FieldEntry::Change::Entered)
            EdtDEnter();
        else if (change == FieldEntry::Change::Left)
            EdtDExit();
    }
    return QDialog::eventFilter(watched, event);
}
