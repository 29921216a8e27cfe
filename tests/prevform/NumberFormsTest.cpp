#include "prevform/NumberForms.h"

#include <gtest/gtest.h>

#include <cmath>
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
