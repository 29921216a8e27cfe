#include "prevform/NumberForms.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>
#include <limits>

namespace {

struct FormCase {
    double Value;
    const char* Text;
};

TEST(NumberFormTest, WritesTwentyThreeCharacterScientificForm)
{
    const FormCase cases[] = {
        {10, " 1.00000000000000E+0001"},
        {-2.5, "-2.50000000000000E+0000"},
        {0, " 0.00000000000000E+0000"},
        {-0.0, " 0.00000000000000E+0000"},
        {20, " 2.00000000000000E+0001"},
        {0.1, " 1.00000000000000E-0001"},
        {123.456, " 1.23456000000000E+0002"},
        {1.0 / 3.0, " 3.33333333333333E-0001"},
        {2.0 / 3.0, " 6.66666666666667E-0001"},   // rounded to 15 digits
        {9.999999999999999, " 1.00000000000000E+0001"}, // rounding carries into the exponent
        {-1234.5678, "-1.23456780000000E+0003"},
        {1e-300, " 1.00000000000000E-0300"},
        {std::numeric_limits<double>::quiet_NaN(), " 0.00000000000000E+0000"},
        {std::numeric_limits<double>::infinity(), " 1.79769313486231E+0308"},
        {-std::numeric_limits<double>::infinity(), "-1.79769313486231E+0308"},
    };
    for (const FormCase& c : cases) {
        const QString text = NumberForm(c.Value);
        EXPECT_EQ(text, QString::fromLatin1(c.Text)) << c.Value;
        EXPECT_EQ(text.size(), 23) << c.Value;
    }
}

TEST(NumberFormTest, ReadsBackAsAFiniteNumber)
{
    for (double value : {std::numeric_limits<double>::max(), -std::numeric_limits<double>::max(),
                         std::numeric_limits<double>::denorm_min(), 25.4, -0.05}) {
        bool ok = false;
        const double back = NumberForm(value).trimmed().toDouble(&ok);
        EXPECT_TRUE(ok) << value;
        EXPECT_TRUE(std::isfinite(back)) << value;
    }
}

TEST(GeneralFormTest, WritesPenWidthsWithoutTrailingZeros)
{
    const FormCase cases[] = {
        {0.25, "0.25"},   {0.5, "0.5"},      {2, "2"},
        {0, "0"},         {-0.3, "-0.3"},    {1.5, "1.5"},
        {100, "100"},     {0.1 + 0.2, "0.3"}, {0.00001, "0.00001"},
        {0.000001, "1E-6"}, {0.0000025, "2.5E-6"}, {123456789012345.0, "123456789012345"},
        {1234567890123456.0, "1.23456789012346E15"}, {1e20, "1E20"},
        {2.0 / 3.0, "0.666666666666667"},
    };
    for (const FormCase& c : cases)
        EXPECT_EQ(GeneralForm(c.Value), QString::fromLatin1(c.Text)) << c.Value;
}

TEST(QuotedTextTest, DoublesInnerQuotes)
{
    EXPECT_EQ(QuotedText(QStringLiteral("答え")), QStringLiteral("\"答え\""));
    EXPECT_EQ(QuotedText(QStringLiteral("a \"b\", c")), QStringLiteral("\"a \"\"b\"\", c\""));
    EXPECT_EQ(QuotedText(QString()), QStringLiteral("\"\""));
    EXPECT_EQ(IntegerForm(-12), QStringLiteral("-12"));
}

} // namespace

namespace {

// The digits agree with printf's "%.14e" everywhere, ties and carries
// included: values of drawing units of many sizes, and values whose 16th
// digit is exactly a half. (The largest doubles are written smaller, so
// that they read back; see the test above.)
TEST(NumberFormTest, DigitsAgreeWithPrintfsRounding)
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
        const QString text = NumberForm(v);
        const std::string mantissa = std::string(1, reference[0]) + "." + std::string(reference + 2, 14);
        EXPECT_EQ(text.mid(1, 16).toStdString(), mantissa) << reference;
        EXPECT_EQ(text.mid(18).toInt(), std::atoi(reference + 17)) << reference;
    }
}

} // namespace
