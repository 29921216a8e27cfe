#include "worksheet/TFrmClassSet.h"
#include "sheet/ClassSet.h"

#include "common/Prompts.h"
#include "generation/RangeCheck.h"
#include "preview/MemoEdit.h"

#include <QButtonGroup>
#include <QFile>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
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
    // A plain box checked on 作成 as the main window checks its counts: what
    // is typed stays visible until it is refused with the range message.
    EdtCount = new QLineEdit(QStringLiteral("1"), this);
    EdtCount->setMaximumWidth(60);
    form->addRow(QStringLiteral("枚数"), EdtCount);
    top->addLayout(form);

    auto* names = new QGroupBox(QStringLiteral("名簿"), this);
    auto* namesBox = new QVBoxLayout(names);
    namesBox->addWidget(new QLabel(QStringLiteral("1行に1人（なくてもよい）"), names));
    MemoNames = new MemoEdit(names);  // a paste of an empty clipboard does nothing
    MemoNames->setMinimumHeight(120);
    namesBox->addWidget(MemoNames);
    LblNames = new QLabel(NamesPreview({}), names);
    namesBox->addWidget(LblNames);
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
    // Not a number counts as 0, which the check refuses.
    request.Count = ParseInt32(TrimBlanks(EdtCount->text().toStdString())).value_or(0);
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
    const QByteArray bytes = file.readAll();
    if (!IsTextFile(bytes)) {
        UserPrompts.Message(QStringLiteral("%1 は文字のファイルではありません。\n"
                                           "表計算の名簿は CSV 形式で保存してから読んで下さい")
                                .arg(*path));
        return;
    }
    MemoNames->setPlainText(NamesFromFile(bytes).join(QLatin1Char('\n')));
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
    const QStringList names = NamesFromText(MemoNames->toPlainText());
    LblNames->setText(NamesPreview(names));
    EdtCount->setEnabled(names.isEmpty());
    if (!names.isEmpty())
        EdtCount->setText(QString::number(names.size()));
}
