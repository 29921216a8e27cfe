// The main window's sheet side: the "用紙" group with its four texts and
// their page-string dialogs, the date-and-time heading and the name line,
// and the style dialog.
#include "worksheet/TForm1.h"

#include "common/Prompts.h"
#include "prevform/PrevEngine.h"
#include "preview/FieldWidth.h"
#include "preview/TFrmPageStr.h"
#include "sheet/StartingLayout.h"
#include "worksheet/TFrmStyle.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// The default subtitle and two characters more: a usual title or subtitle.
const QString kUsualSheetText = QStringLiteral("たしざんのもんだい　　");

} // namespace

QWidget* TForm1::CreateSheetGroup()
{
    GroupBox4 = new QGroupBox(QStringLiteral("用紙"));
    GroupBox4->setMinimumWidth(161);
    auto* box = new QVBoxLayout(GroupBox4);
    box->setSpacing(2);
    struct Row { const char* Caption; QLineEdit** Edit; QPushButton** Button; };
    const Row rows[] = {{"タイトル", &EdtPageTitle, &BtnPageTitle},
                        {"サブタイトル", &EdtSubTitle, &BtnSubTitle},
                        {"ヘッダー", &EdtHeader, &BtnHeader},
                        {"フッター", &EdtFooter, &BtnFooter},
                        {"問題文", &EdtInstruction, &BtnInstruction}};
    for (const Row& row : rows) {
        box->addWidget(new QLabel(QString::fromUtf8(row.Caption), GroupBox4));
        auto* line = new QHBoxLayout;
        line->setSpacing(4);
        *row.Edit = new QLineEdit(GroupBox4);
        // Room for the usual texts, measured in the font the field is drawn with.
        (*row.Edit)->ensurePolished();
        (*row.Edit)->setMinimumWidth(TextFieldWidth(*row.Edit, kUsualSheetText));
        *row.Button = new QPushButton(QStringLiteral("設定"), GroupBox4);
        (*row.Button)->setFixedWidth((*row.Button)->fontMetrics().horizontalAdvance(
                                         QStringLiteral("設定")) + 18);
        line->addWidget(*row.Edit, 1);
        line->addWidget(*row.Button);
        box->addLayout(line);
        box->addSpacing(4);
    }
    box->addStretch();
    return GroupBox4;
}

QLineEdit* TForm1::PageTextEdit(PageStrFlow flow) const
{
    switch (flow) {
    case PageStrFlow::Header: return EdtHeader;
    case PageStrFlow::Footer: return EdtFooter;
    case PageStrFlow::PageTitle: return EdtPageTitle;
    case PageStrFlow::SubTitle: return EdtSubTitle;
    case PageStrFlow::Instruction: return EdtInstruction;
    case PageStrFlow::DateTime: break;
    }
    return nullptr;
}

QString* TForm1::PageTextField(PageStrFlow flow)
{
    switch (flow) {
    case PageStrFlow::Header: return &Sheet.sHeader;
    case PageStrFlow::Footer: return &Sheet.sFooter;
    case PageStrFlow::PageTitle: return &Sheet.sPageTitle;
    case PageStrFlow::SubTitle: return &Sheet.sSubTitle;
    case PageStrFlow::DateTime: return &Sheet.sDateTime;
    case PageStrFlow::Instruction: return &Sheet.Instruction.psStr;
    }
    return nullptr;
}

TPageStr& TForm1::PageStrRecord(PageStrFlow flow)
{
    switch (flow) {
    case PageStrFlow::Header: return Engine().Header();
    case PageStrFlow::Footer: return Engine().Footer();
    case PageStrFlow::PageTitle: return Engine().PageTitle();
    case PageStrFlow::SubTitle: return Engine().SubTitle();
    case PageStrFlow::Instruction: return Sheet.Instruction;
    case PageStrFlow::DateTime: break;
    }
    return Sheet.DateTime;
}

namespace {

constexpr PageStrFlow kPageTextFlows[] = {PageStrFlow::Header, PageStrFlow::Footer,
                                          PageStrFlow::PageTitle, PageStrFlow::SubTitle,
                                          PageStrFlow::Instruction};

} // namespace

QLineEdit* TForm1::IsPageTextEdit(QObject* watched) const
{
    for (PageStrFlow flow : kPageTextFlows)
        if (PageTextEdit(flow) == watched)
            return PageTextEdit(flow);
    return nullptr;
}

void TForm1::EdtPageTextExit(QLineEdit* edit)
{
    for (PageStrFlow flow : kPageTextFlows)
        if (PageTextEdit(flow) == edit)
            *PageTextField(flow) = edit->text();
    // A typed instruction is meant to be seen: a line never placed gets its
    // starting place under the subtitle (one set to "なし" stays off).
    if (edit == EdtInstruction && !edit->text().isEmpty() && IsUnconfigured(Sheet.Instruction))
        ShowInstructionLine(Sheet.Instruction);
}

// The instruction record keeps its own text. The dialog works on a copy
// that shows the starting place while the line was never placed, so
// Cancel leaves the record as it was.
void TForm1::InstructionButtonClick()
{
    TPageStr record;
    record.Assign(Sheet.Instruction);
    record.psStr = EdtInstruction->text();
    if (IsUnconfigured(record))
        ShowInstructionLine(record);
    if (!RunPageStrFlow(*FrmPageStr, PageStrFlow::Instruction, record))
        return;
    Sheet.Instruction.Assign(record);
    EdtInstruction->setText(record.psStr);
}

// The record carries the text only while the dialog is open: the window keeps
// the texts itself, and the record's own text stays empty in the file.
void TForm1::PageStrButtonClick(PageStrFlow flow)
{
    if (flow == PageStrFlow::Instruction) {
        InstructionButtonClick();
        return;
    }
    TPageStr& record = PageStrRecord(flow);
    QLineEdit* edit = PageTextEdit(flow);
    record.psStr = edit ? edit->text() : *PageTextField(flow);
    if (flow == PageStrFlow::DateTime)
        Set_SetOfDateTime();
    else
        RunPageStrFlow(*FrmPageStr, flow, record);
    if (edit)
        edit->setText(record.psStr);
    *PageTextField(flow) = record.psStr;
    record.psStr.clear();
}

bool TForm1::Set_SetOfDateTime()
{
    return RunPageStrFlow(*FrmPageStr, PageStrFlow::DateTime, Sheet.DateTime);
}

void TForm1::D1Click()
{
    PageStrButtonClick(PageStrFlow::DateTime);
}

void TForm1::N5Click()
{
    if (std::optional<QString> name = UserPrompts.InputText(
            QStringLiteral("名前の見出し"), QStringLiteral("見出しの文字列を入力して下さい"),
            Sheet.sName))
        Sheet.sName = *name;
}

void TForm1::Style1Click()
{
    if (!FrmStyle->Execute(Sheet, Exam))
        return;
    EdtRow->setText(QString::number(Exam.ExamRowN));
    EdtCol->setText(QString::number(Exam.ExamColN));
    EdtTotal->setText(QString::number(Exam.ExamRowN * Exam.ExamColN));
}
