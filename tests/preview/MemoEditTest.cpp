// Pasting into a multi-line text box: text arrives, nothing pastes nothing.
#include "preview/MemoEdit.h"

#include <QApplication>
#include <QClipboard>
#include <QMimeData>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class MemoEditTest : public ::testing::Test {
protected:
    MemoEdit Memo;

    void SetUp() override
    {
        Memo.setPlainText(QStringLiteral("1.5"));
        Memo.moveCursor(QTextCursor::End);
    }
    void TearDown() override { QGuiApplication::clipboard()->clear(); }
};

TEST_F(MemoEditTest, PasteKeysWithEmptyClipboardLeaveTheTextAsItWas)
{
    struct Case {
        const char* Name;
        QMimeData* Clipboard;  // null: cleared
    };
    auto* blank = new QMimeData;
    blank->setText(QString());
    auto* image = new QMimeData;
    image->setData(QStringLiteral("image/png"), QByteArray("x"));
    const Case cases[] = {{"cleared", nullptr}, {"empty text", blank}, {"no text", image}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        if (c.Clipboard)
            QGuiApplication::clipboard()->setMimeData(c.Clipboard);
        else
            QGuiApplication::clipboard()->clear();
        QTest::keyClick(&Memo, Qt::Key_V, Qt::ControlModifier);
        QTest::keyClick(&Memo, Qt::Key_Insert, Qt::ShiftModifier);
        EXPECT_EQ(Memo.toPlainText(), QStringLiteral("1.5"));
    }
}

TEST_F(MemoEditTest, MissingOrEmptyDataIsNeverInserted)
{
    QMimeData empty;
    Memo.PasteFrom(nullptr);
    Memo.PasteFrom(&empty);
    EXPECT_FALSE(MemoEdit::HasPasteText(nullptr));
    EXPECT_FALSE(MemoEdit::HasPasteText(&empty));
    EXPECT_EQ(Memo.toPlainText(), QStringLiteral("1.5"));
}

TEST_F(MemoEditTest, PasteKeyInsertsClipboardTextAtTheCursor)
{
    QGuiApplication::clipboard()->setText(QStringLiteral("\n2.25"));
    QTest::keyClick(&Memo, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(Memo.toPlainText(), QStringLiteral("1.5\n2.25"));
}

TEST_F(MemoEditTest, ReadOnlyBoxIgnoresThePasteKey)
{
    QGuiApplication::clipboard()->setText(QStringLiteral("9"));
    Memo.setReadOnly(true);
    QTest::keyClick(&Memo, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(Memo.toPlainText(), QStringLiteral("1.5"));
}

} // namespace
