#include "FuzzSupport.h"
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>

void StartFuzzApplication()
{
    static int argc = 1;
    static char name[] = "fuzz";
    static char* argv[] = {name, nullptr};
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Never destroyed: at exit Qt's own statics may already be gone.
    static QGuiApplication* app = new QGuiApplication(argc, argv);
    (void)app;
}

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    StartFuzzApplication();
    return 0;
}

QString FuzzFolder()
{
    static QTemporaryDir dir;
    if (!dir.isValid())
        std::abort();
    return dir.path();
}

void EnterFuzzFolder()
{
    if (!QDir::setCurrent(FuzzFolder()))
        std::abort();
}

std::vector<QByteArray> SplitInput(const uint8_t* data, size_t size, size_t maxParts)
{
    const QByteArray all(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    std::vector<QByteArray> parts;
    qsizetype from = 0;
    while (parts.size() + 1 < maxParts) {
        const qsizetype at = all.indexOf("\n--\n", from);
        if (at < 0)
            break;
        parts.push_back(all.mid(from, at - from));
        from = at + 4;
    }
    parts.push_back(all.mid(from));
    return parts;
}

void WriteFuzzFile(const QString& name, const QByteArray& bytes)
{
    QFile file(QDir(FuzzFolder()).filePath(name));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        std::abort();
}

void FuzzFailure(const char* what, const QString& detail)
{
    std::fprintf(stderr, "fuzz expectation failed: %s: %s\n", what, detail.toUtf8().constData());
    std::abort();
}
