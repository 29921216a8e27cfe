// The main window's answer adjustments (答えの調整) and the check and radio
// items of its option menu: each writes its one setting into the problem
// settings that the next run reads.
#include "worksheet/TForm1.h"

#include "generation/AnswerOptions.h"
#include "worksheet/TFrmAbout.h"
#include "worksheet/TFrmRndD.h"

#include <QAction>
#include <QCheckBox>
#include <QTabBar>

void TForm1::CBoxRoundClick(bool checked)
{
    const bool state = ::CBoxRoundClick(Exam, checked, TabControl1->currentIndex());
    if (state != checked)
        CBoxRound->setChecked(state);
}

void TForm1::CBoxRestClick(bool checked)
{
    if (::CBoxRestClick(Exam, checked))
        CBoxJust->setChecked(false);
}

void TForm1::CBoxJustClick(bool checked)
{
    if (::CBoxJustClick(Exam, checked))
        CBoxRest->setChecked(false);
}

void TForm1::CBoxZeroClick(bool checked)
{
    Exam.fZero = checked;
}

void TForm1::CBoxOneClick(bool checked)
{
    Exam.fOne = checked;
}

void TForm1::RA1Click()
{
    Exam.nMinus = 0;
    RA1->setChecked(true);
}

void TForm1::RB1Click()
{
    Exam.nMinus = 1;
    RB1->setChecked(true);
}

void TForm1::RC1Click()
{
    Exam.nMinus = 2;
    RC1->setChecked(true);
}

void TForm1::Z1Click()
{
    // The action toggles its own check mark before this runs.
    Exam.fDelZero = Z1->isChecked();
}

void TForm1::I1Click()
{
    Exam.fDecOnly = I1->isChecked();
}

void TForm1::Y1Click()
{
    Exam.fYaku = Y1->isChecked();
}

void TForm1::L1Click()
{
    Exam.fFullDec = L1->isChecked();
}

void TForm1::Q1Click()
{
    Exam.fNoRepeat = Q1->isChecked();
}

void TForm1::U1Click()
{
    Exam.fUnitOnly = U1->isChecked();
}

void TForm1::W1Click()
{
    Exam.fFewSame = W1->isChecked();
}

void TForm1::J1Click()
{
    Exam.fJustExact = J1->isChecked();
}

void TForm1::CBoxRoundSigClick(bool checked)
{
    Exam.fRoundSig = checked;
}

void TForm1::R1Click()
{
    if (std::optional<int> d = FrmRndD->Execute(Exam.rnd_D))
        Exam.rnd_D = *d;
}

void TForm1::A1Click()
{
    FrmAbout->exec();
}
