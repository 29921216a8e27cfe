// The main window while a generation run works: input that would re-enter
// the run is held off, the progress dialog shows after half a second, and a
// run ended by キャンセル or by closing the window leaves the lists as they
// were.
#include "TForm1Fixture.h"

#include "worksheet/InputGate.h"
#include "worksheet/TFrmRunProgress.h"
#include "worksheet/WindowGenHost.h"

#include <QElapsedTimer>
#include <QKeyEvent>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPaintEvent>

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
        return {Form.Memo1->toPlainText(), Form.Memo2->toPlainText(), Form.Memo3->toPlainText()};
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
    // How the user ends the run, once the progress dialog has shown.
    struct Case { const char* Name; std::function<void(TForm1&)> End; };
    const Case cases[] = {
        {"キャンセル", [](TForm1& form) {
             form.findChild<TFrmRunProgress*>()->BtnCancel->click();
         }},
        {"Esc in the dialog", [](TForm1& form) {
             QTest::keyClick(form.findChild<TFrmRunProgress*>(), Qt::Key_Escape);
         }},
        {"closing the window", [](TForm1& form) { form.close(); }},
    };
    QApplication::setQuitOnLastWindowClosed(false);
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
        bool dialogShown = false;
        QElapsedTimer sinceEnd;
        QTimer::singleShot(100, &Form, [&] {
            // Early in the run: the window takes no click or shortcut.
            QTest::mouseClick(Form.BtnMake, Qt::LeftButton);
            QTest::keyClick(&Form, Qt::Key_M, Qt::AltModifier);
        });
        QTimer poll;
        poll.setInterval(20);
        QObject::connect(&poll, &QTimer::timeout, &Form, [&] {
            auto* dialog = Form.findChild<TFrmRunProgress*>();
            if (!dialog || !dialog->isVisible() || sinceEnd.isValid())
                return;
            dialogShown = true;
            EXPECT_TRUE(dialog->LblProgress->text().startsWith(QStringLiteral("問題を作っています… ")));
            sinceEnd.start();
            c.End(Form);
        });
        poll.start();
        QElapsedTimer run;
        run.start();
        Form.MakeProblemsFromCode(*SheetCode::FromSeed(1001));
        poll.stop();
        QObject::disconnect(counting);

        EXPECT_TRUE(dialogShown);
        EXPECT_GE(run.elapsed(), WindowGenHost::kShowProgressAfterMs);
        ASSERT_TRUE(sinceEnd.isValid());
        EXPECT_LT(sinceEnd.elapsed(), 500);
        EXPECT_EQ(clicks, 0);
        EXPECT_EQ(Lists(), before);
        EXPECT_FALSE(Form.findChild<TFrmRunProgress*>()->isVisible());
        EXPECT_TRUE(Prompts.Messages.isEmpty());
    }
}

} // namespace
