// Class sets from the main window: the menu item, a set saved as one PDF
// with the window's settings, and nothing written when the user cancels.
#include "support/ScriptedPrompts.h"
#include "prevform/PrevEngine.h"
#include "preview/TFrmPrev.h"
#include "sheet/ClassSet.h"
#include "sheet/SetProgress.h"
#include "support/ScratchFile.h"
#include "worksheet/TForm1.h"
#include "worksheet/TFrmClassSet.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTabBar>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class StopAt : public SetProgress {
public:
    int CancelAt = -1;
    int Steps = 0;
    bool Closed = false;
    bool Step(int done, int, const QString&) override
    {
        ++Steps;
        return done != CancelAt;
    }
    void Close() override { Closed = true; }
};

class TForm1ClassSetTest : public ::testing::Test {
protected:
    QTemporaryDir Dir;
    ScriptedPrompts Prompts;
    TForm1 Form{Prompts, 2024};
    StopAt Progress;

    QString Path() const { return Dir.filePath(QStringLiteral("class.pdf")); }

    int PdfPages() const
    {
        QFile file(Path());
        if (!file.open(QIODevice::ReadOnly))
            return -1;
        return int(QString::fromLatin1(file.readAll())
                       .count(QRegularExpression(QStringLiteral("/Type\\s*/Page(?![a-zA-Z])"))));
    }
};

TEST_F(TForm1ClassSetTest, TheMenuItemFollowsPrint)
{
    const QList<QAction*> items = Form.MenuFile->actions();
    const qsizetype print = items.indexOf(Form.Print1);
    ASSERT_GE(print, 0);
    ASSERT_LT(print + 1, items.size());
    EXPECT_EQ(items.at(print + 1), Form.K1);
    EXPECT_EQ(Form.K1->text(), QStringLiteral("クラス分を作る(&K)..."));
}

TEST_F(TForm1ClassSetTest, ASetOfNamesIsSavedAsOnePdfAndTheListsStayAsTheyWere)
{
    Form.BtnMake->click();
    const QString memo = Form.Memo1->toPlainText();
    const std::optional<SheetCode> code = Form.CurCode;
    SetRequest request{1, {"Aoi", "Ren", "Sora"}, SetOrder::Pairs, 99};
    ASSERT_TRUE(Form.MakeClassSet(request, Path(), Progress));
    EXPECT_EQ(PdfPages(), 6);
    EXPECT_EQ(Form.Memo1->toPlainText(), memo);
    EXPECT_EQ(Form.CurCode, code);
    EXPECT_EQ(Form.PanelText(0), QStringLiteral("No. ") + QString::fromStdString(code->Text()));

    request.Order = SetOrder::Problems;
    ASSERT_TRUE(Form.MakeClassSet(request, Path(), Progress));
    EXPECT_EQ(PdfPages(), 3);
}

TEST_F(TForm1ClassSetTest, CancellingWritesNothing)
{
    for (int cancelAt : {1, 5}) {  // while making the sheets; while writing the PDF
        Progress.CancelAt = cancelAt;
        EXPECT_FALSE(Form.MakeClassSet(SetRequest{4, {}, SetOrder::Pairs, 5}, Path(), Progress));
        EXPECT_FALSE(QFile::exists(Path())) << cancelAt;
        EXPECT_TRUE(QDir(Dir.path()).entryList(QDir::Files | QDir::Hidden).isEmpty());
        EXPECT_TRUE(Prompts.Messages.isEmpty());
    }
}

TEST_F(TForm1ClassSetTest, PrintingWithoutAPrinterAsksForTheFileBeforeTheSetIsMade)
{
    Form.show();
    // Cancelling the file question makes and prints nothing.
    Prompts.FileAnswers = {std::nullopt};
    EXPECT_FALSE(Form.MakeClassSet(SetRequest{2, {}, SetOrder::Pairs, 5}, std::nullopt, Progress));
    EXPECT_EQ(Progress.Steps, 0);
    EXPECT_FALSE(Form.FrmPrev->isVisible());

    // The file is asked before the first sheet; the progress is closed
    // before the one job goes to it.
    QStringList seen;
    Prompts.OnAsk = [&] {
        seen << QStringLiteral("%1 %2").arg(Progress.Steps).arg(Progress.Closed);
    };
    Prompts.FileAnswers = {Path()};
    ASSERT_TRUE(Form.MakeClassSet(SetRequest{2, {}, SetOrder::Pairs, 5}, std::nullopt, Progress));
    EXPECT_TRUE(Form.FrmPrev->isVisible());
    EXPECT_EQ(PdfPages(), 4);
    EXPECT_EQ(Prompts.Asked.filter(QStringLiteral("save:")).size(), 2);
    ASSERT_EQ(seen.size(), 2);  // the file, then the message naming it
    EXPECT_EQ(seen.first(), QStringLiteral("0 0"));
    EXPECT_TRUE(seen.last().endsWith(QStringLiteral(" 1")));
    EXPECT_EQ(Form.FrmPrev->Engine().Printer().JobTitle(), QStringLiteral("小数の計算 問題と答え No.1～No.2"));
}

TEST_F(TForm1ClassSetTest, ASingleSheetShowsTheCodeOfItsProblemsWhenAsked)
{
    Form.show();
    Form.BtnMake->click();
    const QString code = QString::fromStdString(Form.CurCode->Text());
    const QString drawn = QStringLiteral("\"%1\",NIL").arg(code);
    Form.Button1->click();
    EXPECT_TRUE(Form.FrmPrev->Engine().ListbyProgram.filter(drawn).isEmpty());
    Form.Sheet.fCode = true;
    for (QPushButton* button : {Form.Button1, Form.Button2}) {
        button->click();
        EXPECT_EQ(Form.FrmPrev->Engine().ListbyProgram.filter(drawn).size(), 1);
    }
}

// Ranges that leave only 5 - 5 = 0, which a positive result refuses: every
// problem loops over.
class LoopingSetTest : public TForm1ClassSetTest {
protected:
    void SetUp() override
    {
        Form.TabControl1->setCurrentIndex(OpSub);
        const char* const ranges[] = {"5", "", "5", "", "5", "", "5", ""};
        for (int i = 0; i < RangeEditCount; ++i)
            Form.RangeEdit(i)->setText(QString::fromUtf8(ranges[i]));
    }

    int Questions() const
    {
        return int(Prompts.Asked.filter(QStringLiteral("confirm:")).size());
    }
};

TEST_F(LoopingSetTest, TheLoopOverQuestionIsAskedOnceAndYesCarriesThroughTheSet)
{
    Prompts.ConfirmAnswers = {true};
    ASSERT_TRUE(Form.MakeClassSet(SetRequest{3, {}, SetOrder::Pairs, 5}, Path(), Progress));
    EXPECT_EQ(Questions(), 1);
    EXPECT_EQ(PdfPages(), 6);
}

TEST_F(LoopingSetTest, NoAbandonsTheSetAndWritesNothing)
{
    Prompts.ConfirmAnswers = {false};
    EXPECT_FALSE(Form.MakeClassSet(SetRequest{3, {}, SetOrder::Pairs, 5}, Path(), Progress));
    EXPECT_EQ(Questions(), 1);
    EXPECT_FALSE(QFile::exists(Path()));
}

TEST_F(TForm1ClassSetTest, AFileThatCannotBeWrittenIsNamed)
{
    EXPECT_FALSE(Form.MakeClassSet(SetRequest{1, {}, SetOrder::Pairs, 5},
                                   QStringLiteral("/nonexistent-dir/class.pdf"), Progress));
    ASSERT_EQ(Prompts.Messages.size(), 1);
    EXPECT_TRUE(Prompts.Messages.first().contains(QStringLiteral("/nonexistent-dir/class.pdf")));
}

TEST_F(TForm1ClassSetTest, ACountOutOfRangeIsRefusedOnMakingAsTyped)
{
    TFrmClassSet& dialog = *Form.FrmClassSet;
    const struct {
        const char* Typed;
        bool Refused;
    } cases[] = {{"", true}, {"0", true}, {"51", true}, {"abc", true}, {" 4 ", false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Typed);
        Prompts.Messages.clear();
        dialog.setResult(QDialog::Rejected);
        dialog.EdtCount->setText(QString::fromUtf8(c.Typed));
        dialog.Finish(TFrmClassSet::Action::Pdf);
        EXPECT_EQ(dialog.EdtCount->text(), QString::fromUtf8(c.Typed));  // nothing dropped
        EXPECT_EQ(dialog.result() == QDialog::Accepted, !c.Refused);
        EXPECT_EQ(Prompts.Messages, c.Refused ? QStringList{"枚数は1から50までです"} : QStringList{});
    }
    EXPECT_EQ(dialog.Request().Count, 4);
}

TEST_F(TForm1ClassSetTest, AListFileMustBeTextItsHeadingIsSkippedAndTheNamesAreShown)
{
    TFrmClassSet& dialog = *Form.FrmClassSet;
    const QString binary = Dir.filePath(QStringLiteral("class.xlsx"));
    const QString csv = Dir.filePath(QStringLiteral("class.csv"));
    ASSERT_TRUE(WriteScratchFile(binary, QByteArray("PK\x03\x04\x14\x00\x06\x00Aoi\nRen\n", 16)));
    ASSERT_TRUE(WriteScratchFile(csv, QString::fromUtf16(u"氏名,番号\n青木,1\n井上,2\n上田,3\n江藤,4\n")
                                          .toUtf8()));
    Prompts.FileAnswers = {binary, csv};
    dialog.BtnLoad->click();
    ASSERT_EQ(Prompts.Messages.size(), 1);
    EXPECT_TRUE(Prompts.Messages[0].contains(binary) && Prompts.Messages[0].contains("CSV"));
    EXPECT_TRUE(dialog.MemoNames->toPlainText().isEmpty());

    dialog.BtnLoad->click();
    EXPECT_EQ(Prompts.Messages.size(), 1);
    EXPECT_EQ(dialog.Request().Names, QString::fromUtf16(u"青木 井上 上田 江藤").split(' '));
    EXPECT_EQ(dialog.LblNames->text(), QString::fromUtf16(u"4人：青木、井上、上田 ほか"));
    EXPECT_EQ(dialog.EdtCount->text(), "4");
    EXPECT_FALSE(dialog.EdtCount->isEnabled());
}

TEST_F(TForm1ClassSetTest, FileTypesAreNamedInJapaneseBesideTheWindowsOwnTwo)
{
    Form.show();
    Form.Button1->click();
    Form.FrmPrev->B1Click();
    Form.FrmPrev->AskPrintTarget();
    Form.FrmClassSet->BtnLoadClick();
    ASSERT_EQ(Prompts.Filters.size(), 3);
    const QStringList designed{"Bitmap files (*.bmp)", "Jpeg files (*.jpg *.jpeg)"};
    for (const QString& filter : Prompts.Filters)
        for (const QString& entry : filter.split(QStringLiteral(";;")))
            EXPECT_TRUE(designed.contains(entry) || !entry.contains(QStringLiteral("files")))
                << entry.toStdString();
}

} // namespace
