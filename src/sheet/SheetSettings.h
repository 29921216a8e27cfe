#pragma once
// The sheet layout that the main window keeps and the composer reads: page
// texts, the date-and-time heading, margins, grid, numbering, answer mode and
// the problem font, with the values a fresh installation starts from. The
// main window stores a composed sheet's layout results back into it
// (WindowTop only grows, WindowBottom is kept at 10 or more, and the three
// edges of the problem area); the composer itself only reads it.
#include "prevform/PageFont.h"
#include "prevform/PageStr.h"
#include "sheet/StartingLayout.h"
#include <QString>
#include <cstdint>

struct SheetSettings {
    // Page texts; the header and footer texts "%t" and "%d" stand for the time and date.
    QString sHeader;
    QString sFooter;
    QString sPageTitle = QStringLiteral("かずの計算");
    QString sSubTitle = QStringLiteral("たしざんのもんだい");
    QString sDateTime = QStringLiteral("　　月　　日　　　時　　分 ～　　　時　　分");
    QString sName = QStringLiteral("なまえ");
    TPageStr DateTime = StartingDateTime();  // position and font of the heading; psStr unused
    bool fClassBox = false;  // name line 「　年　　組　　番　」 and a score cell 「点」 in the box
    // The instruction line under the subtitle (section "Instruction"): psStr
    // is the typed text, empty for the one made from the problem settings;
    // code 0 ("なし") until a preset, a typed text or the user places it.
    TPageStr Instruction = UnconfiguredPageStr();

    // Margins in the drawing unit.
    double WindowTop = 10;
    double WindowLeft = 10;
    double WindowRight = 10;
    double WindowBottom = 10;
    bool WindowFrame = false;  // dotted frame around the problem area

    // The grid a sheet is laid out in: the problem settings own the counts,
    // and SheetSettingsFor copies them in when a sheet is composed.
    std::int32_t ExamRowN = 10;
    std::int32_t ExamColN = 1;
    // Numbering and the form of the problems.
    bool ExamType = false;     // column form (written calculation) instead of one line
    bool fExNum = true;        // draw problem numbers
    QString ExNumLeft = QStringLiteral("(");
    QString ExNumRight = QStringLiteral(")");
    double ExamSeparate = 10;  // gap between the number and the problem

    // 0 no answer sheet, 1 answers on a separate sheet, 2 also on the problem sheet.
    std::int32_t AnswerType = 1;
    // Small lines under each answer of the answer sheet (section "Answer"):
    // the wrong answers the classic mistakes give, with their names (key
    // "Mistakes"), and the check of a division with a remainder (key "Check").
    bool fMistakes = false;
    bool fCheck = false;
    bool fCode = false;        // print the sheet code on the problem and answer sheets
    PageFont FntExam = DefaultExamFont();

    // Column form as Japanese textbooks write it (section "Hissan"): a kind
    // of column form, so it writes one whatever ExamType says. With
    // fTextbook off the other three change nothing.
    bool fTextbook = false;   // textbook column form
    bool fWorked = false;     // answer sheet with the whole written calculation
    bool fSquares = false;    // light grey squares behind the digit columns
    double HissanPen = DefaultHissanPen;  // rules, bar and bracket, in millimetres
    // まちがいさがし (section "Hissan", key "FindMistake"): each problem
    // worked with one classic mistake for the pupil to find and work again;
    // its answer sheet has the right working and names the mistake. A kind
    // of textbook sheet, so it writes the textbook form whatever fTextbook says.
    bool fFindMistake = false;
    static constexpr double DefaultHissanPen = 0.3;
    static constexpr double MinHissanPen = 0.05;
    static constexpr double MaxHissanPen = 2.0;
    // The digit squares' pitch in millimetres, the font sized to fit; 0
    // lets the font size decide (key "Pitch").
    double HissanPitch = 0;
    static constexpr double MinHissanPitch = 4;
    static constexpr double MaxHissanPitch = 20;

    // The last sheet's problem area: top, right and bottom edge.
    double WindowUpper = 0;
    double WindowInner = 0;
    double WindowUnder = 0;

    // Whether problems are written in the column form: asked for, or
    // implied by the textbook form. Every reader of the rule asks here.
    bool ColumnForm() const { return ExamType || Textbook(); }
    // Whether problems are written in the textbook column form: asked for,
    // or implied by a まちがいさがし sheet.
    bool Textbook() const { return fTextbook || fFindMistake; }

    static PageFont DefaultExamFont();
    static TPageStr StartingDateTime();
};

struct ExamSettings;

// The settings a sheet of problems made with exam is composed with: layout
// with the grid of exam, whose counts the problem settings own.
SheetSettings SheetSettingsFor(const SheetSettings& layout, const ExamSettings& exam);
