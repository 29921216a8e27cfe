#include "sheet/MainSettings.h"
#include "common/IniFile.h"
#include "generation/RangeCheck.h"
#include "sheet/GradePresets.h"
#include "sheet/SheetChecks.h"

namespace {

const QString kPage = QStringLiteral("Page");
const QString kAnswer = QStringLiteral("Answer");
const QString kWindow = QStringLiteral("Window");
const QString kExam = QStringLiteral("Exam");
const QString kExamFont = QStringLiteral("ExamFont");
const QString kHissan = QStringLiteral("Hissan");
const QString kRange = QString::fromLatin1(kPresetRangeSection);
const QString kInstruction = QStringLiteral("Instruction");

QString Key(const char* name)
{
    return QString::fromLatin1(name);
}

// A 0/1 key; any other value, like an absent one, gives def.
bool ReadSwitch(const IniFile& ini, const QString& section, const char* key, bool def)
{
    const int value = ini.ReadInteger(section, Key(key), def ? 1 : 0);
    return value == 0 || value == 1 ? value == 1 : def;
}

void LoadHissan(const IniFile& ini, SheetSettings& sheet)
{
    sheet.fTextbook = ReadSwitch(ini, kHissan, "Textbook", false);
    sheet.fWorked = ReadSwitch(ini, kHissan, "Worked", false);
    sheet.fSquares = ReadSwitch(ini, kHissan, "Squares", false);
    sheet.fFindMistake = ReadSwitch(ini, kHissan, "FindMistake", false);
    sheet.HissanPen = ini.ReadFloat(kHissan, Key("Pen"), SheetSettings::DefaultHissanPen);
    sheet.HissanPitch = ini.ReadFloat(kHissan, Key("Pitch"), 0);
}

// The tab and the eight range texts; absent keys keep the record's values
// (a fresh record's are the window's starting ones), and eight texts the
// window's range check refuses keep the record's eight.
void LoadTabAndRanges(const IniFile& ini, ExamSettings& exam, QStringList& refused)
{
    const int tab = ini.ReadInteger(kExam, QString::fromLatin1(kPresetTabKey), exam.Operation);
    if (tab >= OpAdd && tab <= OpDiv)
        exam.Operation = tab;
    else
        refused << QStringLiteral("Exam/") + QString::fromLatin1(kPresetTabKey);
    RangeTexts ranges = exam.Ranges;
    for (int i = 0; i < RangeEditCount; ++i)
        ranges[i] = ini.ReadString(kRange, Key(kPresetRangeKeys[i]),
                                   QString::fromStdString(ranges[i])).toStdString();
    for (int i = 0; i < RangeEditCount; ++i) {
        const RangeVerdict verdict = CheckRange(ranges, i);
        if (!verdict.Accepted) {
            refused << kRange + QLatin1Char('/') + Key(kPresetRangeKeys[i]);
            return;
        }
        ranges[i] = verdict.Text;
    }
    exam.Ranges = ranges;
}

} // namespace

QStringList LoadMainSettings(const IniFile& ini, ExamSettings& exam, SheetSettings& sheet)
{
    return LoadMainSettingsOver(ini, exam, sheet, ExamSettings{}, SheetSettings{});
}

QStringList LoadMainSettingsOver(const IniFile& ini, ExamSettings& exam, SheetSettings& sheet,
                                 const ExamSettings& fallbackExam,
                                 const SheetSettings& fallbackSheet)
{
    const SheetSettings defaults;
    QStringList refused;
    sheet.sHeader = ini.ReadString(kPage, Key("Header"), QString());
    sheet.sFooter = ini.ReadString(kPage, Key("Footer"), QString());
    // Written "PageTitle"; keys match without regard to case.
    sheet.sPageTitle = ini.ReadString(kPage, Key("Pagetitle"), defaults.sPageTitle);
    sheet.sSubTitle = ini.ReadString(kPage, Key("SubTitle"), defaults.sSubTitle);
    sheet.sDateTime = ini.ReadString(kPage, Key("DateTime"), defaults.sDateTime);
    sheet.sName = ini.ReadString(kPage, Key("Name"), defaults.sName);
    sheet.fCode = ini.ReadBool(kPage, Key("Code"), false);
    sheet.fClassBox = ReadSwitch(ini, kPage, "ClassBox", false);

    sheet.AnswerType = ini.ReadInteger(kAnswer, Key("Type"), 1);
    sheet.fMistakes = ReadSwitch(ini, kAnswer, "Mistakes", false);
    sheet.fCheck = ReadSwitch(ini, kAnswer, "Check", false);

    sheet.WindowTop = ini.ReadFloat(kWindow, Key("Top"), 10);
    sheet.WindowLeft = ini.ReadFloat(kWindow, Key("Left"), 10);
    sheet.WindowRight = ini.ReadFloat(kWindow, Key("Right"), 10);
    sheet.WindowBottom = ini.ReadFloat(kWindow, Key("Bottom"), 10);
    sheet.WindowFrame = ini.ReadBool(kWindow, Key("Frame"), false);

    exam.ExamRowN = ini.ReadInteger(kExam, Key("Row"), 10);
    exam.ExamColN = ini.ReadInteger(kExam, Key("Col"), 1);
    sheet.ExamSeparate = ini.ReadFloat(kExam, Key("Separate"), 10);
    sheet.ExamType = ini.ReadBool(kExam, Key("Type"), false);
    sheet.fExNum = ini.ReadBool(kExam, Key("Number"), true);
    exam.rnd_D = ini.ReadInteger(kExam, Key("Rand"), 0);
    exam.nMinus = ini.ReadInteger(kExam, Key("Minus"), 0);
    exam.fRound = ini.ReadBool(kExam, Key("Round"), false);
    exam.nRound = ini.ReadInteger(kExam, Key("RoundPos"), 2);
    exam.fRest = ini.ReadBool(kExam, Key("Rest"), false);
    exam.fJust = ini.ReadBool(kExam, Key("Just"), false);
    exam.fJustExact = ReadSwitch(ini, kExam, "JustExact", false);
    exam.fZero = ini.ReadBool(kExam, Key("Zero"), true);
    exam.fOne = ini.ReadBool(kExam, Key("One"), true);
    sheet.ExNumLeft = ini.ReadString(kExam, Key("Left"), QStringLiteral("("));
    sheet.ExNumRight = ini.ReadString(kExam, Key("Right"), QStringLiteral(")"));
    exam.fDelZero = ini.ReadBool(kExam, Key("Del0"), true);
    exam.fRoundSig = ini.ReadBool(kExam, Key("RoundSig"), false);
    exam.fDecOnly = ini.ReadBool(kExam, Key("DecOnly"), false);
    exam.fYaku = ini.ReadBool(kExam, Key("Yaku"), false);
    exam.fFullDec = ReadSwitch(ini, kExam, "FullDec", false);
    exam.fNoRepeat = ReadSwitch(ini, kExam, "NoRepeat", false);
    exam.fUnitOnly = ReadSwitch(ini, kExam, "UnitOnly", false);
    exam.fFewSame = ReadSwitch(ini, kExam, "FewSame", false);
    LoadTabAndRanges(ini, exam, refused);

    PageFont& font = sheet.FntExam;
    font.Name = ini.ReadString(kExamFont, Key("Name"), font.Name);
    font.Size = ini.ReadInteger(kExamFont, Key("Size"), 24);
    font.Color = static_cast<uint32_t>(ini.ReadInteger(kExamFont, Key("Color"), 0));
    font.Bold = ini.ReadBool(kExamFont, Key("Bold"), false);
    font.Italic = ini.ReadBool(kExamFont, Key("Italic"), false);

    LoadHissan(ini, sheet);
    sheet.Instruction.GetIniSets(ini, kInstruction, QString(), 0, QStringLiteral("0"),
                                 QStringLiteral("0"));
    return refused + CheckFileValues(exam, sheet, fallbackExam, fallbackSheet);
}

void SaveMainSettings(IniFile& ini, const ExamSettings& exam, const SheetSettings& sheet,
                      const PageTexts& boxes)
{
    ini.WriteString(kPage, Key("Header"), boxes.Header);
    ini.WriteString(kPage, Key("Footer"), boxes.Footer);
    ini.WriteString(kPage, Key("PageTitle"), boxes.PageTitle);
    ini.WriteString(kPage, Key("SubTitle"), boxes.SubTitle);
    ini.WriteString(kPage, Key("DateTime"), sheet.sDateTime);
    ini.WriteString(kPage, Key("Name"), sheet.sName);
    ini.WriteBool(kPage, Key("Code"), sheet.fCode);
    ini.WriteBool(kPage, Key("ClassBox"), sheet.fClassBox);

    ini.WriteInteger(kAnswer, Key("Type"), sheet.AnswerType);
    ini.WriteBool(kAnswer, Key("Mistakes"), sheet.fMistakes);
    ini.WriteBool(kAnswer, Key("Check"), sheet.fCheck);

    ini.WriteFloat(kWindow, Key("Top"), sheet.WindowTop);
    ini.WriteFloat(kWindow, Key("Left"), sheet.WindowLeft);
    ini.WriteFloat(kWindow, Key("Right"), sheet.WindowRight);
    ini.WriteFloat(kWindow, Key("Bottom"), sheet.WindowBottom);
    ini.WriteBool(kWindow, Key("Frame"), sheet.WindowFrame);

    ini.WriteInteger(kExam, Key("Row"), exam.ExamRowN);
    ini.WriteInteger(kExam, Key("Col"), exam.ExamColN);
    ini.WriteFloat(kExam, Key("Separate"), sheet.ExamSeparate);
    ini.WriteBool(kExam, Key("Type"), sheet.ExamType);
    ini.WriteBool(kExam, Key("Number"), sheet.fExNum);
    ini.WriteInteger(kExam, Key("Rand"), exam.rnd_D);
    ini.WriteInteger(kExam, Key("Minus"), exam.nMinus);
    ini.WriteBool(kExam, Key("Round"), exam.fRound);
    ini.WriteInteger(kExam, Key("RoundPos"), exam.nRound);
    ini.WriteBool(kExam, Key("Rest"), exam.fRest);
    ini.WriteBool(kExam, Key("Just"), exam.fJust);
    ini.WriteBool(kExam, Key("JustExact"), exam.fJustExact);
    ini.WriteBool(kExam, Key("Zero"), exam.fZero);
    ini.WriteBool(kExam, Key("One"), exam.fOne);
    ini.WriteString(kExam, Key("Left"), sheet.ExNumLeft);
    ini.WriteString(kExam, Key("Right"), sheet.ExNumRight);
    ini.WriteBool(kExam, Key("Del0"), exam.fDelZero);
    ini.WriteBool(kExam, Key("RoundSig"), exam.fRoundSig);
    ini.WriteBool(kExam, Key("DecOnly"), exam.fDecOnly);
    ini.WriteBool(kExam, Key("Yaku"), exam.fYaku);
    ini.WriteBool(kExam, Key("FullDec"), exam.fFullDec);
    ini.WriteBool(kExam, Key("NoRepeat"), exam.fNoRepeat);
    ini.WriteBool(kExam, Key("UnitOnly"), exam.fUnitOnly);
    ini.WriteBool(kExam, Key("FewSame"), exam.fFewSame);
    ini.WriteInteger(kExam, Key(kPresetTabKey), exam.Operation);
    for (int i = 0; i < RangeEditCount; ++i)
        ini.WriteString(kRange, Key(kPresetRangeKeys[i]), QString::fromStdString(exam.Ranges[i]));

    const PageFont& font = sheet.FntExam;
    ini.WriteString(kExamFont, Key("Name"), font.Name);
    ini.WriteInteger(kExamFont, Key("Size"), font.Size);
    ini.WriteInteger(kExamFont, Key("Color"), static_cast<int>(font.Color));
    ini.WriteBool(kExamFont, Key("Bold"), font.Bold);
    ini.WriteBool(kExamFont, Key("Italic"), font.Italic);

    ini.WriteBool(kHissan, Key("Textbook"), sheet.fTextbook);
    ini.WriteBool(kHissan, Key("Worked"), sheet.fWorked);
    ini.WriteBool(kHissan, Key("Squares"), sheet.fSquares);
    ini.WriteBool(kHissan, Key("FindMistake"), sheet.fFindMistake);
    ini.WriteFloat(kHissan, Key("Pen"), sheet.HissanPen);
    ini.WriteFloat(kHissan, Key("Pitch"), sheet.HissanPitch);
    sheet.Instruction.SetIniSets(ini, kInstruction);
}
