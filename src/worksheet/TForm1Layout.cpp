// Construction of the main window's controls: a flat table of set-up steps.
// Groups sit where the window's layout puts them (problem settings and
// answer adjustments on top, the lists and the sheet texts below, the
// preview buttons and the online panel in the bottom strip).
#include "generation/OperationTable.h"
#include "preview/MemoEdit.h"
#include "worksheet/ControlHint.h"
#include "worksheet/TForm1.h"

#include <QActionGroup>
#include <QCheckBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTabBar>
#include <QVBoxLayout>

namespace {

const QString kIntegerHint = QStringLiteral("1000以下");
const QString kDecimalHint = QStringLiteral("4桁以下");

QLineEdit* NumberEdit(const QString& text, int width, QWidget* parent)
{
    auto* edit = new QLineEdit(text, parent);
    edit->setFixedWidth(width);
    edit->setAlignment(Qt::AlignRight);
    return edit;
}

QLabel* Caption(const QString& text, QWidget* parent, Qt::Alignment align = Qt::AlignLeft)
{
    auto* label = new QLabel(text, parent);
    label->setAlignment(align | Qt::AlignVCenter);
    return label;
}

QLabel* BoldPoint(QWidget* parent)
{
    QLabel* label = Caption(QStringLiteral("．"), parent, Qt::AlignCenter);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    return label;
}

// A control that keeps its room in the layout while hidden.
void KeepRoomWhenHidden(QWidget* control)
{
    QSizePolicy policy = control->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    control->setSizePolicy(policy);
}

QPlainTextEdit* ProblemMemo(QWidget* parent)
{
    auto* memo = new MemoEdit(parent);
    memo->setFont(QFont(QStringLiteral("IPAMincho"), 10));
    memo->setLineWrapMode(QPlainTextEdit::NoWrap);
    memo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    memo->setTabChangesFocus(true);
    // The group decides the size: a scroll area's own hint is far too wide.
    memo->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Expanding);
    memo->setMinimumSize(100, 184);
    return memo;
}

} // namespace

void TForm1::CreateControls()
{
    setWindowTitle(QStringLiteral("小数の加減乗除"));
    auto* central = new QWidget(this);
    auto* outer = new QVBoxLayout(central);
    outer->setContentsMargins(6, 6, 6, 4);
    outer->setSpacing(0);

    // The tab strip heads one shared page: every tab shows the same controls.
    TabControl1 = new QTabBar(central);
    for (const OperationInfo& op : Operations())
        TabControl1->addTab(QString::fromUtf8(op.Tab));
    TabControl1->setDrawBase(false);
    outer->addWidget(TabControl1);

    auto* page = new QFrame(central);
    page->setFrameShape(QFrame::StyledPanel);
    auto* grid = new QGridLayout(page);
    grid->setContentsMargins(10, 8, 10, 10);
    grid->setHorizontalSpacing(14);
    grid->setVerticalSpacing(10);
    grid->addWidget(CreateProblemGroup(), 0, 0);
    grid->addWidget(CreateAdjustGroup(), 0, 1);
    grid->addWidget(CreateListGroup(), 1, 0);
    grid->addWidget(CreateSheetGroup(), 1, 1);
    outer->addWidget(page);
    outer->addSpacing(6);
    outer->addWidget(CreateBottomStrip());
    setCentralWidget(central);

    CreateMenus();
    CreateStatusBar();
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                   | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                   | Qt::WindowCloseButtonHint);
}

QWidget* TForm1::CreateProblemGroup()
{
    GroupBox5 = new QGroupBox(QStringLiteral("問題"));
    GroupBox5->setMinimumWidth(361);
    auto* box = new QVBoxLayout(GroupBox5);
    box->setSpacing(8);

    auto* counts = new QHBoxLayout;
    counts->setSpacing(4);
    EdtRow = NumberEdit(QStringLiteral("10"), 36, GroupBox5);
    EdtCol = NumberEdit(QStringLiteral("1"), 36, GroupBox5);
    EdtTotal = NumberEdit(QStringLiteral("10"), 36, GroupBox5);
    EdtTotal->setReadOnly(true);
    EdtTotal->setFocusPolicy(Qt::NoFocus);
    QPalette grey = EdtTotal->palette();
    grey.setColor(QPalette::Base, palette().color(QPalette::Window));
    EdtTotal->setPalette(grey);
    counts->addWidget(EdtRow);
    counts->addWidget(Caption(QStringLiteral("行"), GroupBox5));
    counts->addSpacing(6);
    counts->addWidget(EdtCol);
    counts->addWidget(Caption(QStringLiteral("列"), GroupBox5));
    counts->addSpacing(6);
    counts->addWidget(EdtTotal);
    counts->addWidget(Caption(QStringLiteral("問"), GroupBox5));
    counts->addStretch();
    BtnMake = new QPushButton(QStringLiteral("作成(&M)"), GroupBox5);
    BtnClear = new QPushButton(QStringLiteral("消去(&C)"), GroupBox5);
    counts->addWidget(BtnMake);
    counts->addWidget(BtnClear);
    box->addLayout(counts);
    // Spare height (the group is as tall as the answer adjustments) is
    // shared above and below the ranges.
    box->addStretch();
    box->addWidget(CreateRangeGrid());
    box->addStretch();
    return GroupBox5;
}

QWidget* TForm1::CreateRangeGrid()
{
    auto* area = new QWidget(GroupBox5);
    auto* grid = new QGridLayout(area);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(3);
    grid->setVerticalSpacing(5);

    // Columns: operand name, integer, ".", decimals, "から", integer, ".", decimals, "乱数".
    grid->addWidget(Caption(QStringLiteral("最小"), area, Qt::AlignCenter), 0, 1, 1, 3);
    grid->addWidget(Caption(QStringLiteral("最大"), area, Qt::AlignCenter), 0, 5, 1, 3);
    for (int column : {1, 5}) {
        grid->addWidget(Caption(QStringLiteral("整数部"), area, Qt::AlignCenter), 1, column);
        grid->addWidget(Caption(QStringLiteral("小数点以下"), area, Qt::AlignCenter), 1,
                        column + 1, 1, 2);
    }

    // Captions of the first tab; a tab change relabels them from the table.
    const OperationInfo& first = OperationOf(OpAdd);
    Label1 = Caption(QString::fromUtf8(first.Left), area);
    Label2 = Caption(QString::fromUtf8(first.Right), area);
    LblKigou = Caption(QString::fromUtf8(first.Sign), area, Qt::AlignCenter);
    auto* second = new QHBoxLayout;
    second->setSpacing(2);
    second->addWidget(LblKigou);
    second->addWidget(Label2);
    second->addStretch();
    grid->addWidget(Label1, 2, 0);
    grid->addLayout(second, 3, 0);
    // Wide enough for the longest operand name of any tab.
    grid->setColumnMinimumWidth(0, Label1->fontMetrics().horizontalAdvance(
                                       QStringLiteral("＋ かけられる数")) + 4);

    QLineEdit** edits[RangeEditCount] = {&EdtMin1, &EdtMin1e, &EdtMax1, &EdtMax1e,
                                         &EdtMin2, &EdtMin2e, &EdtMax2, &EdtMax2e};
    const RangeTexts defaults = ExamSettings::DefaultRanges();
    for (int i = 0; i < RangeEditCount; ++i) {
        const bool decimal = IsDecimalEdit(i);
        QLineEdit* edit = NumberEdit(QString::fromStdString(defaults[i]), decimal ? 46 : 44, area);
        if (decimal)
            edit->setAlignment(Qt::AlignLeft);
        SetControlHint(edit, decimal ? kDecimalHint : kIntegerHint);
        *edits[i] = edit;
        const int row = 2 + i / 4;
        const int column = (i % 4 < 2 ? 1 : 5) + (decimal ? 2 : 0);
        grid->addWidget(edit, row, column);
        if (decimal)
            grid->addWidget(BoldPoint(area), row, column - 1);
    }
    for (int row : {2, 3})
        grid->addWidget(Caption(QStringLiteral("から"), area, Qt::AlignCenter), row, 4);

    CBox1 = new QCheckBox(QStringLiteral("乱数"), area);
    CBox2 = new QCheckBox(QStringLiteral("乱数"), area);
    CBox1->setChecked(true);
    CBox2->setChecked(true);
    grid->addWidget(CBox1, 2, 8);
    grid->addWidget(CBox2, 3, 8);
    grid->setColumnStretch(9, 1);
    return area;
}

QWidget* TForm1::CreateAdjustGroup()
{
    GroupBox3 = new QGroupBox(QStringLiteral("答えの調整"));
    GroupBox3->setMinimumWidth(161);
    // Hiding the group on the addition tabs must not move the other groups.
    KeepRoomWhenHidden(GroupBox3);
    auto* box = new QVBoxLayout(GroupBox3);
    box->setSpacing(4);

    CBoxRound = new QCheckBox(QStringLiteral("答えを四捨五入する"), GroupBox3);
    SetControlHint(CBoxRound, QStringLiteral("かけ算、わり算に適用する"));
    box->addWidget(CBoxRound);
    auto* place = new QHBoxLayout;
    place->setContentsMargins(20, 0, 0, 0);
    EdtRound = NumberEdit(QStringLiteral("2"), 30, GroupBox3);
    place->addWidget(Caption(QStringLiteral("小数点以下"), GroupBox3));
    place->addWidget(EdtRound);
    place->addWidget(Caption(QStringLiteral("桁目"), GroupBox3));
    CBoxRoundSig = new QCheckBox(QStringLiteral("上から数える(&U)"), GroupBox3);
    SetControlHint(CBoxRoundSig, QStringLiteral("桁目を上から（0でない最初の数字から）数える"));
    place->addWidget(CBoxRoundSig);
    place->addStretch();
    box->addLayout(place);
    box->addSpacing(4);

    // A check box with the test mode's "*" marker beside it.
    auto withMarker = [&](QCheckBox* check, QLabel*& marker) {
        auto* row = new QHBoxLayout;
        marker = Caption(QStringLiteral("*"), GroupBox3);
        marker->hide();
        row->addWidget(check);
        row->addWidget(marker);
        row->addStretch();
        box->addLayout(row);
    };
    CBoxJust = new QCheckBox(QStringLiteral("単純な数に割り切れる"), GroupBox3);
    SetControlHint(CBoxJust, QStringLiteral(
        "単純な商|単純な商の場合、 数値が最小と最大の間に入らない場合があります。"));
    CBoxRest = new QCheckBox(QStringLiteral("わり算のあまりを出す"), GroupBox3);
    withMarker(CBoxJust, LblJust);
    withMarker(CBoxRest, LblRest);
    CBoxZero = new QCheckBox(QStringLiteral("答えが０以外"), GroupBox3);
    CBoxOne = new QCheckBox(QStringLiteral("答えが１以外"), GroupBox3);
    box->addWidget(CBoxZero);
    box->addWidget(CBoxOne);
    box->addStretch();
    // The division options keep their room while hidden on the
    // multiplication tab, so the window never changes size with the tab.
    for (QWidget* option : std::initializer_list<QWidget*>{CBoxJust, CBoxRest, CBoxZero, CBoxOne,
                                                          LblJust, LblRest})
        KeepRoomWhenHidden(option);
    return GroupBox3;
}

QWidget* TForm1::CreateListGroup()
{
    GroupBox6 = new QGroupBox(QStringLiteral("問題・答えのリスト"));
    GroupBox6->setMinimumSize(361, 201);
    auto* grid = new QGridLayout(GroupBox6);
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(3);
    Label3 = Caption(QString::fromUtf8(OperationOf(OpAdd).Left), GroupBox6);
    Label4 = Caption(QString::fromUtf8(OperationOf(OpAdd).Right), GroupBox6);
    Label7 = Caption(QStringLiteral("答え"), GroupBox6);
    LblInf = Caption(QString(), GroupBox6, Qt::AlignRight);
    LblInf->setAutoFillBackground(true);
    QPalette white = LblInf->palette();
    white.setColor(QPalette::Window, Qt::white);
    LblInf->setPalette(white);
    LblInf->setMinimumWidth(LblInf->fontMetrics().horizontalAdvance(QStringLiteral("000000")));
    LblInf->hide();
    auto* answerHead = new QHBoxLayout;
    answerHead->addWidget(Label7);
    answerHead->addStretch();
    answerHead->addWidget(LblInf);
    grid->addWidget(Label3, 0, 0);
    grid->addWidget(Label4, 0, 1);
    grid->addLayout(answerHead, 0, 2);

    Memo1 = ProblemMemo(GroupBox6);
    Memo2 = ProblemMemo(GroupBox6);
    Memo3 = ProblemMemo(GroupBox6);
    grid->addWidget(Memo1, 1, 0);
    grid->addWidget(Memo2, 1, 1);
    grid->addWidget(Memo3, 1, 2);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(2, 1);
    grid->setRowStretch(1, 1);
    return GroupBox6;
}

QWidget* TForm1::CreateBottomStrip()
{
    auto* strip = new QWidget;
    strip->setFixedHeight(100);
    auto* row = new QHBoxLayout(strip);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    Panel2 = new QWidget(strip);
    Panel2->setFixedWidth(9);
    GroupBox1 = new QGroupBox(QStringLiteral("プレビュー"), strip);
    GroupBox1->setFixedWidth(96);
    new QVBoxLayout(GroupBox1);
    // The online panel (web page or its error panel) is placed here later.
    WebArea = new QWidget(strip);
    auto* web = new QVBoxLayout(WebArea);
    web->setContentsMargins(9, 0, 0, 0);
    row->addWidget(Panel2);
    row->addWidget(GroupBox1);
    row->addWidget(WebArea, 1);
    return strip;
}

void TForm1::CreateMenus()
{
    MenuFile = menuBar()->addMenu(QStringLiteral("ファイル(&F)"));
    Style1 = MenuFile->addAction(QStringLiteral("スタイル(&S)"));
    MenuFile->addSeparator();
    Exit1 = MenuFile->addAction(QStringLiteral("終了(&X)"));

    MenuOption = menuBar()->addMenu(QStringLiteral("オプション(&O)"));
    D1 = MenuOption->addAction(QStringLiteral("日時(&D)"));
    N5 = MenuOption->addAction(QStringLiteral("名前(&N)"));
    MenuOption->addSeparator();
    R1 = MenuOption->addAction(QStringLiteral("乱数の振り方(&R)"));
    E1 = MenuOption->addAction(QStringLiteral("番号から作る(&E)..."));
    MenuOption->addSeparator();
    auto* signModes = new QActionGroup(this);
    RA1 = MenuOption->addAction(QStringLiteral("演算結果は正の数(&A)"));
    RB1 = MenuOption->addAction(QStringLiteral("演算結果は正・零の数(&B)"));
    RC1 = MenuOption->addAction(QStringLiteral("演算結果は小数全て(&C)"));
    for (QAction* item : {RA1, RB1, RC1}) {
        item->setCheckable(true);
        signModes->addAction(item);
    }
    MenuOption->addSeparator();
    Z1 = MenuOption->addAction(QStringLiteral("答えの余分な０を削除する(&Z)"));
    Z1->setCheckable(true);
    I1 = MenuOption->addAction(QStringLiteral("整数だけの数を出さない(&I)"));
    I1->setCheckable(true);
    Y1 = MenuOption->addAction(QStringLiteral("がい数の答えに「約」をつける(&Y)"));
    Y1->setCheckable(true);
    L1 = MenuOption->addAction(QStringLiteral("最後の位まで使う(&L)"));
    L1->setCheckable(true);
    MenuOption->addSeparator();
    Q1 = MenuOption->addAction(QStringLiteral("同じ問題を出さない(&Q)"));
    U1 = MenuOption->addAction(QStringLiteral("単元に合う問題だけ（あまり・がい数・わり進み）(&U)"));
    W1 = MenuOption->addAction(QStringLiteral("同じ答えは2回まで(&W)"));
    // Simple quotients drawn only among dividends that divide out: the same
    // kind of sheet, made without discarded tries, but other problems for
    // a code than the ordinary draw gives.
    J1 = MenuOption->addAction(QStringLiteral("わりきれる問題をむだなく作る(&K)"));
    for (QAction* item : {Q1, U1, W1, J1})
        item->setCheckable(true);
    CreatePresetMenu();

    MenuHelp = menuBar()->addMenu(QStringLiteral("ヘルプ(&H)"));
    Help2 = MenuHelp->addAction(QStringLiteral("Dododヘルプ(&D)"));
    MenuHelp->addSeparator();
    A1 = MenuHelp->addAction(QStringLiteral("バージョン情報(&A)"));
}

void TForm1::CreateStatusBar()
{
    StBarInf = statusBar();
    StBarInf->setSizeGripEnabled(false);
    // A click anywhere on the bar opens the home page (TForm1Info.cpp).
    StBarInf->setCursor(Qt::PointingHandCursor);
    SetControlHint(StBarInf, QStringLiteral("ヒント表示部|Dododのホームページ"));
    StBarPanel0 = Caption(QStringLiteral("Information"), StBarInf, Qt::AlignCenter);
    StBarPanel0->setFixedWidth(80);
    StBarPanel1 = Caption(QString(), StBarInf);
    StBarInf->addWidget(StBarPanel0);
    StBarInf->addWidget(StBarPanel1, 1);
}
