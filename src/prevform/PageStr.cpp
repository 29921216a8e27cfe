#include "prevform/PageStr.h"
#include "common/IniFile.h"

void TPageStr::GetIniSets(const IniFile& ini, const QString& sName, const QString& S, int nPos,
                          const QString& X, const QString& Y)
{
    psStr = ini.ReadString(sName, QStringLiteral("String"), S);
    psPos = ini.ReadInteger(sName, QStringLiteral("Pos"), nPos);
    psBold = ini.ReadBool(sName, QStringLiteral("Bold"), false);
    psItalic = ini.ReadBool(sName, QStringLiteral("Italic"), false);
    psSize = ini.ReadInteger(sName, QStringLiteral("Size"), 9);
    psName = ini.ReadString(sName, QStringLiteral("Name"), QStringLiteral("ＭＳ 明朝"));
    psX = ini.ReadString(sName, QStringLiteral("X"), X);
    psY = ini.ReadString(sName, QStringLiteral("Y"), Y);
}

void TPageStr::SetIniSets(IniFile& ini, const QString& sName) const
{
    ini.WriteString(sName, QStringLiteral("String"), psStr);
    ini.WriteInteger(sName, QStringLiteral("Pos"), psPos);
    ini.WriteBool(sName, QStringLiteral("Bold"), psBold);
    ini.WriteBool(sName, QStringLiteral("Italic"), psItalic);
    ini.WriteInteger(sName, QStringLiteral("Size"), psSize);
    ini.WriteString(sName, QStringLiteral("Name"), psName);
    ini.WriteString(sName, QStringLiteral("X"), psX);
    ini.WriteString(sName, QStringLiteral("Y"), psY);
}

void TPageStr::SetSets(const QString& sStr, const QString& sName, int nSize, int nPos,
                       const QString& X, const QString& Y, bool fBold, bool fItalic)
{
    psStr = sStr;
    psName = sName;
    psSize = nSize;
    psPos = nPos;
    psX = X;
    psY = Y;
    psBold = fBold;
    psItalic = fItalic;
}

void TPageStr::GetSets(QString& sStr, QString& sName, int& nSize, int& nPos, QString& X,
                       QString& Y, bool& fBold, bool& fItalic) const
{
    sStr = psStr;
    sName = psName;
    nSize = psSize;
    nPos = psPos;
    X = psX;
    Y = psY;
    fBold = psBold;
    fItalic = psItalic;
}

void TPageStr::Assign(const TPageStr& source)
{
    SetSets(source.psStr, source.psName, source.psSize, source.psPos, source.psX, source.psY,
            source.psBold, source.psItalic);
}

void SetPageStr2Font(const TPageStr& record, PageFont& font)
{
    font.Name = record.psName;
    font.Size = record.psSize;
    font.Bold = record.psBold;
    font.Italic = record.psItalic;
}
