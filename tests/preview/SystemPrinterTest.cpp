#include "preview/SystemPrinter.h"

#include <QPrinter>
#include <gtest/gtest.h>

namespace {

TEST(SystemPrinterTest, TheSystemChoiceAlwaysGivesAUsablePrinter)
{
    SystemPrinter printer; // the default printer, or the PDF one on a machine without
    ASSERT_NE(printer.Printer(), nullptr);
    if (printer.IsBuiltInPdf()) {
        EXPECT_TRUE(printer.Query().has_value());
    }
}

} // namespace
