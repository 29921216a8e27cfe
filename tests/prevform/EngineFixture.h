#pragma once
// A headless preview engine for tests: the built-in PDF printer (A4, 600 dpi,
// 5 mm margins) writing into a scratch folder, a 96 dpi screen, prompts that
// only record.
#include "support/ScriptedPrompts.h"
#include "prevform/PrevEngine.h"
#include "prevform/PrinterInfo.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <memory>

class EngineFixture : public ::testing::Test {
protected:
    QTemporaryDir Dir;
    ScriptedPrompts Prompt;
    std::unique_ptr<PrevEngine> Engine = std::make_unique<PrevEngine>(
        Prompt, PrinterInfo::BuiltInPdf(Dir.filePath(QStringLiteral("out.pdf"))), 96);

    QString Path(const char* name) const { return Dir.filePath(QString::fromUtf8(name)); }
};
