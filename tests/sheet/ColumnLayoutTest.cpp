#include "support/QStringPrinter.h"
#include "sheet/ColumnLayout.h"
#include <gtest/gtest.h>

namespace {

struct LayoutCase {
    bool RightAligned;
    const char* A;
    const char* B;
    const char* LineA;
    const char* LineB;
    const char* DotA;
    const char* DotB;
};

TEST(ColumnLayout, StackLinesAndPointLines)
{
    const LayoutCase cases[] = {
        // Addition and subtraction: the points line up.
        {false, "12.5", "3.25", "125", " 325", "  .", "  ."},
        {false, "-2.25", "12.5", "-225", "125", "  .", "  ."},  // the sign is one more digit
        {false, "3", "1.25", "3", "125", "", " ."},
        {false, "100", "0.0001", "100", "  00001", "", "   ."},
        {false, "", "", "", "", "", ""},
        // Multiplication: the last digits line up.
        {true, "3", "1.25", "   3", " 125", "", "  ."},
        {true, "12.5", "3", " 125", "   3", "   .", ""},
        {true, "-0.5", "12", " -05", "  12", "   .", ""},
    };
    for (const LayoutCase& c : cases) {
        const ColumnLayout layout = c.RightAligned ? ColumnLayout::RightAligned(c.A, c.B)
                                                   : ColumnLayout::PointAligned(c.A, c.B);
        const std::string label = std::string(c.A) + (c.RightAligned ? " × " : " + ") + c.B;
        EXPECT_EQ(layout.A, c.LineA) << label;
        EXPECT_EQ(layout.B, c.LineB) << label;
        EXPECT_EQ(layout.DotA, c.DotA) << label;
        EXPECT_EQ(layout.DotB, c.DotB) << label;
    }
}

} // namespace
