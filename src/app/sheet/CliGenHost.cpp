#include "sheet/CliGenHost.h"

void CliGenHost::SetStatusText(int panel, const std::string& text)
{
    // Panel 0 is only a restart counter; panel 1 carries the loop-over and
    // bound reports, which a script needs to see. Clearing prints nothing.
    if (panel == 1 && !text.empty())
        Err << text << '\n';
}

bool CliGenHost::Confirm(const std::string& text)
{
    Err << text << (fYes ? " -> yes (--yes)\n" : " -> no (run abandoned; --yes goes on)\n");
    return fYes;
}

void CliGenHost::ShowMessage(const std::string& text)
{
    Err << text << '\n';
}
