#pragma once
// The check a pupil writes under a division with a remainder: the divisor
// times the quotient plus the remainder gives the dividend back,
// 「たしかめ　5.2×9.7＋0.06＝50.5」 for 50.5 ÷ 5.2 = 9.7 あまり 0.06. The
// quotient and the remainder are written as the answer writes them, the
// result is worked out exactly (so a wrong answer gives a check that does
// not come back to the dividend).
#include <optional>
#include <string>
#include <string_view>

// The check line, or none when the answer holds no remainder or a text is
// not a plain number.
std::optional<std::string> RemainderCheckText(std::string_view divisor, std::string_view answer);
