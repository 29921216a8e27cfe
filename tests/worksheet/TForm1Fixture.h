#pragma once
// The main window under the offscreen platform with scripted prompts and a
// fixed seed, for the tests of its handlers.
#include "TypeInto.h"
#include "support/ScriptedPrompts.h"
#include "worksheet/TForm1.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QFocusEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusTipEvent>
#include <QTabBar>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

class TForm1Test : public ::testing::Test {
protected:
    ScriptedPrompts Prompts;
    TForm1 Form{Prompts, 12345};

    void SetRanges(const RangeTexts& texts)
    {
        for (int i = 0; i < RangeEditCount; ++i)
            Form.RangeEdit(i)->setText(QString::fromStdString(texts[i]));
    }

    static QStringList Lines(const QPlainTextEdit* memo)
    {
        return memo->toPlainText().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    }
};

} // namespace
