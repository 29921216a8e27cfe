#pragma once
// Writing and reading a whole scratch file in tests; a file that cannot be
// read reads as empty.
#include <QByteArray>
#include <QFile>
#include <QString>

inline bool WriteScratchFile(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

inline QByteArray ReadScratchFile(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
