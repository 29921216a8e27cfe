#include "generation/NumberText.h"

#include <gtest/gtest.h>

namespace {

Decimal D(const char* text)
{
    return ParseDecimal(text).value();
}

struct GeneralCase {
    const char* value;
    const char* text;
};

TEST(NumberText, GeneralFormatMatchesEveryExample)
{
    const GeneralCase cases[] = {
        {"0", "0"},           {"0.000", "0"},          {"1000", "1000"},
        {"0.0001", "0.0001"}, {"0.00009", "9E-005"},   {"0.00001", "1E-005"},
        {"0.000025", "2.5E-005"}, {"-0.5", "-0.5"},    {"0.0125", "0.0125"},
        {"1200", "1200"},     {"3.75", "3.75"},        {"1.50", "1.5"},
        {"2.250000", "2.25"}, {"-2", "-2"},            {"0.503", "0.503"},
        {"0.00000001", "1E-008"}, {"-0.00002", "-2E-005"},
        {"123456789012345", "123456789012345"},
        {"999999999999999", "999999999999999"},
        {"1000000000000000", "1E015"},
        // 16 significant digits round to 15, half away from zero.
        {"1.000000000000005", "1.00000000000001"},
        {"-1.000000000000005", "-1.00000000000001"},
        {"9.9999999999999995", "10"},
        {"0.12345678", "0.12345678"},
    };
    for (const GeneralCase& c : cases)
        EXPECT_EQ(FormatGeneral(D(c.value)), c.text) << c.value;
}

struct FixedCase {
    const char* value;
    int places;
    const char* text;
};

TEST(NumberText, PlainFormatNeverUsesTheExponent)
{
    const std::pair<const char*, const char*> cases[] = {
        {"0.00001", "0.00001"},      {"0.000025", "0.000025"}, {"-0.00002", "-0.00002"},
        {"0.00000001", "0.00000001"}, {"1200", "1200"},         {"3.750", "3.75"},
        {"0", "0"},                  {"1E+16", "10000000000000000"},
        // Still 15 significant digits.
        {"0.0000123456789012345678", "0.0000123456789012346"},
    };
    for (const auto& [text, plain] : cases)
        EXPECT_EQ(FormatPlain(*ParseDecimal(text)), plain) << text;
}

TEST(NumberText, FixedFormatRoundsTheExactDecimalHalfAwayFromZero)
{
    const FixedCase cases[] = {
        {"0.125", 2, "0.13"}, {"1.005", 2, "1.01"}, {"2.25", 1, "2.3"},
        {"2.5", 0, "3"},      {"-2.5", 0, "-3"},    {"3.5", 2, "3.50"},
        {"-0.004", 2, "0.00"}, {"-0.005", 2, "-0.01"}, {"2.25", 1, "2.3"},
        {"3.375", 1, "3.4"},  {"0", 3, "0.000"},    {"7", 0, "7"},
        {"0.25", 10, "0.2500000000"}, {"-1.25", 1, "-1.3"}, {"1000", 2, "1000.00"},
        {"0.4", 0, "0"},      {"-0.4", 0, "0"},     {"0.00001", 5, "0.00001"},
    };
    for (const FixedCase& c : cases)
        EXPECT_EQ(FormatFixed(D(c.value), c.places), c.text) << c.value << " " << c.places;
}

TEST(NumberText, DelZeroDropsOnlyZerosAfterThePoint)
{
    const std::pair<const char*, const char*> cases[] = {
        {"10", "10"},     {"100", "100"},    {"0", "0"},       {"2.50", "2.5"},
        {"3.", "3"},      {"3.50", "3.5"},   {"4.00", "4"},    {"0.0100", "0.01"},
        {"1E-005", "1E-005"}, {"2.50E-010", "2.5E-010"}, {" 10 ", "10"}, {"0.00", "0"},
    };
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(DelZero(text), expected) << text;
}

TEST(NumberText, RemainderTextHasNoSuperfluousZeros)
{
    const std::pair<const char*, const char*> cases[] = {
        {"1", "1"}, {"0.25", "0.25"}, {"0.0001", "0.0001"},
        {"0.04", "0.04"}, {"-1", "-1"}, {"0.00000001", "0.00000001"},
    };
    for (const auto& [value, expected] : cases)
        EXPECT_EQ(RemainderText(D(value)), expected) << value;
}

TEST(NumberText, CounterIsRightAlignedInFivePlaces)
{
    EXPECT_EQ(FormatCounter(0), "    0");
    EXPECT_EQ(FormatCounter(1234), " 1234");
    EXPECT_EQ(FormatCounter(123456), "123456");
}

}  // namespace
