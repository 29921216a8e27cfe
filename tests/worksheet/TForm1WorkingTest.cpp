// The main window while a generation run works: input that would re-enter
// the run is held off, the progress dialog shows after half a second, and a
// run ended by キャンセル or by closing the window leaves the lists as they
// were.
#include "TForm1Fixture.h"

#include "sheet/ClassSet.h"
#include "sheet/SetProgress.h"
#include "worksheet/InputGate.h"
#include "worksheet/TFrmRunProgress.h"
#include "worksheet/WindowGenHost.h"

#include <QElapsedTimer>
#include <QKeyEvent>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QTemporaryDir>

namespace {

class TForm1WorkingTest : public TForm1Test {
protected:
    // A division that rejects nearly every attempt: it works for a long
    // time, reporting as it goes, before it ends or asks its question.
    void SetSlowDivision()
    {
        Form.TabControl1->setCurrentIndex(OpDiv);
        SetRanges({"1", "00", "9", "99", "900", "", "1000", ""});
        Form.Exam.rnd_D = 4100;
        Form.Exam.nRound = 1;
        Form.Exam.fDecOnly = true;
        Form.Exam.fFullDec = true;
        Form.Exam.ExamRowN = 10;
        Form.Exam.ExamColN = 2;
    }

    // Lists of a finished run, for checking that a cut-short one keeps them.
    QStringList MakeSmallRun()
    {
        Form.BtnMake->click();
        return Lists();
    }

    QStringList Lists() const
    {
        return {Form.Memo1->toPlainText(), Form.Memo2->toPlainText(), Form.Memo3->toPlainText()};
    }
};

TEST_F(TForm1WorkingTest, GateDropsInputToTheWindowButNotToDialogsNorPainting)
{
    TFrmRunProgress dialog(&Form);
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(2, 2), QPointF(2, 2), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QKeyEvent key(QEvent::KeyPress, Qt::Key_M, Qt::AltModifier);
    QKeyEvent shortcutOverride(QEvent::ShortcutOverride, Qt::Key_M, Qt::AltModifier);
    QPaintEvent paint(QRect(0, 0, 5, 5));
    QEvent shortcut(QEvent::Shortcut);
    struct Case { const char* Name; QObject* Receiver; QEvent* Event; bool Dropped; };
    const Case cases[] = {
        {"click on 作成", Form.BtnMake, &press, true},
        {"key in a list", Form.Memo1, &key, true},
        {"shortcut override in a range edit", Form.EdtMin1, &shortcutOverride, true},
        {"menu shortcut", Form.K1, &shortcut, true},
        {"click on the menu bar", Form.menuBar(), &press, true},
        {"painting the window", Form.Memo1, &paint, false},
        {"click on キャンセル", dialog.BtnCancel, &press, false},
        {"key in the dialog", &dialog, &key, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(InputGate::Drops(c.Receiver, c.Event), c.Dropped) << c.Name;
}

TEST_F(TForm1WorkingTest, EndingARunEarlyLeavesTheListsAndRefusesNewRuns)
{
    // How the user ends the run, once the progress dialog has shown; and
    // whether the run is one sheet of a class set saved as PDF.
    struct Case { const char* Name; std::function<void(TForm1&)> End; bool Set; };
    const auto cancel = [](TForm1& form) { form.RunHost().ProgressDialog()->BtnCancel->click(); };
    const Case cases[] = {
        {"キャンセル", cancel, false},
        {"Esc in the dialog", [](TForm1& form) {
             QTest::keyClick(form.RunHost().ProgressDialog(), Qt::Key_Escape);
         }, false},
        {"closing the window", [](TForm1& form) { form.close(); }, false},
        {"キャンセル in a class set", cancel, true},
    };
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("class.pdf"));
    SilentProgress setProgress;
    QApplication::setQuitOnLastWindowClosed(false);
    // The dialog at the run's first report: the run need not be long.
    Form.RunHost().ShowProgressAfterMs = 0;
    const ExamSettings start = Form.Exam;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        Form.show();
        Form.Exam = start;
        SetRanges(ExamSettings::DefaultRanges());
        Form.TabControl1->setCurrentIndex(OpAdd);
        const QStringList before = MakeSmallRun();
        ASSERT_FALSE(before.first().isEmpty());
        SetSlowDivision();
        // The tab change emptied the lists: put the earlier ones back.
        Form.Memo1->setPlainText(before[0]);
        Form.Memo2->setPlainText(before[1]);
        Form.Memo3->setPlainText(before[2]);

        int clicks = 0;
        const QMetaObject::Connection counting =
            QObject::connect(Form.BtnMake, &QPushButton::clicked, [&clicks] { ++clicks; });
        QElapsedTimer sinceEnd;
        QTimer poll;
        poll.setInterval(5);
        QObject::connect(&poll, &QTimer::timeout, &Form, [&] {
            TFrmRunProgress* dialog = Form.RunHost().ProgressDialog();
            if (!dialog || !dialog->isVisible() || sinceEnd.isValid())
                return;
            // The window takes no click or shortcut while the run works.
            QTest::mouseClick(Form.BtnMake, Qt::LeftButton);
            QTest::keyClick(&Form, Qt::Key_M, Qt::AltModifier);
            EXPECT_TRUE(dialog->LblProgress->text().startsWith(QStringLiteral("問題を作っています… ")));
            sinceEnd.start();
            c.End(Form);
        });
        poll.start();
        if (c.Set)
            EXPECT_FALSE(Form.MakeClassSet(SetRequest{3, {}, SetOrder::Pairs, 1001}, pdf, setProgress));
        else
            Form.MakeProblemsFromCode(*SheetCode::FromSeed(1001));
        poll.stop();
        QObject::disconnect(counting);

        ASSERT_TRUE(sinceEnd.isValid()) << "the progress dialog never showed";
        EXPECT_LT(sinceEnd.elapsed(), 500);
        EXPECT_EQ(clicks, 0);
        EXPECT_EQ(Lists(), before);
        EXPECT_FALSE(Form.RunHost().ProgressDialog()->isVisible());
        EXPECT_TRUE(Prompts.Messages.isEmpty());
        EXPECT_FALSE(QFile::exists(pdf));
    }
    // After the run the window takes its clicks again.
    Form.Exam = start;
    SetRanges(ExamSettings::DefaultRanges());
    Form.TabControl1->setCurrentIndex(OpAdd);
    QTest::mouseClick(Form.BtnMake, Qt::LeftButton);
    EXPECT_FALSE(Form.Memo1->toPlainText().isEmpty());
}

TEST_F(TForm1WorkingTest, ProgressShowsOnlyAfterHalfASecondAndNeverOverTheQuestion)
{
    WindowGenHost& host = Form.RunHost();
    WindowGenHost::Scope run(host);
    host.Working({3, 20, 0});
    EXPECT_EQ(host.ProgressDialog(), nullptr);
    QTest::qWait(WindowGenHost::kShowProgressAfterMs);
    host.Working({3, 20, 0});
    ASSERT_NE(host.ProgressDialog(), nullptr);
    EXPECT_TRUE(host.ProgressDialog()->isVisible());
    EXPECT_EQ(host.ProgressDialog()->LblProgress->text(), QStringLiteral("問題を作っています… 3 / 20 問"));
    bool dialogDuringQuestion = true;
    Prompts.OnAsk = [&] { dialogDuringQuestion = host.ProgressDialog()->isVisible(); };
    host.Confirm("最大値や最小値の条件は合っていますか?");
    EXPECT_FALSE(dialogDuringQuestion);
    host.Working({4, 20, 0});  // the answer restarted the half second
    EXPECT_FALSE(host.ProgressDialog()->isVisible());
}

} // namespace
