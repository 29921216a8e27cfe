#include "generation/SheetCode.h"

namespace {

constexpr std::uint64_t kBase = SheetCode::Alphabet.size();
constexpr std::uint64_t kStep = 39'554'173;

static_assert(kBase == 20);
static_assert(kStep % 2 != 0 && kStep % 5 != 0 && kStep < SheetCode::SeedCount);

// The text with full-width ASCII (U+FF01..U+FF5E) and the ideographic space
// (U+3000) read as their plain forms: what a Japanese input method types.
std::string PlainWidth(std::string_view text)
{
    std::string plain;
    for (size_t i = 0; i < text.size(); ++i) {
        const auto byte = [&](size_t at) { return static_cast<unsigned char>(text[at]); };
        if (byte(i) == 0xE3 && i + 2 < text.size() && byte(i + 1) == 0x80 && byte(i + 2) == 0x80) {
            plain += ' ';
            i += 2;
        } else if (byte(i) == 0xEF && i + 2 < text.size() && (byte(i + 1) == 0xBC || byte(i + 1) == 0xBD)) {
            // EF BC 81..BF is U+FF01..U+FF3F, EF BD 80..9E is U+FF40..U+FF5E.
            const unsigned code = 0xFF00 + ((byte(i + 1) - 0xBC) << 6) + (byte(i + 2) & 0x3F);
            if (code >= 0xFF01 && code <= 0xFF5E) {
                plain += static_cast<char>(code - 0xFF00 + 0x20);
                i += 2;
            } else {
                plain += text[i];
            }
        } else {
            plain += text[i];
        }
    }
    return plain;
}

// Upper case, blanks and hyphens dropped, a leading "NO" or "NO." dropped.
std::string Normalised(std::string_view text)
{
    std::string kept;
    for (char c : PlainWidth(text)) {
        if (c == ' ' || c == '\t' || c == '-')
            continue;
        kept += (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
    }
    // "O" is not a code character, so "NO" never starts a code.
    if (kept.starts_with("NO"))
        kept.erase(0, kept.starts_with("NO.") ? 3 : 2);
    return kept;
}

std::string NotACode(std::string_view text, const std::string& reason)
{
    return "「" + std::string(text) + "」は番号ではありません。" + reason;
}

} // namespace

std::optional<SheetCode> SheetCode::FromSeed(std::uint64_t seed)
{
    if (seed >= SeedCount)
        return std::nullopt;
    return SheetCode(seed);
}

CodeParse SheetCode::Parse(std::string_view text)
{
    const std::string kept = Normalised(text);
    if (kept.empty())
        return {std::nullopt, "番号を入力して下さい"};
    const std::string letters = "番号は " + std::string(Alphabet) + " のうちの６文字です";
    if (kept.size() != Length)
        return {std::nullopt, NotACode(text, letters)};
    std::uint64_t seed = 0;
    for (char c : kept) {
        const size_t digit = Alphabet.find(c);
        if (digit == std::string_view::npos)
            return {std::nullopt, NotACode(text, letters)};
        seed = seed * kBase + digit;
    }
    return {SheetCode(seed), {}};
}

std::string SheetCode::Text() const
{
    std::string text(Length, Alphabet[0]);
    std::uint64_t rest = SeedValue;
    for (int i = Length - 1; i >= 0; --i, rest /= kBase)
        text[static_cast<size_t>(i)] = Alphabet[rest % kBase];
    return text;
}

SheetCode SheetCode::Derived(std::uint64_t k) const
{
    return SheetCode(DerivedSeed(SeedValue, k));
}

std::uint64_t DerivedSeed(std::uint64_t seed, std::uint64_t k)
{
    if (seed >= SheetCode::SeedCount)
        return seed + k * kStep;  // wraps modulo 2^64
    // k × kStep may overflow: reduce k first (kStep × SeedCount < 2^64).
    return (seed + (k % SheetCode::SeedCount) * kStep) % SheetCode::SeedCount;
}
