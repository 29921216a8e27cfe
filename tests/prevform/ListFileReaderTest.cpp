#include "prevform/ListFileReader.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// Runs each test in a scratch folder, since list files name each other
// relative to the current directory.
class ListFileReaderTest : public ::testing::Test {
protected:
    QTemporaryDir Dir;
    QString OldDir = QDir::currentPath();

    void SetUp() override { ASSERT_TRUE(QDir::setCurrent(Dir.path())); }
    void TearDown() override { QDir::setCurrent(OldDir); }

    static void Write(const char* name, const QByteArray& bytes)
    {
        QFile file(QString::fromUtf8(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    static void WriteLines(const char* name, const QString& text) { Write(name, text.toUtf8()); }

    static ListFileResult Read(const char* pointer = "PrevForm.prv")
    {
        return ListFileReader().Read(QString::fromUtf8(pointer));
    }
};

TEST_F(ListFileReaderTest, MissingPointerFileGivesEmptyListSilently)
{
    const ListFileResult result = Read();
    EXPECT_TRUE(result.Lines.isEmpty());
    EXPECT_TRUE(result.Problems.isEmpty());
}

TEST_F(ListFileReaderTest, PointerFileNamesTheListOrIsTheList)
{
    WriteLines("sheet.txt", "Line,1,1,2,2\r\nTextOut,1,1,\"S\",NIL\r\n");
    WriteLines("PrevForm.prv", " sheet.txt \nTextOut,9,9,\"unused\",NIL\n");
    EXPECT_EQ(Read().Lines, (QStringList{"Line,1,1,2,2", "TextOut,1,1,\"S\",NIL"}));

    WriteLines("self.prv", "TextOut,10,10,\"A\",NIL\n\n   \nLine,0,0,1,1\n");
    const ListFileResult self = Read("self.prv");
    EXPECT_EQ(self.Lines, (QStringList{"TextOut,10,10,\"A\",NIL", "Line,0,0,1,1"}));
    EXPECT_TRUE(self.Problems.isEmpty());
}

TEST_F(ListFileReaderTest, ExpandsIncludesInPlaceAndInOrder)
{
    WriteLines("PrevForm.prv",
               "A\nINCLUDE,part2.txt\nB\nInclude, part4.txt\nINCLUDE,a.txt,b.txt\n"
               "INCLUDE,missing.txt\nINCLUDE,\"my part.txt\"\nC\n");
    WriteLines("part2.txt", "P2a\n\nINCLUDE,part3.txt\nP2b");
    WriteLines("part3.txt", "P3\n");
    WriteLines("part4.txt", "P4\n");
    WriteLines("a.txt", "never\n");
    WriteLines("my part.txt", "MY\n");
    const ListFileResult result = Read();
    EXPECT_EQ(result.Lines, (QStringList{"A", "P2a", "P3", "P2b", "B", "P4", "INCLUDE,a.txt,b.txt",
                                         "MY", "C"}));
    EXPECT_TRUE(result.Problems.isEmpty());
}

TEST_F(ListFileReaderTest, ReadsEachFileInItsEncoding)
{
    const QString japanese = QStringLiteral("TextOut,1,1,\"答え～①\",NIL");
    // CP932 pointer file naming a UTF-16 file that includes a UTF-8 file with a BOM.
    Write("PrevForm.prv", QByteArray("sjis.txt\r\n"));
    Write("sjis.txt", QByteArray("TextOut,1,1,\"\x93\x9a\x82\xa6\x81\x60\x87\x40\",NIL\r\n"
                                 "INCLUDE,utf16.txt\r\n"));
    QByteArray utf16("\xFF\xFE");
    const QString utf16Text = QStringLiteral("INCLUDE,bom.txt\r\n");
    utf16.append(reinterpret_cast<const char*>(utf16Text.utf16()), utf16Text.size() * 2);
    Write("utf16.txt", utf16);
    Write("bom.txt", "\xEF\xBB\xBF" + japanese.toUtf8());
    EXPECT_EQ(Read().Lines, (QStringList{japanese, japanese}));
}

TEST_F(ListFileReaderTest, CyclesStopWithTheListSoFarAndOneMessage)
{
    struct Case {
        const char* Name;
        std::vector<std::pair<const char*, const char*>> Files;
    };
    const Case cases[] = {
        {"self", {{"PrevForm.prv", "Top\nINCLUDE,loop.txt\nEnd\n"}, {"loop.txt", "L\nINCLUDE,loop.txt\n"}}},
        {"mutual", {{"PrevForm.prv", "Top\nINCLUDE,a.txt\nEnd\n"},
                    {"a.txt", "A\nINCLUDE,b.txt\n"},
                    {"b.txt", "B\nINCLUDE,a.txt\n"}}},
        {"doubling", {{"PrevForm.prv", "Top\nINCLUDE,twice.txt\nEnd\n"},
                      {"twice.txt", "T\nINCLUDE,twice.txt\nINCLUDE,twice.txt\n"}}},
    };
    for (const Case& c : cases) {
        for (const auto& [name, text] : c.Files)
            WriteLines(name, QString::fromUtf8(text));
        const ListFileResult result = Read();
        ASSERT_EQ(result.Problems.size(), 1) << c.Name;
        EXPECT_TRUE(result.Problems[0].contains(QStringLiteral(".txt"))) << c.Name;
        EXPECT_EQ(result.Lines.first(), QStringLiteral("Top")) << c.Name;
        EXPECT_EQ(result.Lines.last(), QStringLiteral("End")) << c.Name;
        EXPECT_GT(result.Lines.size(), 3) << c.Name;
        EXPECT_LE(result.Lines.size(), ListFileReader::MaxLines) << c.Name;
    }
}

TEST_F(ListFileReaderTest, FanningOutIncludesReadEachFileOnce)
{
    // fan.txt includes itself twice and leaf.txt: the lines double every pass
    // until the line bound stops the expansion
    WriteLines("PrevForm.prv", "Top\nINCLUDE,fan.txt\nEnd\n");
    WriteLines("fan.txt", "INCLUDE,fan.txt\nINCLUDE,leaf.txt\nInclude, fan.txt\n");
    WriteLines("leaf.txt", "Line,0,0,1,1\n");
    ListFileReader reader;
    const ListFileResult result = reader.Read(QStringLiteral("PrevForm.prv"));
    EXPECT_EQ(reader.FilesRead(), 3);
    ASSERT_EQ(result.Problems.size(), 1);
    EXPECT_TRUE(result.Problems[0].contains(QStringLiteral("fan.txt")));
    EXPECT_EQ(result.Lines.first(), QStringLiteral("Top"));
    EXPECT_EQ(result.Lines.last(), QStringLiteral("End"));
    EXPECT_GT(result.Lines.count(QStringLiteral("Line,0,0,1,1")), 1000);
    EXPECT_LE(result.Lines.size(), ListFileReader::MaxLines);
}

TEST_F(ListFileReaderTest, UnreadableIncludedFileIsReportedAndDropped)
{
    WriteLines("PrevForm.prv", "A\nINCLUDE,locked.txt\nINCLUDE,locked.txt\nB\n");
    WriteLines("locked.txt", "secret\n");
    QFile::setPermissions(QStringLiteral("locked.txt"), QFileDevice::Permissions());
    QFile probe(QStringLiteral("locked.txt"));
    if (probe.open(QIODevice::ReadOnly))
        GTEST_SKIP() << "running with rights that ignore file permissions";
    const ListFileResult result = Read();
    EXPECT_EQ(result.Lines, (QStringList{"A", "B"}));
    EXPECT_EQ(result.Problems.size(), 1);
}

} // namespace
