#pragma once
// The font record of sheets and settings lives with the prompts, whose font
// dialog edits it.
#include "common/PageFont.h"
