#pragma once
// The version both programs and the package carry: the project's version
// in the build files, the one place it is written.
#include <string_view>

std::string_view ProgramVersion();
