#pragma once
// The engine's printer surface for a job of several pages.
#include "prevform/ForwardingSurface.h"
#include "prevform/PrevEngine.h"

// A printer surface whose passes are successive pages of one print job: the
// first pass starts the job, each later one starts a new page, and the job
// ends only with Finish.
class PrevEngine::PageSequence : public ForwardingSurface {
public:
    explicit PageSequence(QPainterSurface& page) : ForwardingSurface(page), Page(page) {}
    ~PageSequence() override { Finish(); }

    void Finish() { Page.EndDoc(); }

    bool BeginDoc() override
    {
        if (!fStarted) {
            fStarted = true;
            fOk = Page.BeginDoc();
            return fOk;
        }
        return fOk && Page.NewPage();
    }
    void EndDoc() override {}

private:
    QPainterSurface& Page;
    bool fStarted = false;
    bool fOk = false;
};
