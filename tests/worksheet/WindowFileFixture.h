#pragma once
// A main window whose settings file is a scratch file of the test's own,
// started (and restarted) as the program starts it; the suite's own file
// location comes back afterwards.
#include "support/ScriptedPrompts.h"
#include "common/SettingsLocation.h"
#include "worksheet/TForm1.h"

#include <QApplication>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

class WindowFileFixture : public ::testing::Test {
protected:
    QTemporaryDir Dir;
    QString Path = Dir.filePath("shosu-drill.ini");
    QString SuitePath = SettingsLocation::FilePath();
    ScriptedPrompts Prompts;
    std::unique_ptr<TForm1> Form;

    void SetUp() override
    {
        SettingsLocation::SetOverride(Path);
        QApplication::setQuitOnLastWindowClosed(false);
    }
    void TearDown() override
    {
        Form.reset();
        SettingsLocation::SetOverride(SuitePath);
    }
    void Start()
    {
        Form = std::make_unique<TForm1>(Prompts, 7);
        Form->show();
    }
};
