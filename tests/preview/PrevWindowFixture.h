#pragma once
// A preview window for tests: the built-in PDF printer (A4, 600 dpi, 5 mm
// margins) writing into a scratch folder, a 96 dpi screen at one device
// pixel per pixel, a scratch settings file and prompts that only record.
#include "common/IniFile.h"
#include "support/ScriptedPrompts.h"
#include "common/SettingsLocation.h"
#include "preview/SystemPrinter.h"
#include "preview/TFrmPrev.h"

#include <QApplication>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <memory>

class PrevWindowFixture : public ::testing::Test {
protected:
    QTemporaryDir Dir;
    ScriptedPrompts Prompt;
    std::unique_ptr<TFrmPrev> Form;

    PrevWindowFixture() { SettingsLocation::SetOverride(IniPath()); }
    ~PrevWindowFixture() override
    {
        Form.reset();
        SettingsLocation::SetOverride(QString());
    }

    QString Path(const char* name) const { return Dir.filePath(QString::fromUtf8(name)); }
    QString IniPath() const { return Path("shosu-drill.ini"); }

    static PrevWindowOptions Options(double ratio = 1)
    {
        PrevWindowOptions options;
        options.ScreenDpi = 96;
        options.PixelRatio = ratio;
        return options;
    }

    TFrmPrev& MakeWindow(PrevWindowOptions options = Options())
    {
        if (!options.Printer)
            options.Printer = SystemPrinter::BuiltInPdf(Path("printed.pdf"));
        Form = std::make_unique<TFrmPrev>(Prompt, nullptr, std::move(options));
        return *Form;
    }

    // Shown, with a page drawn into the program list and rendered.
    TFrmPrev& ShownWithPage(PrevWindowOptions options = Options())
    {
        TFrmPrev& form = MakeWindow(std::move(options));
        form.show();
        QApplication::processEvents();
        form.Engine().ListbyProgram = {QStringLiteral("Line,10,10,100,100"),
                                       QStringLiteral("TextOut,20,20,\"1.5 + 2.25\"")};
        form.Engine().DrawGraphics();
        return form;
    }

    void WriteIni(const QString& text)
    {
        QFile file(IniPath());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(text.toUtf8());
    }
};

// A printer that exists but cannot be queried.
class UnusablePrinter : public SystemPrinter {
public:
    explicit UnusablePrinter(const QString& pdfPath) : SystemPrinter(pdfPath) {}
    std::optional<PrinterCaps> Query() const override { return std::nullopt; }
};

// Non-white pixels of an image.
inline int InkPixels(const QImage& image)
{
    int ink = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if ((image.pixel(x, y) & 0xFFFFFF) != 0xFFFFFF)
                ++ink;
    return ink;
}
