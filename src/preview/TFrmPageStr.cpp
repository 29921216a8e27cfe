#include "preview/TFrmPageStr.h"

#include "common/RealText.h"
#include "common/Prompts.h"
#include "preview/FieldFocus.h"
#include "preview/FieldWidth.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace {

// A position text the dialog keeps: a number, not negative, read as the
// composer and the renderer read it.
bool IsPosition(const QString& text)
{
    const std::optional<double> value = PositionValue(text);
    return value && *value >= 0;
}

const QString kLongestUsualText = QStringLiteral("　　月　　日　　　時　　分 ～　　　時　　分");

QLineEdit* PositionEdit(QWidget* parent)
{
    auto* edit = new QLineEdit(QStringLiteral("0"), parent);
    edit->setFixedWidth(60);
    edit->setAlignment(Qt::AlignRight);
    return edit;
}

} // namespace

TFrmPageStr::TFrmPageStr(Prompts& prompts, QWidget* parent)
    : QDialog(parent, Qt::Tool), UserPrompts(prompts)
{
    setWindowTitle(PageStrCaption(PageStrFlow::Header));
    auto* box = new QVBoxLayout(this);
    box->setContentsMargins(10, 10, 10, 10);
    box->setSpacing(8);

    auto* texts = new QGridLayout;
    Edit1 = new QLineEdit(this);
    // Wide enough for the longest usual text, the default date-and-time heading.
    Edit1->setMinimumWidth(std::max(200, TextFieldWidth(Edit1, kLongestUsualText)));
    ComboBox1 = new QComboBox(this);
    for (const char* item : {"なし", "左", "右", "中央", "任意"})
        ComboBox1->addItem(QString::fromUtf8(item));
    texts->addWidget(new QLabel(QStringLiteral("表示文字列"), this), 0, 0);
    texts->addWidget(Edit1, 0, 1, 1, 2);
    texts->addWidget(new QLabel(QStringLiteral("位置"), this), 1, 0);
    texts->addWidget(ComboBox1, 1, 1);
    texts->setColumnStretch(2, 1);
    box->addLayout(texts);

    auto* groups = new QHBoxLayout;
    auto* decoration = new QGroupBox(QStringLiteral("飾り"), this);
    auto* decorationBox = new QVBoxLayout(decoration);
    CheckBox1 = new QCheckBox(QStringLiteral("Bold"), decoration);
    CheckBox2 = new QCheckBox(QStringLiteral("Italic"), decoration);
    decorationBox->addWidget(CheckBox1);
    decorationBox->addWidget(CheckBox2);
    auto* place = new QGroupBox(QStringLiteral("任意の位置"), this);
    auto* placeGrid = new QGridLayout(place);
    EdtX = PositionEdit(place);
    EdtY = PositionEdit(place);
    placeGrid->addWidget(new QLabel(QStringLiteral("X="), place), 0, 0);
    placeGrid->addWidget(EdtX, 0, 1);
    placeGrid->addWidget(new QLabel(QStringLiteral("Y="), place), 1, 0);
    placeGrid->addWidget(EdtY, 1, 1);
    groups->addWidget(decoration);
    groups->addWidget(place);
    box->addLayout(groups);

    auto* buttons = new QHBoxLayout;
    Button1 = new QPushButton(QStringLiteral("フォント(&F)"), this);
    Button2 = new QPushButton(QStringLiteral("&OK"), this);
    Button3 = new QPushButton(QStringLiteral("&Cancel"), this);
    Button2->setDefault(true);
    buttons->addWidget(Button1);
    buttons->addStretch();
    buttons->addWidget(Button2);
    buttons->addWidget(Button3);
    box->addLayout(buttons);

    connect(Button1, &QPushButton::clicked, this, &TFrmPageStr::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TFrmPageStr::Button2Click);
    connect(Button3, &QPushButton::clicked, this, &QDialog::reject);
    // Every change of state, a click or one made by the program, reaches the
    // font, so the boxes and StrFont always agree.
    connect(CheckBox1, &QCheckBox::toggled, this, &TFrmPageStr::CheckBox1Click);
    connect(CheckBox2, &QCheckBox::toggled, this, &TFrmPageStr::CheckBox2Click);
    EdtX->installEventFilter(this);
    EdtY->installEventFilter(this);
    setMinimumSize(288, 208);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

void TFrmPageStr::SetStrSet(const TPageStr& record)
{
    SetPageStr2Font(record, StrFont);
    Edit1->setText(record.psStr);
    CheckBox1->setChecked(record.psBold);
    CheckBox2->setChecked(record.psItalic);
    // A code outside the list (a hand-edited file) selects nothing and is
    // stored back as it was.
    ComboBox1->setCurrentIndex(record.psPos >= 0 && record.psPos < ComboBox1->count()
                                   ? record.psPos : -1);
    EdtX->setText(record.psX);
    EdtY->setText(record.psY);
}

void TFrmPageStr::GetStrSet(TPageStr& record) const
{
    record.psStr = Edit1->text();
    record.psName = StrFont.Name;
    record.psBold = CheckBox1->isChecked();
    record.psItalic = CheckBox2->isChecked();
    if (ComboBox1->currentIndex() >= 0)
        record.psPos = ComboBox1->currentIndex();
    record.psSize = StrFont.Size;
    record.psX = EdtX->text();
    record.psY = EdtY->text();
}

bool TFrmPageStr::Execute(const QString& caption, TPageStr& record)
{
    setWindowTitle(caption);
    SetStrSet(record);
    Strtmp.clear();
    Entry = FieldEntry();
    Edit1->setFocus();
    adjustSize();
    if (parentWidget())  // centred on the main window
        move(parentWidget()->window()->geometry().center() - rect().center());
    if (exec() != QDialog::Accepted)
        return false;
    GetStrSet(record);
    return true;
}

void TFrmPageStr::Button2Click()
{
    // A position still being typed (OK by the Enter key) is checked as if left.
    if (focusWidget() == EdtX || focusWidget() == EdtY)
        EdtXExit(static_cast<QLineEdit*>(focusWidget()));
    accept();
}

void TFrmPageStr::EdtXEnter(QLineEdit* edit)
{
    Strtmp = edit->text();
}

void TFrmPageStr::EdtXExit(QLineEdit* edit)
{
    if (!IsPosition(edit->text()))
        edit->setText(Strtmp);
}

void TFrmPageStr::Button1Click()
{
    const std::optional<PageFont> chosen = UserPrompts.ChooseFont(StrFont);
    if (!chosen)
        return;
    StrFont = *chosen;
    CheckBox1->setChecked(StrFont.Bold);
    CheckBox2->setChecked(StrFont.Italic);
}

void TFrmPageStr::CheckBox1Click(bool checked)
{
    StrFont.Bold = checked;
}

void TFrmPageStr::CheckBox2Click(bool checked)
{
    StrFont.Italic = checked;
}

bool TFrmPageStr::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == EdtX || watched == EdtY) {
        auto* edit = static_cast<QLineEdit*>(watched);
        const FieldEntry::Change change = Entry.Track(edit, event);
        if (change == FieldEntry::Change::Entered)
            EdtXEnter(edit);
        else if (change == FieldEntry::Change::Left)
            EdtXExit(edit);
    }
    return QDialog::eventFilter(watched, event);
}

QString PageStrCaption(PageStrFlow flow)
{
    static const char* const kCaptions[] = {"ヘッダーの設定", "フッターの設定", "タイトルの設定",
                                            "サブタイトルの設定", "日付の設定", "問題文の設定"};
    return QString::fromUtf8(kCaptions[static_cast<int>(flow)]);
}

bool RunPageStrFlow(TFrmPageStr& dialog, PageStrFlow flow, TPageStr& record)
{
    return dialog.Execute(PageStrCaption(flow), record);
}
