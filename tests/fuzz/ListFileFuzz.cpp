// The list-file reader on files of its own: the input is cut into a pointer
// file and three list files (a.txt, b.txt, c.txt) in a private folder, so
// pointer lines and INCLUDE lines can name each other, themselves or nothing.
// The expansion must end within its bounds.
#include "FuzzSupport.h"
#include "prevform/ListFileReader.h"
#include <QDir>
#include <QFile>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const bool entered = (EnterFuzzFolder(), true);
    (void)entered;
    static const QString names[] = {"PrevForm.prv", "a.txt", "b.txt", "c.txt"};
    const std::vector<QByteArray> parts = SplitInput(data, size, 4);
    for (size_t i = 0; i < 4; ++i) {
        if (i < parts.size())
            WriteFuzzFile(names[i], parts[i]);
        else
            QFile::remove(QDir(FuzzFolder()).filePath(names[i]));
    }
    const ListFileResult result = ListFileReader().Read(names[0]);
    if (result.Lines.size() > ListFileReader::MaxLines)
        FuzzFailure("read list beyond its line bound", QString::number(result.Lines.size()));
    return 0;
}
