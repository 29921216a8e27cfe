#pragma once
// The engine's printer surface for a job of several pages.
#include "prevform/ForwardingSurface.h"
#include "prevform/PrevEngine.h"

#include <QPrinter>

// A printer surface whose passes are successive pages of one print job: the
// first pass starts the job, each later one starts a new page, and the job
// ends only with Finish.
class PrevEngine::PageSequence : public ForwardingSurface {
public:
    PageSequence(QPainterSurface& page, QPrinter* printer)
        : ForwardingSurface(page), Page(page), Device(printer) {}
    ~PageSequence() override { Finish(); }

    void Finish() { Page.EndDoc(); }

    bool BeginDoc() override
    {
        if (!fStarted) {
            fStarted = true;
            fOk = Page.BeginDoc();
            return fOk;
        }
        return fOk && Device->newPage();
    }
    void EndDoc() override {}

private:
    QPainterSurface& Page;
    QPrinter* Device;
    bool fStarted = false;
    bool fOk = false;
};
