#include "common/ProgramVersion.h"

std::string_view ProgramVersion()
{
    return SHOSU_VERSION;
}
