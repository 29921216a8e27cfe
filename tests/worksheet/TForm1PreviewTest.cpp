// The main window's preview side: the two preview buttons compose into the
// preview window, and the printing items sit in the file menu.
#include "TypeInto.h"
#include "support/ScriptedPrompts.h"
#include "prevform/ForwardingSurface.h"
#include "prevform/QPainterSurface.h"
#include "preview/TFrmPrev.h"
#include "worksheet/TForm1.h"

#include <QAction>
#include <QCheckBox>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTabBar>
#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace {

// Draws a pass on a page image like the window's and keeps every text call,
// so a test knows where each text went and in which font.
class TextTee : public ForwardingSurface {
public:
    struct Text {
        QPoint TopLeft;
        QString Str;
        DeviceFont Font;
        SurfaceBrush Brush;
        int Advance;
    };
    TextTee(QSize size, int dpi) : ForwardingSurface(Page), Page(size, dpi) {}
    std::vector<Text> Texts;

    void DrawText(QPoint topLeft, const QString& text, const DeviceFont& font,
                  const SurfaceBrush& brush, int advance) override
    {
        Texts.push_back({topLeft, text, font, brush, advance});
        ForwardingSurface::DrawText(topLeft, text, font, brush, advance);
    }

private:
    QPainterSurface Page;
};

class TForm1PreviewTest : public ::testing::Test {
protected:
    ScriptedPrompts Prompts;
    TForm1 Form{Prompts, 777};

    static QStringList Lines(const QPlainTextEdit* memo)
    {
        return memo->toPlainText().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    }

    // The pixels text covers when drawn alone, each of which must be ink in page.
    static bool InkOf(const TextTee::Text& text, const QImage& page, int& covered)
    {
        QPainterSurface alone(page.size(), 96);
        alone.DrawText(text.TopLeft, text.Str, text.Font, text.Brush, text.Advance);
        const QImage& ink = alone.Image();
        covered = 0;
        for (int y = 0; y < ink.height(); ++y)
            for (int x = 0; x < ink.width(); ++x) {
                if ((ink.pixel(x, y) & 0xFFFFFF) == 0xFFFFFF)
                    continue;
                ++covered;
                if ((page.pixel(x, y) & 0xFFFFFF) == 0xFFFFFF)
                    return false;
            }
        return covered > 0;
    }
};

TEST_F(TForm1PreviewTest, PrintingItemsComeAfterStyleBeforeTheSeparatorAndExit)
{
    QStringList captions;
    for (const QAction* item : Form.MenuFile->actions())
        captions << (item->isSeparator() ? QStringLiteral("-") : item->text());
    EXPECT_EQ(captions,
              (QStringList{QStringLiteral("スタイル(&S)"), QStringLiteral("プリンタ設定(&S)"),
                           QStringLiteral("印刷(&P)"), QStringLiteral("クラス分を作る(&K)..."),
                           QStringLiteral("-"), QStringLiteral("終了(&X)")}));
    EXPECT_EQ(Form.Button1->text(), QStringLiteral("問題(&Q)"));
    EXPECT_EQ(Form.Button2->text(), QStringLiteral("答え(&A)"));
    EXPECT_FALSE(Form.FrmPrev->isVisible()) << "created hidden";
}

TEST_F(TForm1PreviewTest, ProblemButtonShowsTheSheetWithTheProblemsTexts)
{
    Form.show();
    TypeInto(Form.EdtRow, QStringLiteral("10"));
    Form.BtnMake->click();
    Form.Button1->click();
    QApplication::processEvents();
    TFrmPrev& prev = *Form.FrmPrev;
    ASSERT_TRUE(prev.isVisible());
    EXPECT_EQ(prev.Engine().Copyright.psStr, QStringLiteral("shosu-drill"));

    // The page image the window shows, and the same pass once more with its texts recorded.
    const QImage shown = prev.Image1->pixmap().toImage().convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(shown.size(), prev.Engine().PageImage().size());
    TextTee tee(shown.size(), prev.Engine().Geometry.MonitorRes);
    prev.Engine().DrawGraphicsOn(tee);

    const QStringList first = Lines(Form.Memo1);
    const QStringList second = Lines(Form.Memo2);
    ASSERT_EQ(first.size(), 10);
    for (int i = 0; i < first.size(); ++i) {
        const QString problem = first[i] + QStringLiteral(" ＋ ") + second[i];
        SCOPED_TRACE(problem.toStdString());
        auto drawn = std::find_if(tee.Texts.begin(), tee.Texts.end(),
                                  [&](const TextTee::Text& t) { return t.Str.startsWith(problem); });
        ASSERT_NE(drawn, tee.Texts.end());
        int covered = 0;
        EXPECT_TRUE(InkOf(*drawn, shown, covered)) << covered << " pixels";
    }
}

TEST_F(TForm1PreviewTest, AnswerButtonComposesTheAnswerSheetUnlessAnswersAreOff)
{
    Form.show();
    Form.BtnMake->click();
    Form.Sheet.AnswerType = 0;
    Form.Button2->click();
    EXPECT_FALSE(Form.FrmPrev->isVisible()) << "no reaction at all";

    Form.Sheet.AnswerType = 1;
    Form.Button2->click();
    ASSERT_TRUE(Form.FrmPrev->isVisible());
    const QString answers = Form.FrmPrev->Engine().ListbyProgram.join(u'\n');
    for (const QString& answer : Lines(Form.Memo3))
        EXPECT_TRUE(answers.contains(answer)) << answer.toStdString();
}

TEST_F(TForm1PreviewTest, AnswerButtonWithoutProblemsOpensAnEmptyPreview)
{
    Form.show();
    Form.FrmPrev->Engine().ListbyProgram = {QStringLiteral("Line,0,0,50,50")};
    Form.Button2->click();
    ASSERT_TRUE(Form.FrmPrev->isVisible());
    EXPECT_TRUE(Form.FrmPrev->Engine().ListbyProgram.isEmpty());
}

// A job in the print queue tells which sheet it is: the kind and the code
// the status bar shows.
TEST_F(TForm1PreviewTest, EverySheetPrintsUnderATitleWithItsKindAndCode)
{
    Form.show();
    Form.BtnMake->click();
    const QString code = Form.StBarPanel0->text();
    ASSERT_TRUE(code.startsWith(QStringLiteral("No. "))) << code.toStdString();
    const struct {
        QPushButton* Button;
        QString Title;
    } sheets[] = {
        {Form.Button1, QStringLiteral("小数の計算 問題 ") + code},
        {Form.Button2, QStringLiteral("小数の計算 答え ") + code},
    };
    for (const auto& sheet : sheets) {
        sheet.Button->click();
        EXPECT_EQ(Form.FrmPrev->JobTitle(), sheet.Title);
        Prompts.FileAnswers = {std::nullopt};
        Form.Print1->trigger();
        EXPECT_EQ(Form.FrmPrev->Engine().Printer().JobTitle(), sheet.Title);
    }
}

TEST_F(TForm1PreviewTest, PrintWhileThePreviewIsHiddenPrintsNothing)
{
    Form.show();
    Form.BtnMake->click();
    Form.Print1->trigger();
    EXPECT_TRUE(Prompts.Asked.isEmpty());
    Form.Button1->click();
    Prompts.FileAnswers = {std::nullopt};
    Form.Print1->trigger();
    EXPECT_EQ(Prompts.Asked, QStringList{QStringLiteral("save: PDF ファイルに印刷")});
}

} // namespace

namespace {

// The window works its divisions the way its answers are asked for: with
// remainders on, the worked answer sheet ends every division in the
// remainder of its answer, written on the digit pitch; a grid that does not
// fit one page reaches the preview as a document of several pages.
TEST_F(TForm1PreviewTest, WorkedDivisionSheetFollowsTheWindowsRemainderSetting)
{
    Form.show();
    Form.TabControl1->setCurrentIndex(3);
    Form.CBoxRest->setChecked(true);
    Form.Exam.ExamRowN = 10;
    Form.Exam.ExamColN = 2;
    Form.Sheet.ExamType = true;
    Form.Sheet.fTextbook = true;
    Form.Sheet.fWorked = true;
    Form.BtnMake->click();
    Form.Button2->click();
    ASSERT_TRUE(Form.FrmPrev->isVisible());
    ASSERT_GE(Form.FrmPrev->PageCount(), 2);
    QString document;
    for (int page = 0; page < Form.FrmPrev->PageCount(); ++page) {
        Form.FrmPrev->ShowPage(page);
        document += Form.FrmPrev->Engine().ListbyProgram.join(u'\n') + u'\n';
    }
    const QStringList answers = Lines(Form.Memo3);
    ASSERT_FALSE(answers.isEmpty());
    for (const QString& answer : answers) {
        ASSERT_TRUE(answer.contains(QStringLiteral(" あまり "))) << answer.toStdString();
        // The remainder row may carry zeros after the last digit of the answer's.
        const QString rest = answer.section(QStringLiteral(" あまり "), 1).remove(u'.');
        EXPECT_TRUE(document.contains(QRegularExpression(QStringLiteral("\"") + rest + QStringLiteral("0*\",\\d"))))
            << answer.toStdString();
        EXPECT_TRUE(document.contains(u'"' + answer + u'"')) << answer.toStdString();
    }
}

// A key is worked with the settings that made its problems: turning
// あまり off, or moving the rounding place, after 作成 leaves the sheets of
// the problems already made as they were. 教科書の書き方 alone gives the
// textbook form.
TEST_F(TForm1PreviewTest, SheetsOfMadeProblemsKeepTheSettingsThatMadeThem)
{
    struct Change {
        const char* Name;
        bool Rest;
        std::function<void(TForm1&)> Apply;
    };
    const Change changes[] = {
        {"あまり off", true, [](TForm1& f) { f.CBoxRest->setChecked(false); }},
        {"rounding place", false, [](TForm1& f) {
             f.EdtRound->setText(QStringLiteral("4"));
             f.EdtRoundExit();
         }},
    };
    // The answer sheet as the preview holds it, page by page.
    auto answerPages = [&] {
        Form.Button2->click();
        QList<QStringList> pages;
        for (int page = 0; page < Form.FrmPrev->PageCount(); ++page) {
            Form.FrmPrev->ShowPage(page);
            pages << Form.FrmPrev->Engine().ListbyProgram;
        }
        return pages;
    };
    Form.show();
    Form.TabControl1->setCurrentIndex(OpDiv);
    Form.Exam.ExamRowN = 3;
    Form.Exam.ExamColN = 1;
    Form.Sheet.ExamType = false;
    Form.Sheet.fTextbook = true;
    Form.Sheet.fWorked = true;
    for (const Change& change : changes) {
        SCOPED_TRACE(change.Name);
        Form.CBoxRest->setChecked(change.Rest);
        Form.BtnMake->click();
        const QList<QStringList> made = answerPages();
        ASSERT_FALSE(made.isEmpty());
        // Digits on the textbook form's pitch: «"24",6», not «"7.4 ÷ 0.3 = ...",Nil».
        EXPECT_TRUE(made.first().join(u'\n').contains(QRegularExpression(QStringLiteral("\",\\d"))));
        change.Apply(Form);
        EXPECT_EQ(answerPages(), made);
    }
}

} // namespace
