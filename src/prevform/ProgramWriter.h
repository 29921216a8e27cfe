#pragma once
// The builder half of a composing engine: each builder appends exactly one
// command line, in the form the interpreter reads, to the program list of
// the class that derives from it. The preview engine writes into its own
// program list this way, and a sheet being composed into a list of its own.
#include "prevform/ComposeEngine.h"

#include <QStringList>

class ProgramWriter : public ComposeEngine {
public:
    void ClearProgramList() override;
    void PrevInit() override;
    void PrevTextOut(double x, double y, const QString& ostr, const QString& sw) override;
    void PrevTextOutAngle(double x, double y, double ang, const QString& ostr) override;
    void PrevLine(double x1, double y1, double x2, double y2) override;
    void PrevColor(uint32_t c) override;
    void PrevFontColor(uint32_t c) override;
    void PrevBrushColor(uint32_t c) override;
    void PrevPenColor(uint32_t c) override;
    void PrevFontSize(int sz) override;
    void PrevFontName(const QString& name) override;
    void PrevFontStyle(const QString& st) override;
    void PrevPenWidth(double w) override;
    void PrevPenSize(int w) override;
    void PrevPenStyle(const QString& st) override;
    void PrevPicture(const QString& fname, double x1, double y1, double x2, double y2) override;
    void PrevHeader(const QString& s, int posnum, double x, double y) override;
    void PrevFooter(const QString& s, int posnum, double x, double y) override;
    void PrevpageTitle(const QString& s, int posnum, double x, double y) override;
    void PrevSubTitle(const QString& s, int posnum, double x, double y) override;

protected:
    // The list the builders append to.
    virtual QStringList& Program() = 0;

private:
    void AppendPageStr(const char* keyword, const QString& s, int posnum, double x, double y);
};
