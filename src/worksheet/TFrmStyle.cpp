#include "worksheet/TFrmStyle.h"

#include "common/HelpLinks.h"
#include "common/RealText.h"
#include "common/Prompts.h"
#include "prevform/ColorWords.h"
#include "preview/FieldFocus.h"
#include "sheet/ExamCountCheck.h"
#include "sheet/SheetChecks.h"
#include "sheet/StartingLayout.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QVBoxLayout>

#include <tuple>

namespace {

QLineEdit* Field(QWidget* parent, int width)
{
    auto* edit = new QLineEdit(parent);
    edit->setFixedWidth(width);
    edit->setAlignment(Qt::AlignRight);
    return edit;
}

QLabel* Text(const char* text, QWidget* parent)
{
    return new QLabel(QString::fromUtf8(text), parent);
}

std::optional<double> Number(const QLineEdit* edit)
{
    return ReadReal(edit->text());
}

} // namespace

TFrmStyle::TFrmStyle(Prompts& prompts, QWidget* parent)
    : QDialog(parent, Qt::Tool), UserPrompts(prompts)
{
    setWindowTitle(QStringLiteral("スタイル"));
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(8, 8, 8, 8);
    grid->setSpacing(6);
    grid->addWidget(CreateProblemGroup(), 0, 0);
    grid->addWidget(CreateNumberGroup(), 0, 1);
    grid->addWidget(CreateAnswerGroup(), 1, 0);
    grid->addWidget(CreateMarginGroup(), 1, 1);

    auto* buttons = new QHBoxLayout;
    BtnOK = new QPushButton(QStringLiteral("&OK"), this);
    BtnCancel = new QPushButton(QStringLiteral("&Cancel"), this);
    Button1 = new QPushButton(QStringLiteral("&Help"), this);
    BtnOK->setDefault(true);
    buttons->addStretch();
    for (QPushButton* button : {BtnOK, BtnCancel, Button1})
        buttons->addWidget(button);
    grid->addWidget(CreateHissanGroup(), 2, 0, 1, 2);
    grid->addLayout(buttons, 3, 0, 1, 2);

    connect(BtnOK, &QPushButton::clicked, this, &TFrmStyle::BtnOKClick);
    connect(BtnCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(Button1, &QPushButton::clicked, this, &TFrmStyle::Button1Click);
    connect(Button3, &QPushButton::clicked, this, &TFrmStyle::Button3Click);
    connect(BtnColor, &QPushButton::clicked, this, &TFrmStyle::BtnColorClick);
    for (QLineEdit* edit : {EdtRow, EdtCol, EdtSeparate, EdtTopP, EdtLeftP, EdtRightP, EdtBottomP, EdtPitch})
        edit->installEventFilter(this);
    setMinimumSize(418, 233);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

QWidget* TFrmStyle::CreateProblemGroup()
{
    auto* group = new QGroupBox(QStringLiteral("問題"), this);
    auto* box = new QVBoxLayout(group);
    auto* counts = new QHBoxLayout;
    EdtRow = Field(group, 36);
    EdtCol = Field(group, 36);
    counts->addWidget(Text("配置", group));
    counts->addWidget(EdtRow);
    counts->addWidget(Text("行", group));
    counts->addWidget(EdtCol);
    counts->addWidget(Text("列", group));
    counts->addStretch();
    box->addLayout(counts);
    auto* form = new QHBoxLayout;
    CBoxMC = new QCheckBox(QStringLiteral("筆算形式"), group);
    Button3 = new QPushButton(QStringLiteral("フォント"), group);
    BtnColor = new QPushButton(QStringLiteral("色"), group);
    form->addWidget(CBoxMC);
    form->addStretch();
    form->addWidget(Button3);
    form->addWidget(BtnColor);
    box->addLayout(form);
    return group;
}

QWidget* TFrmStyle::CreateNumberGroup()
{
    auto* group = new QGroupBox(QStringLiteral("問題番号の形式"), this);
    auto* box = new QVBoxLayout(group);
    auto* label = new QHBoxLayout;
    EdtLeft = new QLineEdit(group);
    EdtRight = new QLineEdit(group);
    EdtLeft->setFixedWidth(40);
    EdtRight->setFixedWidth(40);
    CBoxExam = new QCheckBox(QStringLiteral("描画する"), group);
    label->addWidget(EdtLeft);
    label->addWidget(Text("番号", group));
    label->addWidget(EdtRight);
    label->addSpacing(8);
    label->addWidget(CBoxExam);
    label->addStretch();
    box->addLayout(label);
    auto* gap = new QHBoxLayout;
    EdtSeparate = Field(group, 50);
    gap->addWidget(Text("間隔", group));
    gap->addWidget(EdtSeparate);
    gap->addWidget(Text("mm", group));
    gap->addStretch();
    box->addLayout(gap);
    return group;
}

QWidget* TFrmStyle::CreateAnswerGroup()
{
    auto* group = new QGroupBox(QStringLiteral("答えの印刷"), this);
    auto* box = new QVBoxLayout(group);
    RButton1 = new QRadioButton(QStringLiteral("別に印刷"), group);
    RButton2 = new QRadioButton(QStringLiteral("共に印刷"), group);
    CBoxCode = new QCheckBox(QStringLiteral("番号を印刷する(&N)"), group);
    CBoxMistakes = new QCheckBox(QStringLiteral("よくある間違いを答えに書く(&M)"), group);
    CBoxCheck = new QCheckBox(QStringLiteral("あまりのある答えにたしかめを書く(&E)"), group);
    for (QWidget* item : std::initializer_list<QWidget*>{RButton1, RButton2, CBoxCode, CBoxMistakes, CBoxCheck})
        box->addWidget(item);
    return group;
}

QWidget* TFrmStyle::CreateMarginGroup()
{
    auto* group = new QGroupBox(QStringLiteral("余白"), this);
    auto* grid = new QGridLayout(group);
    EdtTopP = Field(group, 56);
    EdtLeftP = Field(group, 56);
    EdtRightP = Field(group, 56);
    EdtBottomP = Field(group, 56);
    CBoxFrame = new QCheckBox(QStringLiteral("枠"), group);
    grid->addWidget(Text("上", group), 0, 0);
    grid->addWidget(EdtTopP, 0, 1);
    grid->addWidget(Text("左", group), 0, 2);
    grid->addWidget(EdtLeftP, 0, 3);
    grid->addWidget(Text("右", group), 1, 0);
    grid->addWidget(EdtRightP, 1, 1);
    grid->addWidget(Text("下", group), 1, 2);
    grid->addWidget(EdtBottomP, 1, 3);
    grid->addWidget(Text("mm", group), 1, 4);
    grid->addWidget(CBoxFrame, 0, 4);
    // The name box belongs to the page's top margin.
    CBoxClassBox = new QCheckBox(QStringLiteral("年・組・番と点数(&K)"), group);
    grid->addWidget(CBoxClassBox, 2, 0, 1, 5);
    return group;
}

QWidget* TFrmStyle::CreateHissanGroup()
{
    auto* group = new QGroupBox(QStringLiteral("筆算"), this);
    auto* box = new QHBoxLayout(group);
    CBoxTextbook = new QCheckBox(QStringLiteral("教科書の書き方(&T)"), group);
    CBoxWorked = new QCheckBox(QStringLiteral("答えに筆算の途中を書く(&W)"), group);
    CBoxSquares = new QCheckBox(QStringLiteral("マス目(&G)"), group);
    CBoxFindMistake = new QCheckBox(QStringLiteral("まちがいさがし(&F)"), group);
    for (QCheckBox* check : {CBoxTextbook, CBoxWorked, CBoxSquares, CBoxFindMistake})
        box->addWidget(check);
    EdtPitch = Field(group, 40);
    PitchLabels = {Text("マス目の大きさ", group), Text("mm", group)};
    box->addWidget(PitchLabels[0]);
    box->addWidget(EdtPitch);
    box->addWidget(PitchLabels[1]);
    box->addStretch();
    for (QCheckBox* check : {CBoxTextbook, CBoxFindMistake})
        connect(check, &QCheckBox::toggled, this, &TFrmStyle::CBoxTextbookClick);
    CBoxTextbookClick();
    return group;
}

void TFrmStyle::CBoxTextbookClick()
{
    // The working and the squares belong to the textbook form only (which
    // a まちがいさがし sheet is written in); their ticks are kept while it is off.
    const bool textbook = CBoxTextbook->isChecked() || CBoxFindMistake->isChecked();
    for (QCheckBox* check : {CBoxWorked, CBoxSquares})
        check->setEnabled(textbook);
    EdtPitch->setEnabled(textbook);
    for (QLabel* label : PitchLabels)
        label->setEnabled(textbook);
}

void TFrmStyle::LoadSettings(const SheetSettings& settings, const ExamSettings& exam)
{
    OpenedCounts = {exam.ExamRowN, exam.ExamColN};
    EdtRow->setText(QString::number(exam.ExamRowN));
    EdtCol->setText(QString::number(exam.ExamColN));
    EdtTopP->setText(FormatGeneralReal(settings.WindowTop));
    EdtLeftP->setText(FormatGeneralReal(settings.WindowLeft));
    EdtRightP->setText(FormatGeneralReal(settings.WindowRight));
    EdtBottomP->setText(FormatGeneralReal(settings.WindowBottom));
    EdtSeparate->setText(FormatGeneralReal(settings.ExamSeparate));
    // A long number shows its leading digits, not its tail.
    for (QLineEdit* edit : {EdtTopP, EdtLeftP, EdtRightP, EdtBottomP, EdtSeparate})
        edit->setCursorPosition(0);
    CBoxMC->setChecked(settings.ExamType);
    EdtLeft->setText(settings.ExNumLeft);
    EdtRight->setText(settings.ExNumRight);
    CBoxExam->setChecked(settings.fExNum);
    CBoxFrame->setChecked(settings.WindowFrame);
    CBoxClassBox->setChecked(settings.fClassBox);
    CBoxTextbook->setChecked(settings.fTextbook);
    CBoxWorked->setChecked(settings.fWorked);
    CBoxSquares->setChecked(settings.fSquares);
    EdtPitch->setText(settings.HissanPitch > 0 ? FormatGeneralReal(settings.HissanPitch) : QString());
    CBoxFindMistake->setChecked(settings.fFindMistake);
    CBoxTextbookClick();
    CBoxMistakes->setChecked(settings.fMistakes);
    CBoxCheck->setChecked(settings.fCheck);
    CBoxCode->setChecked(settings.fCode);
    (settings.AnswerType == 1 ? RButton1 : RButton2)->setChecked(true);
    FontExam = settings.FntExam;
}

std::optional<std::pair<int, int>> TFrmStyle::CheckCounts()
{
    // A count the user left as it was opened is stored as it was, even one
    // out of range in the settings file; only an edited field is checked.
    const bool rowsEdited = EdtRow->text() != QString::number(OpenedCounts.first);
    const bool colsEdited = EdtCol->text() != QString::number(OpenedCounts.second);
    const CountVerdict rows = CheckRows(EdtRow->text().toStdString(), EdtCol->text().toStdString());
    const CountVerdict cols = CheckCols(EdtCol->text().toStdString(), EdtRow->text().toStdString());
    const std::tuple<const CountVerdict&, QLineEdit*, bool> checks[] = {
        {rows, EdtRow, rowsEdited}, {cols, EdtCol, colsEdited}};
    for (const auto& [verdict, edit, edited] : checks)
        if (edited && (!verdict.Accepted || !verdict.Storable)) {
            UserPrompts.Message(QString::fromStdString(verdict.Message));
            edit->setFocus();
            return std::nullopt;
        }
    return std::pair{rowsEdited ? rows.Value : OpenedCounts.first,
                     colsEdited ? cols.Value : OpenedCounts.second};
}

bool TFrmStyle::StoreSettings(SheetSettings& settings, ExamSettings& exam)
{
    const std::optional<std::pair<int, int>> counts = CheckCounts();
    if (!counts)
        return false;
    // The fields hold numbers: each check put back any other text.
    exam.ExamRowN = counts->first;
    exam.ExamColN = counts->second;
    settings.WindowTop = Number(EdtTopP).value_or(settings.WindowTop);
    settings.WindowLeft = Number(EdtLeftP).value_or(settings.WindowLeft);
    settings.WindowRight = Number(EdtRightP).value_or(settings.WindowRight);
    settings.WindowBottom = Number(EdtBottomP).value_or(settings.WindowBottom);
    settings.ExamType = CBoxMC->isChecked();
    settings.ExNumLeft = EdtLeft->text();
    settings.ExNumRight = EdtRight->text();
    settings.fExNum = CBoxExam->isChecked();
    settings.ExamSeparate = Number(EdtSeparate).value_or(settings.ExamSeparate);
    settings.AnswerType = RButton1->isChecked() ? 1 : 2;
    settings.WindowFrame = CBoxFrame->isChecked();
    settings.fCode = CBoxCode->isChecked();
    settings.fClassBox = CBoxClassBox->isChecked();
    settings.FntExam = FontExam;
    settings.fTextbook = CBoxTextbook->isChecked();
    settings.fWorked = CBoxWorked->isChecked();
    settings.fSquares = CBoxSquares->isChecked();
    settings.HissanPitch = EdtPitch->text().trimmed().isEmpty()
        ? 0
        : Number(EdtPitch).value_or(settings.HissanPitch);
    settings.fMistakes = CBoxMistakes->isChecked();
    settings.fCheck = CBoxCheck->isChecked();
    // A まちがいさがし sheet tells the pupil what to do: turning it on places
    // the instruction line when it has no place yet.
    if (CBoxFindMistake->isChecked() && !settings.fFindMistake && settings.Instruction.psPos == 0)
        ShowInstructionLine(settings.Instruction);
    settings.fFindMistake = CBoxFindMistake->isChecked();
    return true;
}

bool TFrmStyle::Execute(SheetSettings& settings, ExamSettings& exam)
{
    LoadSettings(settings, exam);
    // The field that had the focus when the dialog last closed loses it now:
    // that is not the user leaving it, so no check runs.
    Entry.Enter(nullptr);
    EdtRow->setFocus();
    EdtTmp = EdtRow->text();
    Entry.Enter(EdtRow);
    adjustSize();
    if (parentWidget())
        move(parentWidget()->window()->geometry().center() - rect().center());
    // OK closes only once the counts can be stored.
    return exec() == QDialog::Accepted && StoreSettings(settings, exam);
}

void TFrmStyle::Restore(QLineEdit* edit)
{
    edit->setText(EdtTmp);
}

void TFrmStyle::RestoreWithMessage(QLineEdit* edit, const QString& message)
{
    // Taken before the message box: focus moving around it may re-enter a field.
    const QString remembered = EdtTmp;
    UserPrompts.Message(message);
    edit->setText(remembered);
}

void TFrmStyle::EdtRowExit()
{
    const CountVerdict verdict =
        CheckRows(EdtRow->text().toStdString(), EdtCol->text().toStdString());
    if (!verdict.Accepted)
        RestoreWithMessage(EdtRow, QString::fromStdString(verdict.Message));
}

void TFrmStyle::EdtColExit()
{
    const CountVerdict verdict =
        CheckCols(EdtCol->text().toStdString(), EdtRow->text().toStdString());
    if (!verdict.Accepted)
        RestoreWithMessage(EdtCol, QString::fromStdString(verdict.Message));
}

void TFrmStyle::EdtMarginExit(QLineEdit* edit)
{
    const MarginVerdict verdict = CheckMargin(Number(edit));
    if (verdict == MarginVerdict::Refused)
        return Restore(edit);
    if (verdict == MarginVerdict::TooLarge) {
        RestoreWithMessage(edit, QStringLiteral("余白は") + FormatGeneralReal(MarginLimit)
                                     + QStringLiteral("以下でなければいけません"));
        // After the focus has finished moving to where the user sent it.
        QTimer::singleShot(0, edit, [edit] { edit->setFocus(Qt::OtherFocusReason); });
    }
}

void TFrmStyle::EdtSeparateExit()
{
    if (!SeparationAccepted(Number(EdtSeparate)))
        Restore(EdtSeparate);
}

// The squares' pitch: empty (the font size decides) or 4 to 20 mm.
void TFrmStyle::EdtPitchExit()
{
    if (EdtPitch->text().trimmed().isEmpty())
        return;
    const std::optional<double> pitch = Number(EdtPitch);
    // 0 is written as an empty field.
    if (!pitch || *pitch == 0 || !PitchAccepted(*pitch))
        RestoreWithMessage(EdtPitch, QStringLiteral("マス目の大きさは4から20mmまでです"));
}

void TFrmStyle::Button3Click()
{
    std::optional<PageFont> chosen = UserPrompts.ChooseFont(FontExam);
    if (!chosen)
        return;
    // The sizes a settings file may hold: what is chosen here is kept there.
    if (!ProblemFontSizeAccepted(chosen->Size)) {
        UserPrompts.Message(QStringLiteral("文字の大きさは%1から%2ポイントまでです")
                                .arg(kMinProblemFontSize)
                                .arg(kMaxProblemFontSize));
        return;
    }
    FontExam = *chosen;
}

void TFrmStyle::BtnColorClick()
{
    // A colour the page cannot name would print black: the nearest named one.
    if (std::optional<uint32_t> chosen = UserPrompts.ChooseColor(FontExam.Color))
        FontExam.Color = NearestNamedColor(*chosen);
}

void TFrmStyle::Button1Click()
{
    OpenWebPage(UserPrompts, HelpUrl);
}

void TFrmStyle::BtnOKClick()
{
    // A field still being typed (OK by the Enter key) is checked as if left;
    // a refused text goes back and the dialog stays open.
    if (auto* edit = qobject_cast<QLineEdit*>(focusWidget()); edit && edit->text() != EdtTmp) {
        const QString typed = edit->text();
        FieldExit(edit);
        if (edit->text() != typed)
            return;
    }
    if (CheckCounts())
        accept();
}

void TFrmStyle::FieldExit(QLineEdit* edit)
{
    // A field left as it was entered is not checked: a count stored out of
    // range stays as it is until the user changes it.
    if (edit->text() == EdtTmp)
        return;
    if (edit == EdtRow)
        EdtRowExit();
    else if (edit == EdtCol)
        EdtColExit();
    else if (edit == EdtSeparate)
        EdtSeparateExit();
    else if (edit == EdtPitch)
        EdtPitchExit();
    else if (edit == EdtTopP || edit == EdtLeftP || edit == EdtRightP || edit == EdtBottomP)
        EdtMarginExit(edit);
}

bool TFrmStyle::eventFilter(QObject* watched, QEvent* event)
{
    auto* edit = static_cast<QLineEdit*>(watched);
    switch (Entry.Track(edit, event)) {
    case FieldEntry::Change::Entered:
        EdtTmp = edit->text();
        break;
    case FieldEntry::Change::Left:
        FieldExit(edit);
        break;
    case FieldEntry::Change::None:
        break;
    }
    return QDialog::eventFilter(watched, event);
}
