#include "generation/RemainderCheck.h"

#include "generation/Decimal.h"
#include "generation/NumberText.h"

namespace {

constexpr std::string_view kRest = " あまり ";

std::string_view Trimmed(std::string_view text)
{
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    return text;
}

// A number as a pupil writes it: digits and at most one point, no sign.
std::optional<Decimal> PlainNumber(std::string_view text)
{
    if (text.empty() || text.find_first_not_of("0123456789.") != std::string_view::npos)
        return std::nullopt;
    return ParseDecimal(text);
}

}  // namespace

std::optional<std::string> RemainderCheckText(std::string_view divisor, std::string_view answer)
{
    const size_t rest = answer.find(kRest);
    if (rest == std::string_view::npos)
        return std::nullopt;
    const std::string_view b = Trimmed(divisor);
    const std::string_view q = Trimmed(answer.substr(0, rest));
    const std::string_view r = Trimmed(answer.substr(rest + kRest.size()));
    const auto bv = PlainNumber(b);
    const auto qv = PlainNumber(q);
    const auto rv = PlainNumber(r);
    if (!bv || !qv || !rv)
        return std::nullopt;
    return "たしかめ　" + std::string(b) + "×" + std::string(q) + "＋" + std::string(r) + "＝"
        + FormatPlain(*bv * *qv + *rv);
}
