#include "prevform/ListFileReader.h"

#include "prevform/CommandSplit.h"
#include "common/TextDecoding.h"

#include <QFile>
#include <QFileInfo>

namespace {

bool IsBlankLine(const QString& line)
{
    for (QChar c : line)
        if (c.unicode() > 32)
            return false;
    return true;
}

qsizetype CharCount(const QStringList& lines)
{
    qsizetype count = 0;
    for (const QString& line : lines)
        count += line.size();
    return count;
}

QString CycleMessage(const QStringList& files)
{
    return QStringLiteral("INCLUDE の展開を途中で打ち切りました。ファイルが自分自身を読み込んで"
                          "いるか、読み込みが多すぎます: %1")
        .arg(files.join(QStringLiteral("、")));
}

} // namespace

ListFileResult ListFileReader::Read(const QString& listIniFile)
{
    Cache.clear();
    DiskReads = 0;
    ListFileResult result;
    if (!IsExistingFile(listIniFile))
        return result;
    const std::optional<QStringList> pointer = LoadLines(listIniFile, result.Problems);
    if (!pointer)
        return result;
    QStringList lines = *pointer;
    const QString named = pointer->isEmpty() ? QString() : StripControls(pointer->first());
    if (IsExistingFile(named)) {
        const std::optional<QStringList> list = LoadLines(named, result.Problems);
        lines = list.value_or(QStringList());
    }
    ListFileResult expanded = Expand(lines);
    expanded.Problems = result.Problems + expanded.Problems;
    return expanded;
}

ListFileResult ListFileReader::Expand(QStringList lines)
{
    ListFileResult result;
    qsizetype chars = CharCount(lines);
    for (int pass = 0;; ++pass) {
        bool expanded = false;
        QStringList stopped; // includes left in place because a bound was reached
        QStringList next;
        qsizetype remainingChars = chars, nextChars = 0;
        for (qsizetype i = 0; i < lines.size(); ++i) {
            const QString& line = lines[i];
            remainingChars -= line.size();
            if (IsBlankLine(line))
                continue;
            const std::optional<QString> file = IncludeName(SplitCommandLine(line));
            if (file && !IsExistingFile(*file))
                continue; // a missing file: the line is dropped
            if (file && pass < MaxPasses) {
                const std::optional<QStringList> included = LoadLines(*file, result.Problems);
                if (!included)
                    continue; // unreadable: reported once, the line dropped
                const qsizetype restLines = lines.size() - i - 1;
                const qsizetype includedChars = CharCount(*included);
                if (next.size() + included->size() + restLines <= MaxLines &&
                    nextChars + includedChars + remainingChars <= MaxChars) {
                    next += *included;
                    nextChars += includedChars;
                    expanded = true;
                    continue;
                }
            }
            if (file && !stopped.contains(*file))
                stopped.append(*file);
            next.append(line);
            nextChars += line.size();
        }
        lines = next;
        chars = nextChars;
        if (!stopped.isEmpty()) {
            result.Problems.append(CycleMessage(stopped));
            lines.removeIf(IsBlankLine);
            break;
        }
        if (!expanded)
            break;
    }
    result.Lines = lines;
    return result;
}

std::optional<QString> ListFileReader::IncludeName(const QStringList& fields)
{
    if (fields.size() != 2 || CommandKeyword(fields) != QLatin1String("INCLUDE"))
        return std::nullopt;
    return fields[1];
}

bool ListFileReader::IsExistingFile(const QString& name)
{
    if (name.isEmpty())
        return false;
    auto [entry, added] = Cache.try_emplace(name);
    if (added)
        entry->second.Exists = QFileInfo(name).isFile();
    return entry->second.Exists;
}

std::optional<QStringList> ListFileReader::LoadLines(const QString& path, QStringList& problems)
{
    CachedFile& cached = Cache[path];
    if (cached.Loaded)
        return cached.Lines;
    std::optional<QStringList> lines;
    QFile file(path);
    if (file.size() > MaxFileBytes)
        problems.append(QStringLiteral("リストファイルが大きすぎるため読み込みません: %1").arg(path));
    else if (!file.open(QIODevice::ReadOnly))
        problems.append(QStringLiteral("リストファイルを読み込めません: %1 (%2)")
                            .arg(path, file.errorString()));
    else {
        lines = SplitTextLines(DecodeText(file.readAll()));
        ++DiskReads;
    }
    cached.Loaded = true;
    cached.Lines = lines;
    return lines;
}
