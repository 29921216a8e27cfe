// The main window with its settings file: the first show reads it, closing
// writes it back (also while a dialog or a generation run's question is
// open), the "用紙" texts with their page-string dialogs, the date-and-time
// heading, the name line, the style dialog and the composer fed from all of it.
#include "support/QStringPrinter.h"
#include "support/ScratchFile.h"
#include "TypeInto.h"
#include "WindowFileFixture.h"
#include "support/ScriptedPrompts.h"
#include "common/SettingsLocation.h"
#include "prevform/PrevEngine.h"
#include "preview/TFrmPageStr.h"
#include "preview/TFrmPrev.h"
#include "sheet/SheetComposer.h"
#include "sheet/ExamCountCheck.h"
#include "worksheet/TForm1.h"
#include "worksheet/TFrmAbout.h"
#include "worksheet/TFrmStyle.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {

class TForm1SettingsTest : public WindowFileFixture {
protected:
    void WriteFile(const QByteArray& bytes) { ASSERT_TRUE(WriteScratchFile(Path, bytes)); }
    QString FileText() const { return QString::fromUtf8(ReadScratchFile(Path)); }
    // Runs a modal step of the window; act runs inside the dialog, then the
    // dialog closes through button (OK or Cancel).
    void InDialog(const std::function<void()>& act, const std::function<void()>& close)
    {
        QTimer::singleShot(0, Form.get(), [act, close] {
            act();
            close();
        });
    }
    TFrmPageStr& PageStr() { return *Form->FrmPageStr; }
    QStringList Program() const { return Form->Engine().ListbyProgram; }
    void MakeProblems()
    {
        Form->BtnMake->click();
        ASSERT_FALSE(Form->Memo1->toPlainText().isEmpty());
    }
};

TEST_F(TForm1SettingsTest, APreparedFileComesBackWithExactlyTheExpectedKeys)
{
    WriteFile("[Page]\nPageTitle=練習\n[Exam]\nRow=5\nCol=2\nType=1\n[Foreign]\nx=1\n");
    Start();
    EXPECT_EQ(Form->EdtRow->text(), "5");
    EXPECT_EQ(Form->EdtTotal->text(), "10");
    EXPECT_EQ(Form->EdtPageTitle->text(), "練習");
    EXPECT_EQ(Form->FrmAbout->ProductName->text(), "Dodod　小数の加減乗除篇");
    TypeInto(Form->EdtCol, "4");
    Form->EdtHeader->setText("%d");  // not yet left: saved as it stands
    Form->close();
    Form.reset();

    const QString dateTime = SheetSettings().sDateTime;
    EXPECT_EQ(FileText(),
              "[Page]\nPageTitle=練習\nHeader=%d\nFooter=\nSubTitle=たしざんのもんだい\n"
              "DateTime=" + dateTime + "\nName=なまえ\nCode=0\nClassBox=0\n"
              "[Exam]\nRow=5\nCol=4\nType=1\nSeparate=10\nNumber=1\nRand=0\nMinus=0\nRound=0\n"
              "RoundPos=2\nRest=0\nJust=0\nJustExact=0\nZero=1\nOne=1\nLeft=(\nRight=)\nDel0=1\nRoundSig=0\nDecOnly=0\nYaku=0\n"
              "FullDec=0\nNoRepeat=0\nUnitOnly=0\nFewSame=0\nTab=0\n"
              "[Foreign]\nx=1\n"
              "[Answer]\nType=1\nMistakes=0\nCheck=0\n"
              "[Window]\nTop=10\nLeft=10\nRight=10\nBottom=10\nFrame=0\n"
              "[Range]\nMin1=1\nMin1e=00\nMax1=10\nMax1e=00\nMin2=1\nMin2e=00\nMax2=10\nMax2e=00\n"
              "[ExamFont]\nName=ＭＳ Ｐゴシック\nSize=24\nColor=0\nBold=0\nItalic=0\n"
              "[Hissan]\nTextbook=0\nWorked=0\nSquares=0\nFindMistake=0\nPen=0.3\nPitch=0\n"
              "[Instruction]\nString=\nPos=0\nBold=0\nItalic=0\nSize=9\nName=ＭＳ 明朝\nX=0\nY=0\n"
              "[PageView]\nIndex=1\n[Unit]\nType=2\n[Sw]\nScale=0\nMesh=0\n"
              "[ListFile]\nName=PrevForm.prv\n[Option]\nQuality=90\n"
              "[Header]\nString=\nPos=0\nBold=0\nItalic=0\nSize=9\nName=ＭＳ 明朝\nX=0\nY=0\n"
              "[Footer]\nString=\nPos=0\nBold=0\nItalic=0\nSize=9\nName=ＭＳ 明朝\nX=0\nY=0\n"
              "[PageTitle]\nString=\nPos=4\nBold=0\nItalic=0\nSize=24\nName=ＭＳ 明朝\nX=10\nY=10\n"
              "[SubTitle]\nString=\nPos=4\nBold=0\nItalic=0\nSize=12\nName=ＭＳ 明朝\nX=10\nY=36\n"
              "[DateTime]\nString=\nPos=4\nBold=0\nItalic=0\nSize=11\nName=ＭＳ 明朝\nX=80\nY=10\n");

    Start();  // everything as it was
    EXPECT_EQ(Form->EdtCol->text(), "4");
    EXPECT_EQ(Form->EdtHeader->text(), "%d");
    EXPECT_EQ(Form->Engine().PageTitle().psSize, 24);
}

TEST_F(TForm1SettingsTest, AWindowClosedBeforeItsFirstShowWritesNoMainSettings)
{
    WriteFile("[Exam]\nRow=5\n");
    Form = std::make_unique<TForm1>(Prompts, 7);
    Form->close();
    Form.reset();
    EXPECT_TRUE(FileText().startsWith("[Exam]\nRow=5\n["));
    EXPECT_FALSE(FileText().contains("[Window]"));
}

TEST_F(TForm1SettingsTest, AFailedSaveIsReportedAndTouchesNothing)
{
    WriteFile("not a folder");
    const QString below = Path + "/sub/shosu-drill.ini";
    SettingsLocation::SetOverride(below);
    Start();
    Form->close();
    EXPECT_EQ(Prompts.Messages, QStringList{below + " に書き込めません"});
    Form.reset();  // the preview's settings and the date heading fail the same way
    EXPECT_EQ(Prompts.Messages, QStringList{below + " に書き込めません"});
    EXPECT_EQ(FileText(), "not a folder");
}

TEST_F(TForm1SettingsTest, ClosingWhileThePageStringDialogIsOpenKeepsTheFileClean)
{
    Start();
    Form->EdtPageTitle->setText("旧");
    InDialog([&] {
        PageStr().Edit1->setText("新");
        Form->close();
    }, [&] { PageStr().reject(); });  // the dialog's loop ends as the program quits
    Form->BtnPageTitle->click();
    EXPECT_EQ(Form->EdtPageTitle->text(), "旧");
    EXPECT_TRUE(Form->Engine().PageTitle().psStr.isEmpty());
    Form.reset();
    const QString text = FileText();
    EXPECT_TRUE(text.contains("PageTitle=旧\n")) << text.toStdString();
    EXPECT_TRUE(text.contains("[PageTitle]\nString=\n")) << text.toStdString();
    EXPECT_FALSE(text.contains("新"));
}

TEST_F(TForm1SettingsTest, ClosingWhileTheStyleDialogIsOpenSavesTheSettingsAsTheyStood)
{
    Start();
    InDialog([&] {
        Form->FrmStyle->EdtTopP->setText("33");
        Form->close();
    }, [&] { Form->FrmStyle->reject(); });
    Form->Style1->trigger();
    Form.reset();
    EXPECT_TRUE(FileText().contains("[Window]\nTop=10\n"));
}

// Closes the window when a generation run asks whether to go on.
class ClosingPrompts : public ScriptedPrompts {
public:
    TForm1* Form = nullptr;
    bool Confirm(const QString& text, const QString& title) override
    {
        Form->close();
        Form->close();  // a second request while the question waits
        return ScriptedPrompts::Confirm(text, title);
    }
};

TEST_F(TForm1SettingsTest, ClosingWhileARunWaitsOnItsQuestionSavesOnce)
{
    ClosingPrompts prompts;
    auto form = std::make_unique<TForm1>(prompts, 1);
    prompts.Form = form.get();
    form->show();
    form->TabControl1->setCurrentIndex(OpSub);
    TypeInto(form->EdtRow, "3");
    const char* const ranges[] = {"5", "", "5", "", "5", "", "5", ""};
    for (int i = 0; i < RangeEditCount; ++i)
        form->RangeEdit(i)->setText(QString::fromUtf8(ranges[i]));
    form->BtnMake->click();
    EXPECT_TRUE(prompts.Asked.contains("confirm: 最大値や最小値の条件は合っていますか?"));
    EXPECT_TRUE(prompts.Messages.isEmpty());
    form.reset();
    const QString text = FileText();
    EXPECT_TRUE(text.contains("[Exam]\nRow=3\n")) << text.toStdString();
    EXPECT_EQ(text.count("[Page]"), 1);
    EXPECT_TRUE(text.endsWith("X=80\nY=10\n"));
}

TEST_F(TForm1SettingsTest, SetButtonsCancelKeepTheTextAndOkTakesTextPositionAndFont)
{
    Start();
    struct Case { QPushButton* TForm1::*Button; QLineEdit* TForm1::*Edit; TPageStr& (PrevEngine::*Record)(); const char* Caption; };
    const Case cases[] = {
        {&TForm1::BtnPageTitle, &TForm1::EdtPageTitle, &PrevEngine::PageTitle, "タイトルの設定"},
        {&TForm1::BtnSubTitle, &TForm1::EdtSubTitle, &PrevEngine::SubTitle, "サブタイトルの設定"},
        {&TForm1::BtnHeader, &TForm1::EdtHeader, &PrevEngine::Header, "ヘッダーの設定"},
        {&TForm1::BtnFooter, &TForm1::EdtFooter, &PrevEngine::Footer, "フッターの設定"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Caption);
        QLineEdit* edit = (*Form).*(c.Edit);
        TPageStr& record = (Form->Engine().*(c.Record))();
        edit->setText("前");
        QString shownText, caption;
        const auto change = [&] {
            caption = PageStr().windowTitle();
            shownText = PageStr().Edit1->text();
            PageStr().Edit1->setText("後");
            PageStr().ComboBox1->setCurrentIndex(2);
            PageStr().CheckBox1->setChecked(true);
        };
        InDialog(change, [&] { PageStr().Button3->click(); });
        ((*Form).*(c.Button))->click();
        EXPECT_EQ(caption, QString::fromUtf8(c.Caption));
        EXPECT_EQ(shownText, "前");
        EXPECT_EQ(edit->text(), "前");
        EXPECT_NE(record.psPos, 2);
        EXPECT_TRUE(record.psStr.isEmpty());

        InDialog(change, [&] { PageStr().Button2->click(); });
        ((*Form).*(c.Button))->click();
        EXPECT_EQ(edit->text(), "後");
        EXPECT_EQ(record.psPos, 2);
        EXPECT_TRUE(record.psBold);
        EXPECT_TRUE(record.psStr.isEmpty());
    }
    EXPECT_EQ(Form->Sheet.sPageTitle, "後");
    EXPECT_EQ(Form->Sheet.sFooter, "後");
}

TEST_F(TForm1SettingsTest, LeavingATextBoxCopiesItIntoItsField)
{
    Start();
    TypeInto(Form->EdtSubTitle, "ひきざん");
    TypeInto(Form->EdtFooter, "%t");
    EXPECT_EQ(Form->Sheet.sSubTitle, "ひきざん");
    EXPECT_EQ(Form->Sheet.sFooter, "%t");
    EXPECT_TRUE(Prompts.Messages.isEmpty());
}

TEST_F(TForm1SettingsTest, DateTimeCancelledKeepsTextPositionAndFont)
{
    Start();
    const TPageStr before = Form->Sheet.DateTime;
    const QString text = Form->Sheet.sDateTime;
    QString caption, shown;
    InDialog([&] {
        caption = PageStr().windowTitle();
        shown = PageStr().Edit1->text();
        PageStr().Edit1->setText("x");
        PageStr().ComboBox1->setCurrentIndex(1);
        PageStr().CheckBox2->setChecked(true);
    }, [&] { PageStr().Button3->click(); });
    Form->D1->trigger();
    EXPECT_EQ(caption, "日付の設定");
    EXPECT_EQ(shown, text);
    EXPECT_EQ(Form->Sheet.sDateTime, text);
    EXPECT_EQ(Form->Sheet.DateTime.psPos, before.psPos);
    EXPECT_EQ(Form->Sheet.DateTime.psItalic, before.psItalic);
    EXPECT_TRUE(Form->Sheet.DateTime.psStr.isEmpty());

    InDialog([&] { PageStr().Edit1->setText("月　日"); }, [&] { PageStr().Button2->click(); });
    Form->D1->trigger();
    EXPECT_EQ(Form->Sheet.sDateTime, "月　日");
    EXPECT_TRUE(Form->Sheet.DateTime.psStr.isEmpty());
}

TEST_F(TForm1SettingsTest, AnEmptyNameRemovesTheNameLineFromTheSheet)
{
    Start();
    MakeProblems();
    Prompts.InputAnswers = {std::nullopt, QString()};
    Form->N5->trigger();  // cancelled
    EXPECT_EQ(Form->Sheet.sName, "なまえ");
    Form->ComposeSheet(ProblemSheet);
    EXPECT_EQ(Program().filter("なまえ").size(), 1);
    const qsizetype lines = Program().filter("Line,").size();

    Form->N5->trigger();
    EXPECT_EQ(Prompts.Asked.last(), "input: 見出しの文字列を入力して下さい");
    EXPECT_EQ(Form->Sheet.sName, "");
    Form->ComposeSheet(ProblemSheet);
    EXPECT_TRUE(Program().filter("なまえ").isEmpty());
    EXPECT_EQ(Program().filter("Line,").size(), lines);  // box and separator stay
}

TEST_F(TForm1SettingsTest, TheStyleDialogWritesTheWindowsCountsAndTheSheetFollows)
{
    Start();
    MakeProblems();
    InDialog([&] {
        Form->FrmStyle->EdtRow->setText("5");
        Form->FrmStyle->EdtCol->setText("2");
        Form->FrmStyle->CBoxFrame->setChecked(true);
        Form->FrmStyle->EdtLeft->setText("[");
        Form->FrmStyle->EdtTopP->setText("20");
        Form->FrmStyle->BtnColor->click();
    }, [&] { Form->FrmStyle->BtnOK->click(); });
    Prompts.ColorAnswers = {0x0000FF};
    Form->Style1->trigger();
    EXPECT_EQ(Form->EdtRow->text(), "5");
    EXPECT_EQ(Form->EdtCol->text(), "2");
    EXPECT_EQ(Form->EdtTotal->text(), "10");
    EXPECT_EQ(Form->Exam.ExamRowN, 5);
    EXPECT_EQ(Form->Exam.ExamColN, 2);

    TypeInto(Form->EdtPageTitle, "小数の計算");
    Form->ComposeSheet(ProblemSheet);
    const QStringList program = Program();
    EXPECT_EQ(program.filter("PageTitle,\"小数の計算\"").size(), 1);
    EXPECT_EQ(program.filter("psDot").size(), 1);
    EXPECT_EQ(program.filter("\"[ 1)\"").size(), 1);
    EXPECT_EQ(program.filter("\"[10)\"").size(), 1);  // 10 problems in 5 × 2
    EXPECT_TRUE(program.filter("\"[11)\"").isEmpty());
    EXPECT_GE(Form->Sheet.WindowTop, 20);
    EXPECT_FALSE(program.filter("FontColor,RED").isEmpty());  // the problems in the chosen colour
    Form->close();
    EXPECT_TRUE(FileText().contains("[ExamFont]\nName=")) << FileText().toStdString();
    EXPECT_TRUE(FileText().contains("\nColor=255\n"));
}

TEST_F(TForm1SettingsTest, TheComposersMarginChangesAreSaved)
{
    WriteFile("[Window]\nBottom=5\n");
    Start();
    MakeProblems();
    Form->ComposeSheet(AnswerSheet);
    EXPECT_EQ(Form->Sheet.WindowBottom, 10);
    EXPECT_TRUE(Program().filter("たしざんのもんだい (答)").size() == 1);
    Form->close();
    EXPECT_TRUE(FileText().contains("Bottom=10\n"));
}

TEST_F(TForm1SettingsTest, AStoredSignModeAndRoundingReachTheControls)
{
    WriteFile("[Exam]\nMinus=1\nRound=1\nRoundPos=4\nDel0=0\nRest=1\nJust=1\n");
    Start();
    EXPECT_TRUE(Form->RB1->isChecked());
    EXPECT_TRUE(Form->CBoxRound->isChecked());
    EXPECT_EQ(Form->EdtRound->text(), "4");
    EXPECT_FALSE(Form->Z1->isChecked());
    EXPECT_FALSE(Form->Exam.fRest && Form->Exam.fJust);
    EXPECT_TRUE(Form->GroupBox3->isHidden());
}

TEST_F(TForm1SettingsTest, MenusCarryTheNewItemsInOrder)
{
    Start();
    EXPECT_EQ(Form->Style1->text(), "スタイル(&S)");
    EXPECT_EQ(Form->MenuOption->actions().at(0), Form->D1);
    EXPECT_EQ(Form->MenuOption->actions().at(1), Form->N5);
    EXPECT_EQ(Form->D1->text(), "日時(&D)");
    EXPECT_EQ(Form->N5->text(), "名前(&N)");
}

TEST_F(TForm1SettingsTest, TheAboutBoxIsWideEnoughForItsCaptionAndTexts)
{
    Start();
    TFrmAbout& about = *Form->FrmAbout;
    about.adjustSize();
    EXPECT_GE(about.width(), about.fontMetrics().horizontalAdvance(about.windowTitle()) + 100);
    for (QLabel* label : {about.ProductName, about.Version, about.Comments})
        EXPECT_GE(label->width(), label->sizeHint().width()) << label->text().toStdString();
}

} // namespace

namespace {

TEST_F(TForm1SettingsTest, HostileStoredValuesNeitherCrashNorLeaveTheGrid)
{
    const char* const files[] = {
        "[Window]\nTop=1E300\nLeft=-1E300\nRight=1E308\nBottom=-5\n"
        "[Exam]\nRow=100000\nCol=-7\nSeparate=1E300\n"
        "[ExamFont]\nSize=100000\nName=\n"
        "[PageTitle]\nPos=4\nX=1E300\nY=-1E300\nSize=-3\n"
        "[DateTime]\nPos=9\nX=nan\nY=1E308\nSize=0\n",
        "[Window]\nTop=NAN\nLeft=INF\nRight=-INF\nBottom=NAN\n"
        "[Exam]\nRow=-1\nCol=0\nSeparate=INF\n[ExamFont]\nSize=-100000\n"};
    for (const char* file : files) {
        SCOPED_TRACE(file);
        Form.reset();
        WriteFile(file);
        Start();
        Form->Memo1->setPlainText("1.5\n2\n3");
        Form->Memo2->setPlainText("2.25\n4\n5");
        Form->Memo3->setPlainText("3.75\n6\n8");
        Form->Button1->click();
        Form->Button2->click();
        EXPECT_FALSE(Program().isEmpty());
        EXPECT_LE(Program().filter("TextOut").size(), 60);
        // One message names the file and its refused keys; the grid is one
        // the fields take.
        ASSERT_EQ(Prompts.Messages.size(), 1);
        for (const char* key : {"Window/Top", "Exam/Row", "Exam/Col", "ExamFont/Size"})
            EXPECT_TRUE(Prompts.Messages[0].contains(QString::fromLatin1(key))) << key;
        EXPECT_TRUE(Prompts.Messages[0].contains(QDir::toNativeSeparators(Path)));
        EXPECT_TRUE(CheckCols(Form->EdtCol->text().toStdString(),
                              Form->EdtRow->text().toStdString()).Accepted);
        Prompts.Messages.clear();
        Form->close();
    }
}

} // namespace

namespace {

TEST_F(TForm1SettingsTest, TheStyleDialogsHelpIsTheGeneralHelpPage)
{
    Start();
    Form->SetHelpLinks({"https://home.example", "https://help.example/", "https://help.example/d"});
    Prompts.OpenUrlResult = false;
    Form->FrmStyle->Button1->click();
    EXPECT_EQ(Prompts.Asked.first(), "url: https://help.example/");
    EXPECT_EQ(Prompts.Messages, QStringList{"エラー：繰り返し発生する場合作者へご連絡下さい"});
}

TEST_F(TForm1SettingsTest, ThePreviewFirstOpensOnTheWholePageAndKeepsTheViewChosenLater)
{
    Start();
    MakeProblems();
    Form->Button1->click();
    TFrmPrev* prev = Form->FrmPrev;
    EXPECT_EQ(prev->Engine().PageView, 2);
    EXPECT_TRUE(prev->Image2->isVisibleTo(prev));
    EXPECT_EQ(prev->Engine().WholePageImage().size(),
              prev->Engine().Geometry.WholePageImageSize(prev->ClientSize()));
    prev->W1->trigger();
    Form->close();
    Form.reset();
    Start();
    MakeProblems();
    Form->Button1->click();
    EXPECT_EQ(Form->FrmPrev->Engine().PageView, 1);
}

} // namespace
