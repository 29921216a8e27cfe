#include "generation/RangeCheck.h"

#include "generation/Decimal.h"

#include <array>
#include <charconv>

namespace {

RangeVerdict Reject(const std::string& text, const char* message)
{
    return {false, text, message};
}

// The characters of a text, counting each UTF-8 sequence once.
size_t CharacterCount(const std::string& text)
{
    size_t count = 0;
    for (unsigned char c : text)
        count += (c & 0xC0) != 0x80;
    return count;
}

// "integer part.decimal digits" of one bound as an exact value.
std::optional<Decimal> BoundValue(const RangeTexts& texts, int integerEdit)
{
    return ParseDecimal(TrimBlanks(texts[integerEdit]) + "." + TrimBlanks(texts[integerEdit + 1]));
}

}  // namespace

std::string TrimBlanks(const std::string& text)
{
    size_t first = text.find_first_not_of(" \t\r\n");
    if (first == std::string::npos)
        return "";
    size_t last = text.find_last_not_of(" \t\r\n");
    return text.substr(first, last - first + 1);
}

std::optional<std::int32_t> ParseInt32(const std::string& text)
{
    const char* begin = text.data();
    const char* end = begin + text.size();
    if (begin != end && *begin == '+' && end - begin > 1 && begin[1] != '-')
        ++begin;
    std::int32_t value = 0;
    auto [ptr, error] = std::from_chars(begin, end, value);
    if (error != std::errc() || ptr != end || begin == end)
        return std::nullopt;
    return value;
}

RangeVerdict CheckRange(const RangeTexts& texts, int edit)
{
    RangeTexts current = texts;
    const std::string text = TrimBlanks(texts[edit]);
    current[edit] = text;
    const bool decimalEdit = IsDecimalEdit(edit);

    if (text.empty()) {
        if (decimalEdit)
            return {true, text, {}};
        return Reject(text, "整数部は空白は指定できません");
    }
    std::optional<std::int32_t> value = ParseInt32(text);
    if (!value)
        return Reject(text, "数を入力して下さい");
    if (decimalEdit) {
        if (CharacterCount(text) > 4)
            return Reject(text, "小数点以下は４桁以下を指定して下さい");
        if (*value < 0)
            return Reject(text, "小数点以下は正の整数又は零を指定して下さい");
    } else if (CharacterCount(text) > 4) {
        return Reject(text, "整数部は1000以下を指定して下さい");
    }

    std::array<Decimal, 4> bounds;  // min 1, max 1, min 2, max 2
    for (int i = 0; i < 4; ++i) {
        std::optional<Decimal> bound = BoundValue(current, 2 * i);
        if (!bound)
            return Reject(text, "数を入力して下さい");
        bounds[i] = *bound;
    }
    const Decimal limit{1000, 0};
    for (const Decimal& bound : bounds)
        if (bound > limit || bound < limit.Negated())
            return Reject(text, "設定値は1000以下でなければいけません");
    if (bounds[0] > bounds[1] || bounds[2] > bounds[3])
        return Reject(text, "最小値は最大値以下でなければいけません");
    return {true, text, {}};
}

RoundPlaceVerdict CheckRoundPlace(const std::string& text)
{
    std::optional<std::int32_t> value = ParseInt32(TrimBlanks(text));
    if (!value || *value < 1 || *value > 6)
        return {false, 0, "6以下の正の整数でなければいけません"};
    return {true, *value, {}};
}
