// Test entry point for suites that need a Qt application object (fonts,
// painting, widgets). Runs headless unless a platform was chosen explicitly.
#include "common/SettingsLocation.h"

#include <QApplication>
#include <QTemporaryDir>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // Windows read and write the settings file: never the one beside the
    // test program, and never one another run left behind.
    QTemporaryDir settingsDir;
    SettingsLocation::SetOverride(settingsDir.filePath(QString::fromLatin1(SettingsLocation::FileName)));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
