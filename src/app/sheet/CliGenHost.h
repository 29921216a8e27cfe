#pragma once
// The generation host of the command-line tool: status texts and messages go
// to stderr, and loop-over questions are answered from --yes (No without it),
// so a run never waits for a person.
#include "generation/GenHost.h"

#include <ostream>

class CliGenHost : public GenHost {
public:
    CliGenHost(std::ostream& err, bool answerYes) : Err(err), fYes(answerYes) {}

    void SetStatusText(int panel, const std::string& text) override;
    bool Confirm(const std::string& text) override;
    void ShowMessage(const std::string& text) override;

private:
    std::ostream& Err;
    bool fYes;
};
