#pragma once
// Reads the read list from disk: the pointer file names a list file in its
// first line or is a list file itself; "INCLUDE,<file>" lines are replaced by
// the named file's lines, in passes, in place and in order, until a pass
// expands nothing; blank lines are dropped. The expansion is bounded (passes,
// lines, characters, file size), so a file that includes itself or two files
// that include each other end with the list as expanded so far and one
// problem message instead of a hang or exhausted memory. Relative names are
// taken against the current directory. It reports nothing itself: problems
// come back as texts for the caller to show.
#include <QString>
#include <QStringList>
#include <map>
#include <optional>

struct ListFileResult {
    QStringList Lines;
    QStringList Problems; // one message per problem, for the user
};

class ListFileReader {
public:
    static constexpr int MaxPasses = 32;
    static constexpr qsizetype MaxLines = 100'000;
    static constexpr qsizetype MaxChars = 16 * 1024 * 1024;
    static constexpr qint64 MaxFileBytes = 32 * 1024 * 1024;

    // The read list for the pointer file listIniFile; empty, without a
    // problem, when that file does not exist.
    ListFileResult Read(const QString& listIniFile);
    // Expands the "INCLUDE" lines of lines and drops blank lines.
    ListFileResult Expand(QStringList lines);
    // How many files the last Read took from disk.
    int FilesRead() const { return DiskReads; }

private:
    // What one Read learnt of each file, by the name as written (the current
    // directory stays the same meanwhile): whether it exists and its decoded
    // lines, so that a file included many times is looked up and read from
    // disk once, however often its INCLUDE lines fan out.
    struct CachedFile {
        bool Exists = false;
        bool Loaded = false;
        std::optional<QStringList> Lines;
    };
    std::map<QString, CachedFile> Cache;
    int DiskReads = 0;

    bool IsExistingFile(const QString& name);
    std::optional<QStringList> LoadLines(const QString& path, QStringList& problems);
    // The file an "INCLUDE" line names: exactly two fields, keyword "INCLUDE".
    static std::optional<QString> IncludeName(const QStringList& fields);
};
