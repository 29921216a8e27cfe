#pragma once
// A sheet code: the seed of one generation run written as six characters,
// so that a sheet can be made again from what is shown or printed with it.
// The code is the seed in base 20, most significant digit first, with the
// digits "34679ACEFHJKMNPRTWXY": seed 0 is "333333", seed 19 is "33333Y",
// seed 63 999 999 (the last) is "YYYYYY". Every seed below SeedCount has
// exactly one code and every code one seed.
//
// The alphabet leaves out every character that is easily read or written as
// another: 0 O D Q (round shapes), 1 I L (strokes), 2 Z, 5 S, 8 B, U V,
// and G (taken for 6 or C). What remains are 5 digits and 15 capital
// letters, 20 in all: six of them are enough for 64 000 000 seeds, and a
// code stays short enough to read aloud and type.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

struct CodeParse;

class SheetCode {
public:
    static constexpr std::string_view Alphabet = "34679ACEFHJKMNPRTWXY";
    static constexpr int Length = 6;
    static constexpr std::uint64_t SeedCount = 64'000'000;  // 20^6

    // The code of seed, or none when seed is SeedCount or more (only a
    // seed given on the command line can be).
    static std::optional<SheetCode> FromSeed(std::uint64_t seed);
    // A typed code. Blanks (also full-width ones), hyphens and a leading
    // "No." are dropped, full-width letters and digits read as their plain
    // forms, lower case as upper case; what remains must be six characters
    // of the alphabet.
    static CodeParse Parse(std::string_view text);

    std::uint64_t Seed() const { return SeedValue; }
    std::string Text() const;
    // The code of sheet k of a set that starts with this one (k = 0 gives
    // this code back); see DerivedSeed.
    SheetCode Derived(std::uint64_t k) const;

    bool operator==(const SheetCode&) const = default;

private:
    explicit SheetCode(std::uint64_t seed) : SeedValue(seed) {}
    std::uint64_t SeedValue;
};

struct CodeParse {
    std::optional<SheetCode> Code;
    std::string Message;  // why the text is not a code; empty when it is one
};

// The seed of sheet k of a set whose first sheet has seed: seed + k × Step,
// modulo SeedCount for a seed that has a code (so every sheet of a set has
// one), modulo 2^64 for a larger seed. Step is odd, not a multiple of 5 and
// near SeedCount × 0.618, so the SeedCount sheets of a set all differ and
// neighbouring sheets' codes look unrelated.
std::uint64_t DerivedSeed(std::uint64_t seed, std::uint64_t k);
