// The settings file: an arbitrary file is read, keys of every kind are read
// and written (texts and reals taken from the input), saved, and read back.
// What was written must read back as written: texts without line breaks
// exactly, reals as the same double.
#include "FuzzSupport.h"
#include "common/IniFile.h"
#include "common/RealText.h"
#include <QDir>
#include <cmath>
#include <cstring>

namespace {

double RealFrom(const QByteArray& bytes)
{
    double value = 0;
    std::memcpy(&value, bytes.leftJustified(sizeof value, '\0').constData(), sizeof value);
    return value;
}

bool SameReal(double a, double b)
{
    return (std::isnan(a) && std::isnan(b)) || a == b;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::vector<QByteArray> parts = SplitInput(data, size, 3);
    const QString path = QDir(FuzzFolder()).filePath(QStringLiteral("fuzz.ini"));
    WriteFuzzFile(QStringLiteral("fuzz.ini"), parts[0]);

    IniFile ini(path);
    const QString page = ini.ReadString("Page", "Header", "");
    ini.ReadInteger("Exam", "Row", 10);
    ini.ReadBool("Answer", "Frame", false);
    ini.ReadFloat("Window", "Left", 0);

    QString text = parts.size() > 1 ? QString::fromUtf8(parts[1]) : page;
    text.replace(u'\r', u' ').replace(u'\n', u' ');
    const double real = parts.size() > 2 ? RealFrom(parts[2]) : ini.ReadFloat("Window", "Top", 1);
    ini.WriteString("Page", "Header", text);
    ini.WriteFloat("Window", "Left", real);
    ini.WriteInteger("Exam", "Row", static_cast<int>(text.size()));
    ini.WriteBool("Answer", "Frame", text.isEmpty());
    if (ini.Save())
        return 0;

    const IniFile back(path);
    if (back.ReadString("Page", "Header", "<none>") != text)
        FuzzFailure("text did not read back", text);
    if (!SameReal(back.ReadFloat("Window", "Left", 12345), real))
        FuzzFailure("real did not read back", FormatRoundTripReal(real));
    if (back.ReadInteger("Exam", "Row", -1) != text.size())
        FuzzFailure("integer did not read back", text);
    return 0;
}
