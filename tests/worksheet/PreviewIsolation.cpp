// Every main window of these tests owns a preview window, which reads and
// writes the settings file and talks to a printer. Each test gets a scratch
// settings file and the built-in PDF printer writing into a scratch folder,
// so no test reads another's settings or reaches a real printer.
#include "common/SettingsLocation.h"
#include "preview/SystemPrinter.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <memory>

namespace {

class PreviewIsolation : public ::testing::EmptyTestEventListener {
    void OnTestStart(const ::testing::TestInfo&) override
    {
        Dir = std::make_unique<QTemporaryDir>();
        SettingsLocation::SetOverride(Dir->filePath(QStringLiteral("shosu-drill.ini")));
        const QString pdf = Dir->filePath(QStringLiteral("printed.pdf"));
        SystemPrinter::SetDefaultMaker([pdf] { return SystemPrinter::BuiltInPdf(pdf); });
    }
    void OnTestEnd(const ::testing::TestInfo&) override
    {
        SystemPrinter::SetDefaultMaker(nullptr);
        SettingsLocation::SetOverride(QString());
        Dir.reset();
    }

    std::unique_ptr<QTemporaryDir> Dir;
};

[[maybe_unused]] const bool kRegistered = [] {
    ::testing::UnitTest::GetInstance()->listeners().Append(new PreviewIsolation);
    return true;
}();

} // namespace
