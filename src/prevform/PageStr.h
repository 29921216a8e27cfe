#pragma once
// TPageStr: one page string (header, footer, title, subtitle, date-and-time
// line, credit line): its text, where it goes and in which font. A plain
// record; placing and drawing it is the engine's work.
#include "prevform/PageFont.h"
#include <QString>

class IniFile;

class TPageStr {
public:
    QString psStr;       // the text; empty means nothing to draw
    int psPos = 0;       // 0 none, 1 left, 2 right, 3 centre, 4 at (psX, psY)
    QString psX;         // position for code 4, as the user typed it
    QString psY;
    bool psItalic = false;
    bool psBold = false;
    int psSize = 0;      // points
    QString psName;      // font face
    bool psDrawn = false; // run-time only: drawn in the current pass; never stored or copied

    // Loads the record from section sName; S, nPos, X, Y are the defaults of
    // psStr, psPos, psX, psY. psDrawn is left alone.
    void GetIniSets(const IniFile& ini, const QString& sName, const QString& S, int nPos,
                    const QString& X, const QString& Y);
    // Writes every stored key of the record to section sName.
    void SetIniSets(IniFile& ini, const QString& sName) const;
    void SetSets(const QString& sStr, const QString& sName, int nSize, int nPos,
                 const QString& X, const QString& Y, bool fBold, bool fItalic);
    void GetSets(QString& sStr, QString& sName, int& nSize, int& nPos, QString& X, QString& Y,
                 bool& fBold, bool& fItalic) const;
    // Copies every stored field; psDrawn is never copied.
    void Assign(const TPageStr& source);
};

// Face, size, bold and italic of the record into font; underline, strike-out
// and colour stay as they were.
void SetPageStr2Font(const TPageStr& record, PageFont& font);
