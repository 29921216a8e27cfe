#include "worksheet/TFrmClassSet.h"
#include "sheet/ClassSet.h"

#include "common/Prompts.h"
#include "preview/MemoEdit.h"

#include <QButtonGroup>
#include <QFile>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

const char* const kOrderCaptions[] = {"1枚ずつ問題と答え", "問題をまとめて、そのあと答え",
                                      "問題だけ", "答えだけ"};

} // namespace

TFrmClassSet::TFrmClassSet(Prompts& prompts, QWidget* parent)
    : QDialog(parent), UserPrompts(prompts)
{
    setWindowTitle(QStringLiteral("クラス分を作る"));
    auto* top = new QVBoxLayout(this);

    auto* form = new QFormLayout;
    SpnCount = new QSpinBox(this);
    SpnCount->setRange(1, SetRequest::MaxSheets);
    SpnCount->setValue(1);
    form->addRow(QStringLiteral("枚数"), SpnCount);
    top->addLayout(form);

    auto* names = new QGroupBox(QStringLiteral("名簿"), this);
    auto* namesBox = new QVBoxLayout(names);
    namesBox->addWidget(new QLabel(QStringLiteral("1行に1人（なくてもよい）"), names));
    MemoNames = new MemoEdit(names);  // a paste of an empty clipboard does nothing
    MemoNames->setMinimumHeight(120);
    namesBox->addWidget(MemoNames);
    BtnLoad = new QPushButton(QStringLiteral("ファイルから読む(&L)..."), names);
    namesBox->addWidget(BtnLoad, 0, Qt::AlignLeft);
    top->addWidget(names);

    auto* order = new QGroupBox(QStringLiteral("順番"), this);
    auto* orderBox = new QVBoxLayout(order);
    auto* group = new QButtonGroup(this);
    for (int i = 0; i < 4; ++i) {
        RbOrder[i] = new QRadioButton(QString::fromUtf8(kOrderCaptions[i]), order);
        group->addButton(RbOrder[i], i);
        orderBox->addWidget(RbOrder[i]);
    }
    RbOrder[0]->setChecked(true);
    top->addWidget(order);

    auto* buttons = new QHBoxLayout;
    BtnPdf = new QPushButton(QStringLiteral("PDFに保存(&P)..."), this);
    BtnPrint = new QPushButton(QStringLiteral("印刷(&R)"), this);
    BtnCancel = new QPushButton(QStringLiteral("キャンセル"), this);
    buttons->addStretch();
    buttons->addWidget(BtnPdf);
    buttons->addWidget(BtnPrint);
    buttons->addWidget(BtnCancel);
    top->addLayout(buttons);
    BtnPdf->setDefault(true);

    connect(BtnLoad, &QPushButton::clicked, this, &TFrmClassSet::BtnLoadClick);
    connect(BtnPdf, &QPushButton::clicked, this, [this] { Finish(Action::Pdf); });
    connect(BtnPrint, &QPushButton::clicked, this, [this] { Finish(Action::Print); });
    connect(BtnCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(MemoNames, &QPlainTextEdit::textChanged, this, &TFrmClassSet::NamesChanged);
}

TFrmClassSet::Action TFrmClassSet::Execute()
{
    Chosen = Action::Cancel;
    return exec() == QDialog::Accepted ? Chosen : Action::Cancel;
}

SetRequest TFrmClassSet::Request() const
{
    SetRequest request;
    request.Count = SpnCount->value();
    request.Names = NamesFromText(MemoNames->toPlainText());
    for (int i = 0; i < 4; ++i)
        if (RbOrder[i]->isChecked())
            request.Order = static_cast<SetOrder>(i);
    return request;
}

void TFrmClassSet::BtnLoadClick()
{
    const std::optional<QString> path = UserPrompts.OpenFileName(
        QStringLiteral("名簿を読む"), QString(),
        QStringLiteral("名簿 (*.txt *.csv);;すべてのファイル (*)"));
    if (!path || path->isEmpty())
        return;
    QFile file(*path);
    if (!file.open(QIODevice::ReadOnly)) {
        UserPrompts.Message(QStringLiteral("%1 を読めません").arg(*path));
        return;
    }
    MemoNames->setPlainText(NamesFromFile(file.readAll()).join(QLatin1Char('\n')));
}

void TFrmClassSet::Finish(Action action)
{
    if (const QString problem = ClassSet::Check(Request()); !problem.isEmpty()) {
        UserPrompts.Message(problem);
        return;
    }
    Chosen = action;
    accept();
}

void TFrmClassSet::NamesChanged()
{
    const int names = int(NamesFromText(MemoNames->toPlainText()).size());
    SpnCount->setEnabled(names == 0);
    if (names > 0)
        SpnCount->setValue(std::min(names, SetRequest::MaxSheets));
}
