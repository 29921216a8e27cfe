#pragma once
// The generate options of shosu-sheet, shared by every subcommand that makes
// a problem list ("generate", "sheet"). Parsing takes the options it knows
// out of an argument list into the generation settings, applying the main
// window's own checks to ranges, rows, columns and rounding place, and hands
// every argument it does not know back to the caller in order.
#include "generation/ExamSettings.h"
#include "sheet/Commands.h"
#include "sheet/GradePresets.h"

#include <cstdint>
#include <optional>
#include <string>

struct GenerateOptions {
    ExamSettings Settings;              // what the run reads
    std::optional<std::uint64_t> Seed;  // --seed, or the seed of --code; none = the clock
    bool fYes = false;                  // --yes: answer Yes to loop-over questions
    std::optional<GradePreset> Preset;  // --preset: already applied to Settings
};

struct GenerateParse {
    GenerateOptions Options;
    CommandArgs Rest;   // unrecognised arguments, in their order
    std::string Error;  // non-empty: print it on stderr and exit 1
    bool Ok() const { return Error.empty(); }
};

// Parses args onto base (the settings of a settings file, or the defaults);
// stops at the first error. A "--preset ID|FILE" is applied over base
// first, wherever it stands, so every other option changes the preset. A range text, rows, columns or
// rounding place that the window would refuse gives the window's message,
// as do rows and columns of base that it would refuse.
// Ranges, rows and columns are checked against each other once all options
// are read, so "--min1 20 --max1 30" and "--max1 30 --min1 20" agree.
GenerateParse ParseGenerateOptions(const CommandArgs& args, const ExamSettings& base = {});

// The option lines of --help, for every command that takes these options.
std::string GenerateOptionsUsage();
