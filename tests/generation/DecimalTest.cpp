#include "generation/Decimal.h"

#include "generation/NumberText.h"

#include <gtest/gtest.h>

namespace {

Decimal D(const char* text)
{
    return ParseDecimal(text).value();
}

TEST(Decimal, ParsesTheTextsTheProgramWrites)
{
    const std::pair<const char*, const char*> cases[] = {
        {"1E-005", "0.00001"}, {"2.5E-005", "0.000025"}, {"-3.5", "-3.5"},
        {"1.", "1"}, {".5", "0.5"}, {"-2.50", "-2.5"}, {"1E015", "1000000000000000"},
        {"+7", "7"}, {"-0.00", "0"},
    };
    for (const auto& [text, value] : cases)
        EXPECT_EQ(ParseDecimal(text), D(value)) << text;
}

TEST(Decimal, RejectsTextsThatAreNotNumbers)
{
    for (const char* text : {"", "-", ".", "1.2.3", "1.+5", "abc", " 1", "1 ", "1E", "1E+", "--1", "0x10"})
        EXPECT_FALSE(ParseDecimal(text).has_value()) << text;
}

TEST(Decimal, ComparesExactlyAcrossFarApartScales)
{
    // Aligning these in 128 bits would overflow: 1000 × 10^36 > 2^127.
    const Decimal tiny = D("0.000000000000000000000000000000000001");  // 10^-36
    const Decimal limit{1000, 0};
    const std::pair<Decimal, Decimal> lessThan[] = {
        {tiny, limit}, {limit.Negated(), tiny}, {tiny.Negated(), Decimal{}},
        {D("1000.00000000000000000000000000000001"), D("1000.1")},
        {D("-999.99999999999999999999999999999999"), D("-999.9")}, {D("1.1e-35"), D("1.2e-35")},
        {D("-0.5"), D("0.00000000000000000000000000000000001")},
    };
    for (const auto& [a, b] : lessThan) {
        EXPECT_LT(a, b);
        EXPECT_GT(b, a);
    }
    EXPECT_EQ(D("1000.00000000000000000000000000000000"), limit);
}

TEST(Decimal, QuotientsRoundHalfAwayAndTruncateTowardZero)
{
    struct Case {
        const char *num, *den;
        int places;
        const char *rounded, *truncated;
    };
    const Case cases[] = {
        {"7", "2", 0, "4", "3"},        {"-7", "2", 0, "-4", "-3"},
        {"2", "3", 1, "0.7", "0.6"},    {"1", "8", 2, "0.13", "0.12"},
        {"10", "4", 1, "2.5", "2.5"},   {"1", "-3", 5, "-0.33333", "-0.33333"},
        {"0.01", "0.003", 2, "3.33", "3.33"}, {"1000", "0.0001", 0, "10000000", "10000000"},
        {"-2", "-3", 1, "0.7", "0.6"},  {"2", "-3", 1, "-0.7", "-0.6"},  // a negative divisor
    };
    for (const Case& c : cases) {
        EXPECT_EQ(QuotientRounded(D(c.num), D(c.den), c.places), D(c.rounded)) << c.num << "/" << c.den;
        EXPECT_EQ(QuotientTruncated(D(c.num), D(c.den), c.places), D(c.truncated)) << c.num << "/" << c.den;
    }
}

}  // namespace
