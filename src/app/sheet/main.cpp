// shosu-sheet: the command-line companion of shosu-drill.
#include <cstdio>

int main()
{
    std::puts("shosu-sheet");
    return 0;
}
