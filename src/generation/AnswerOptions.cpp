#include "generation/AnswerOptions.h"

bool CBoxRoundClick(ExamSettings& settings, bool checked, int operation)
{
    // Division always rounds its quotient, so the box cannot be cleared there.
    settings.fRound = checked || operation == OpDiv;
    return settings.fRound;
}

bool CBoxRestClick(ExamSettings& settings, bool checked)
{
    settings.fRest = checked;
    bool clearJust = checked && settings.fJust;
    if (clearJust)
        settings.fJust = false;
    return clearJust;
}

bool CBoxJustClick(ExamSettings& settings, bool checked)
{
    settings.fJust = checked;
    bool clearRest = checked && settings.fRest;
    if (clearRest)
        settings.fRest = false;
    return clearRest;
}
