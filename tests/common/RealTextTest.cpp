#include "common/RealText.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <string>
#include <vector>

namespace {

constexpr double kMax = std::numeric_limits<double>::max();
constexpr double kInf = std::numeric_limits<double>::infinity();
const double kNaN = std::numeric_limits<double>::quiet_NaN();
const QString kIdeographicSpace(QChar(0x3000));

struct ReadCase {
    QString Text;
    std::optional<double> Strict;     // ReadReal, PositionValue
    std::optional<double> Saturated;  // ReadRealSaturated
};

// One table for every reader: they differ only where a value leaves the doubles.
TEST(RealTextTest, EveryReaderTakesTheOneDecimalForm)
{
    const std::vector<ReadCase> cases{
        {"10", 10, 10}, {"-2.5", -2.5, -2.5}, {"+3", 3, 3}, {".5", 0.5, 0.5}, {"5.", 5, 5},
        {"1E-6", 1e-6, 1e-6}, {"1e2", 100, 100}, {"+.5e1", 5, 5}, {"1.e2", 100, 100},
        {" 1.00000000000000E+0001", 10, 10}, {" 36 ", 36, 36}, {"\t7\r\n", 7, 7},
        {QString(70, u'0') + "1", 1, 1}, {"0." + QString(80, u'0') + "1", 1e-81, 1e-81},
        {"1e-310", 1e-310, 1e-310}, {"1.7976931348623157e308", kMax, kMax},
        // no number
        {"", std::nullopt, std::nullopt}, {"abc", std::nullopt, std::nullopt},
        {"1,5", std::nullopt, std::nullopt}, {"10mm", std::nullopt, std::nullopt},
        {"0x10", std::nullopt, std::nullopt}, {"1 2", std::nullopt, std::nullopt},
        {".", std::nullopt, std::nullopt}, {"-", std::nullopt, std::nullopt},
        {"e5", std::nullopt, std::nullopt}, {"1e", std::nullopt, std::nullopt},
        {"1e+", std::nullopt, std::nullopt}, {"1..2", std::nullopt, std::nullopt},
        {"--1", std::nullopt, std::nullopt}, {"nan", std::nullopt, std::nullopt},
        {"inf", std::nullopt, std::nullopt}, {"INF", std::nullopt, std::nullopt},
        {QStringLiteral("１０"), std::nullopt, std::nullopt},
        {kIdeographicSpace + "10", std::nullopt, std::nullopt},
        {"10" + kIdeographicSpace, std::nullopt, std::nullopt},
        {QString(QChar(0xA0)) + "50", std::nullopt, std::nullopt},
        // beyond the doubles: rejected, or held at the edge of the doubles
        {"1e400", std::nullopt, kMax}, {"-1E400", std::nullopt, -kMax},
        {"1e99999999999999999999", std::nullopt, kMax}, {"1e-400", std::nullopt, 0.0},
        {"-0.001e-400", std::nullopt, -0.0}, {"2e-324", std::nullopt, 0.0},
        {"0e999999", 0, 0}, {"123456789e-420", std::nullopt, 0.0},
        {"0.0000001e316", std::nullopt, kMax}, {"0.0000001e315", 1e308, 1e308},
    };
    for (const ReadCase& c : cases) {
        SCOPED_TRACE(c.Text.toStdString());
        EXPECT_EQ(ReadReal(c.Text), c.Strict);
        EXPECT_EQ(PositionValue(c.Text), c.Strict);
        EXPECT_EQ(ReadRealSaturated(c.Text), c.Saturated);
        if (c.Text != u"INF") {
            EXPECT_EQ(ReadSettingsReal(c.Text), c.Strict);
        }
    }
}

TEST(RealTextTest, NothingReadsAsInfinityButTheSettingsWords)
{
    for (const QString text : {"1e400", "-1e400", "1e308000"}) {
        const std::optional<double> saturated = ReadRealSaturated(text);
        ASSERT_TRUE(saturated);
        EXPECT_TRUE(std::isfinite(*saturated)) << text.toStdString();
        EXPECT_FALSE(ReadReal(text)) << text.toStdString();
    }
    EXPECT_EQ(ReadSettingsReal(u"INF"), kInf);
    EXPECT_EQ(ReadSettingsReal(u" -INF "), -kInf);
    EXPECT_TRUE(std::isnan(*ReadSettingsReal(u"NAN")));
    EXPECT_EQ(ReadSettingsReal(u"inf"), std::nullopt);
}

struct WriteCase {
    double Value;
    const char* Text;
};

TEST(RealTextTest, GeneralFormHasFifteenDigitsAndNoTrailingZeros)
{
    const WriteCase cases[] = {
        {10, "10"}, {12.5, "12.5"}, {0.25, "0.25"}, {2, "2"}, {0, "0"}, {-0.0, "0"},
        {-0.3, "-0.3"}, {100, "100"}, {0.1 + 0.2, "0.3"}, {0.00001, "0.00001"},
        {0.000001, "1E-6"}, {0.0000025, "2.5E-6"}, {123456789012345.0, "123456789012345"},
        {1234567890123456.0, "1.23456789012346E15"}, {1e15, "1E15"}, {1e20, "1E20"},
        {-1.5e20, "-1.5E20"}, {2.0 / 3.0, "0.666666666666667"},
        {39.439583333333336, "39.4395833333333"}, {9.9999999999999995, "10"},
        {kNaN, "NAN"}, {kInf, "INF"}, {-kInf, "-INF"},
    };
    for (const WriteCase& c : cases)
        EXPECT_EQ(FormatGeneralReal(c.Value), QString::fromLatin1(c.Text)) << c.Value;
}

TEST(RealTextTest, RoundTripFormTakesTheDigitsItNeeds)
{
    const WriteCase cases[] = {
        {10, "10"}, {12.5, "12.5"}, {1e-6, "1E-6"}, {0.00001, "0.00001"}, {0, "0"},
        {-2.25, "-2.25"}, {0.1, "0.1"}, {1.0 / 3, "0.3333333333333333"},
        {123456789012345.0, "123456789012345"}, {1e15, "1E15"}, {-1.5e20, "-1.5E20"},
        {2.5e-7, "2.5E-7"}, {0.1 + 0.2, "0.30000000000000004"},
        {kMax, "1.7976931348623157E308"}, {kInf, "INF"}, {kNaN, "NAN"},
    };
    for (const WriteCase& c : cases)
        EXPECT_EQ(FormatRoundTripReal(c.Value), QString::fromLatin1(c.Text)) << c.Value;

    const double values[] = {kMax, -kMax, std::numeric_limits<double>::min(),
                             std::numeric_limits<double>::denorm_min(), 123456789.123456789,
                             1e-300, 0.1 + 0.7, 25.4 / 96};
    for (const double value : values)
        EXPECT_EQ(ReadSettingsReal(FormatRoundTripReal(value)), value)
            << FormatRoundTripReal(value).toStdString();
}

TEST(RealTextTest, FixedFormIsTwentyThreeCharactersAndAlwaysReadsBack)
{
    const WriteCase cases[] = {
        {10, " 1.00000000000000E+0001"},
        {-2.5, "-2.50000000000000E+0000"},
        {0, " 0.00000000000000E+0000"},
        {-0.0, " 0.00000000000000E+0000"},
        {0.1, " 1.00000000000000E-0001"},
        {123.456, " 1.23456000000000E+0002"},
        {1.0 / 3.0, " 3.33333333333333E-0001"},
        {2.0 / 3.0, " 6.66666666666667E-0001"},
        {9.999999999999999, " 1.00000000000000E+0001"},
        {-1234.5678, "-1.23456780000000E+0003"},
        {1e-300, " 1.00000000000000E-0300"},
        {kNaN, " 0.00000000000000E+0000"},
        {kInf, " 1.79769313486231E+0308"},
        {-kInf, "-1.79769313486231E+0308"},
        {kMax, " 1.79769313486231E+0308"},
    };
    for (const WriteCase& c : cases) {
        const QString text = FormatFixedReal(c.Value);
        EXPECT_EQ(text, QString::fromLatin1(c.Text)) << c.Value;
        EXPECT_EQ(text.size(), 23) << c.Value;
        const std::optional<double> back = ReadReal(text);
        ASSERT_TRUE(back) << c.Text;
        EXPECT_NEAR(*back, WritableReal(c.Value), std::fabs(WritableReal(c.Value)) * 1e-14);
    }
}

} // namespace

namespace {

// The fixed form's digits agree with printf's "%.14e" everywhere, ties and
// carries included: values of drawing units of many sizes, and values whose
// 16th digit is exactly a half.
TEST(FixedRealTest, DigitsAgreeWithPrintfsRounding)
{
    std::vector<double> values{0.5, 1.5, 2.5e-7, 1.000000000000005, 9.999999999999995, 125.0,
                               0.1 + 0.2, 1e22, 5e-324};
    double x = 0.7236;
    for (int i = 0; i < 2000; ++i) {
        x = std::fmod(x * 7919.123 + 0.31, 1000.0);
        values.push_back(x);
        values.push_back(x / 1024);  // exact binary fractions: many ties
        values.push_back(std::ldexp(x, i % 80 - 40));
    }
    for (const double v : values) {
        char reference[64];
        std::snprintf(reference, sizeof reference, "%.14e", v);
        const QString text = FormatFixedReal(v);
        const std::string mantissa = std::string(1, reference[0]) + "." + std::string(reference + 2, 14);
        EXPECT_EQ(text.mid(1, 16).toStdString(), mantissa) << reference;
        EXPECT_EQ(text.mid(18).toInt(), std::atoi(reference + 17)) << reference;
    }
}

} // namespace
