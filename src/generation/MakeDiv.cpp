#include "generation/Generators.h"

bool MakeDiv(GenerationRun& run)
{
    (void)run;
    return false;
}
