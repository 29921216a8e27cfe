#pragma once
// A sheet's whole setup as the settings file holds it: the main window's
// sections (operation, ranges, options, grid, fonts, margins, page texts,
// answer placement), the date-and-time heading's record and the four page
// strings of the preview, with the starting layout given to records never
// configured. The window reads the same sections at its start; the
// command-line tool reads them with LoadSheetSetup and never writes them.
#include "generation/ExamSettings.h"
#include "sheet/SheetSettings.h"

class ComposeEngine;
class IniFile;
class PrevEngine;

// The date-and-time heading's record from its section ("DateTime").
void LoadDateTimeRecord(const IniFile& ini, TPageStr& record);
void SaveDateTimeRecord(IniFile& ini, const TPageStr& record);

// The title, the subtitle and the date-and-time heading get their starting
// layout while unconfigured (header and footer stay off).
void GiveStartingLayouts(ComposeEngine& engine, SheetSettings& sheet);

// Everything above from ini: exam and sheet as the window loads them
// (starting from the window's own problem font), the page strings into the
// engine's records.
void LoadSheetSetup(const IniFile& ini, ExamSettings& exam, SheetSettings& sheet,
                    PrevEngine& engine);
