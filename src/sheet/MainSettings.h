#pragma once
// The main window's sections of the settings file: "Page", "Answer",
// "Window", "Exam" (with the operation tab), "Range" (the eight range
// texts), "ExamFont", "Hissan" and "Instruction" (the instruction line's
// record with its text), every key in the order it is written.
// A value the window or the style dialog would refuse (a margin above 60,
// a grid of more than 20 problems ...) reads as its default, as do values
// of section "Hissan" outside their range. The page-string sections and the
// preview's own sections are written by their owners.
#include "generation/ExamSettings.h"
#include "sheet/SheetSettings.h"

#include <QStringList>

class IniFile;

// The four page-text boxes of the main window as they stand when saving.
struct PageTexts {
    QString Header;
    QString Footer;
    QString PageTitle;
    QString SubTitle;
};

// Reads every key into the settings; an absent key or a value of the wrong
// kind gives the key's default, except the tab and the range texts: absent
// ones keep the record's, and texts the range check refuses keep all eight. The face of sheet.FntExam as it stands is
// the default face; "Bold" and "Italic" change only their own style bits.
// The grid counts go into exam, their one owner. Returns the keys whose
// values were refused ("Window/Right", ...; CheckFileValues).
QStringList LoadMainSettings(const IniFile& ini, ExamSettings& exam, SheetSettings& sheet);
// The same, but a value the window would refuse falls back to the one of
// fallbackExam and fallbackSheet instead of the default (a preset read over
// the current settings keeps the current value).
QStringList LoadMainSettingsOver(const IniFile& ini, ExamSettings& exam, SheetSettings& sheet,
                                 const ExamSettings& fallbackExam,
                                 const SheetSettings& fallbackSheet);

// Writes every key, empty texts included; the grid counts come from exam,
// the four page texts from the boxes.
void SaveMainSettings(IniFile& ini, const ExamSettings& exam, const SheetSettings& sheet,
                      const PageTexts& boxes);
