// The page-string dialog: filling and storing records, the position fields'
// silent revert, the font button and the style boxes, and the five flows.
#include "support/ScriptedPrompts.h"
#include "preview/TFrmPageStr.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>

namespace {

void TypeInto(QLineEdit* edit, const QString& text)
{
    QFocusEvent in(QEvent::FocusIn, Qt::TabFocusReason);
    QApplication::sendEvent(edit, &in);
    edit->setText(text);
    QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(edit, &out);
}

TPageStr Record()
{
    TPageStr r;
    r.SetSets(QStringLiteral("見出し"), QStringLiteral("ＭＳ 明朝"), 14, 4, QStringLiteral("10"),
              QStringLiteral("36"), true, false);
    return r;
}

class TFrmPageStrTest : public ::testing::Test {
protected:
    ScriptedPrompts Prompts;
    TFrmPageStr Dialog{Prompts};

    // Runs a flow; while the dialog is open, act runs and then button is pressed.
    bool Run(PageStrFlow flow, TPageStr& record, QPushButton* button,
             const std::function<void()>& act = [] {})
    {
        QTimer::singleShot(0, &Dialog, [&] {
            act();
            button->click();
        });
        return RunPageStrFlow(Dialog, flow, record);
    }
};

TEST_F(TFrmPageStrTest, FillsFromARecordAndStoresBackAllButTheDrawnFlag)
{
    TPageStr record = Record();
    Dialog.SetStrSet(record);
    EXPECT_EQ(Dialog.Edit1->text(), QStringLiteral("見出し"));
    EXPECT_EQ(Dialog.ComboBox1->currentText(), QStringLiteral("任意"));
    EXPECT_TRUE(Dialog.CheckBox1->isChecked());
    EXPECT_FALSE(Dialog.CheckBox2->isChecked());
    EXPECT_EQ(Dialog.StrFont.Size, 14);
    EXPECT_TRUE(Dialog.StrFont.Bold);

    TPageStr stored;
    stored.psDrawn = true;
    Dialog.GetStrSet(stored);
    EXPECT_EQ(stored.psStr, record.psStr);
    EXPECT_EQ(stored.psName, record.psName);
    EXPECT_EQ(stored.psSize, 14);
    EXPECT_EQ(stored.psPos, 4);
    EXPECT_EQ(stored.psX, QStringLiteral("10"));
    EXPECT_EQ(stored.psY, QStringLiteral("36"));
    EXPECT_TRUE(stored.psBold);
    EXPECT_FALSE(stored.psItalic);
    EXPECT_TRUE(stored.psDrawn);
}

TEST_F(TFrmPageStrTest, PositionFieldsRevertSilentlyUnlessANumberNotNegative)
{
    struct Case { const char* Typed; const char* Kept; };
    const Case cases[] = {{"-5", "10"}, {"abc", "10"}, {"", "10"}, {"12.5", "12.5"},
                          {"12.50", "12.50"}, {"0", "0"}, {"1E1", "1E1"}};
    for (QLineEdit* edit : {Dialog.EdtX, Dialog.EdtY})
        for (const Case& c : cases) {
            edit->setText(QStringLiteral("10"));
            TypeInto(edit, QString::fromUtf8(c.Typed));
            EXPECT_EQ(edit->text(), QString::fromUtf8(c.Kept)) << c.Typed;
        }
    EXPECT_TRUE(Prompts.Asked.isEmpty());
}

TEST_F(TFrmPageStrTest, TheFontDialogSetsTheStyleBoxesAndTheBoxesTheFont)
{
    TPageStr plain = Record();
    plain.psBold = false;
    Dialog.SetStrSet(plain);
    PageFont chosen{QStringLiteral("IPAPMincho"), 20, 0x0000FF, true, true, true, false};
    Prompts.FontAnswers = {chosen};
    Dialog.Button1->click();
    EXPECT_TRUE(Dialog.CheckBox1->isChecked());
    EXPECT_TRUE(Dialog.CheckBox2->isChecked());
    Dialog.CheckBox1->click();
    EXPECT_FALSE(Dialog.StrFont.Bold);
    EXPECT_TRUE(Dialog.StrFont.Italic);

    TPageStr stored;
    Dialog.GetStrSet(stored);
    EXPECT_EQ(stored.psName, QStringLiteral("IPAPMincho"));
    EXPECT_EQ(stored.psSize, 20);
    EXPECT_FALSE(stored.psBold);
    EXPECT_TRUE(stored.psItalic);

    Prompts.FontAnswers = {std::nullopt};  // cancelled: nothing changes
    Dialog.Button1->click();
    EXPECT_EQ(Dialog.StrFont.Size, 20);
    EXPECT_FALSE(Dialog.CheckBox1->isChecked());
}

TEST_F(TFrmPageStrTest, EachFlowShowsItsCaptionWhicheverRanBefore)
{
    const std::pair<PageStrFlow, const char*> flows[] = {
        {PageStrFlow::DateTime, "日付の設定"}, {PageStrFlow::Header, "ヘッダーの設定"},
        {PageStrFlow::Footer, "フッターの設定"}, {PageStrFlow::PageTitle, "タイトルの設定"},
        {PageStrFlow::SubTitle, "サブタイトルの設定"}, {PageStrFlow::DateTime, "日付の設定"},
        {PageStrFlow::Instruction, "問題文の設定"}};
    for (const auto& [flow, caption] : flows) {
        TPageStr record = Record();
        QString shown;
        Run(flow, record, Dialog.Button3, [&] { shown = Dialog.windowTitle(); });
        EXPECT_EQ(shown, QString::fromUtf8(caption));
    }
}

TEST_F(TFrmPageStrTest, CancelKeepsTheRecordAndOkTakesTextPositionAndFont)
{
    const auto edit = [&] {
        Dialog.Edit1->setText(QStringLiteral("新しい"));
        Dialog.ComboBox1->setCurrentIndex(3);
        Dialog.CheckBox2->setChecked(true);
    };
    TPageStr record = Record();
    EXPECT_FALSE(Run(PageStrFlow::PageTitle, record, Dialog.Button3, edit));
    EXPECT_EQ(record.psStr, QStringLiteral("見出し"));
    EXPECT_EQ(record.psPos, 4);
    EXPECT_FALSE(record.psItalic);

    EXPECT_TRUE(Run(PageStrFlow::PageTitle, record, Dialog.Button2, edit));
    EXPECT_EQ(record.psStr, QStringLiteral("新しい"));
    EXPECT_EQ(record.psPos, 3);
    EXPECT_TRUE(record.psItalic);
    EXPECT_TRUE(record.psBold);
}

TEST_F(TFrmPageStrTest, OkByEnterChecksThePositionBeingTyped)
{
    TPageStr record = Record();
    Run(PageStrFlow::Header, record, Dialog.Button2, [&] {
        Dialog.EdtX->setFocus();
        QFocusEvent in(QEvent::FocusIn, Qt::TabFocusReason);
        QApplication::sendEvent(Dialog.EdtX, &in);
        Dialog.EdtX->setText(QStringLiteral("-3"));
    });
    EXPECT_EQ(record.psX, QStringLiteral("10"));
}

TEST_F(TFrmPageStrTest, APositionEnteredAsTheDialogIsReactivatedRemembersItsOwnText)
{
    Dialog.SetStrSet(Record());  // X 10, Y 36
    TypeInto(Dialog.EdtX, QStringLiteral("-5"));
    QFocusEvent in(QEvent::FocusIn, Qt::ActiveWindowFocusReason);
    QApplication::sendEvent(Dialog.EdtY, &in);
    Dialog.EdtY->setText(QStringLiteral("abc"));
    QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(Dialog.EdtY, &out);
    EXPECT_EQ(Dialog.EdtX->text(), QStringLiteral("10"));
    EXPECT_EQ(Dialog.EdtY->text(), QStringLiteral("36"));
}

TEST_F(TFrmPageStrTest, TheTextFieldShowsTheDefaultDateHeadingWhole)
{
    const QString heading = QStringLiteral("　　月　　日　　　時　　分 ～　　　時　　分");
    Dialog.Edit1->setText(heading);
    Dialog.adjustSize();
    EXPECT_GT(Dialog.Edit1->width(), Dialog.Edit1->fontMetrics().horizontalAdvance(heading) + 8);
}

} // namespace
