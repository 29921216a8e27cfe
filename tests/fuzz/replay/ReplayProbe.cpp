// A stand-in fuzz target for the tests of the replay main: an input that
// begins with "fail" ends the process with exit code 3; every other passes.
// It has no LLVMFuzzerInitialize, which the replay main must not need.
#include <cstdint>
#include <cstdlib>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size >= 4 && std::memcmp(data, "fail", 4) == 0)
        std::_Exit(3);
    return 0;
}
