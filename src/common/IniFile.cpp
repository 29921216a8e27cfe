#include "common/IniFile.h"
#include "common/RealText.h"
#include "common/TextDecoding.h"
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>

namespace {

// The blanks the settings file trims: ASCII only, so that values starting
// with ideographic spaces (U+3000) keep them.
bool IsBlank(QChar c) { return c == u' ' || c == u'\t' || c == u'\r'; }

QString TrimBlanks(const QString& s)
{
    qsizetype b = 0, e = s.size();
    while (b < e && IsBlank(s[b]))
        ++b;
    while (e > b && IsBlank(s[e - 1]))
        --e;
    return s.mid(b, e - b);
}

bool Quoted(const QString& v)
{
    return v.size() >= 2 && (v.front() == u'"' || v.front() == u'\'') && v.back() == v.front();
}

QString Unquote(const QString& raw)
{
    const QString v = TrimBlanks(raw);
    return Quoted(v) ? v.mid(1, v.size() - 2) : v;
}

// A value that would not read back as written (outer blanks, a quote pair)
// is stored in double quotes; line breaks would end the line, so they become blanks.
QString StoredForm(QString value)
{
    value.replace(u'\r', u' ').replace(u'\n', u' ');
    if (value != TrimBlanks(value) || Quoted(value))
        return u'"' + value + u'"';
    return value;
}

std::optional<QString> SectionName(const QString& line)
{
    const QString t = TrimBlanks(line);
    if (!t.startsWith(u'['))
        return std::nullopt;
    const qsizetype close = t.lastIndexOf(u']');
    return TrimBlanks(t.mid(1, close > 0 ? close - 1 : -1));
}

// Key of a "Key=Value" line; nullopt for comments and other lines.
std::optional<QString> KeyName(const QString& line)
{
    const QString t = TrimBlanks(line);
    const qsizetype eq = t.indexOf(u'=');
    if (eq <= 0 || t.startsWith(u';') || t.startsWith(u'['))
        return std::nullopt;
    return TrimBlanks(t.left(eq));
}

bool Same(const QString& a, const QString& b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// Index of the section's header line, or -1.
qsizetype FindSection(const QStringList& lines, const QString& section)
{
    for (qsizetype i = 0; i < lines.size(); ++i)
        if (const auto name = SectionName(lines[i]); name && Same(*name, section))
            return i;
    return -1;
}

// One past the section's last line.
qsizetype SectionEnd(const QStringList& lines, qsizetype header)
{
    qsizetype i = header + 1;
    while (i < lines.size() && !SectionName(lines[i]))
        ++i;
    return i;
}

qsizetype FindKey(const QStringList& lines, qsizetype header, const QString& key)
{
    const qsizetype end = SectionEnd(lines, header);
    for (qsizetype i = header + 1; i < end; ++i)
        if (const auto name = KeyName(lines[i]); name && Same(*name, key))
            return i;
    return -1;
}

std::optional<int> ParseIniInteger(const QString& text)
{
    const QString s = text.trimmed();
    bool ok = false;
    if (s.startsWith(QLatin1String("0x"), Qt::CaseInsensitive) || s.startsWith(u'$')) {
        const QString digits = s.mid(s.startsWith(u'$') ? 1 : 2);
        static const QRegularExpression hex(QStringLiteral("^[0-9A-Fa-f]{1,8}$"));
        if (!hex.match(digits).hasMatch())
            return std::nullopt;
        return static_cast<int>(digits.toUInt(&ok, 16)); // $FFFFFFFF is -1
    }
    static const QRegularExpression dec(QStringLiteral("^[+-]?\\d+$"));
    if (!dec.match(s).hasMatch())
        return std::nullopt;
    const int v = s.toInt(&ok, 10);
    return ok ? std::optional<int>(v) : std::nullopt;
}

} // namespace

IniFile::IniFile(QString path) : FilePath(std::move(path))
{
    Load();
}

void IniFile::Load()
{
    Lines.clear();
    Readable = false;
    if (FilePath.isEmpty())
        return;  // an in-memory settings text (applying a preset), never saved
    QFile f(FilePath);
    Readable = f.open(QIODevice::ReadOnly);
    if (!Readable)
        return;
    const QByteArray bytes = f.readAll();
    HadBom = bytes.startsWith("\xEF\xBB\xBF");
    // A file that is not UTF-8 was most likely written in the Japanese legacy
    // code page; it is read as such and saved back as UTF-8.
    QString text = DecodeText(bytes);
    Eol = text.contains(QLatin1String("\r\n")) ? QStringLiteral("\r\n") : QStringLiteral("\n");
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    Lines = text.split(u'\n');
    if (!Lines.isEmpty() && Lines.back().isEmpty())
        Lines.removeLast(); // the final line break
}

std::optional<QString> IniFile::RawValue(const QString& section, const QString& key) const
{
    const qsizetype header = FindSection(Lines, section);
    if (header < 0)
        return std::nullopt;
    const qsizetype at = FindKey(Lines, header, key);
    if (at < 0)
        return std::nullopt;
    const QString& line = Lines[at];
    return Unquote(line.mid(line.indexOf(u'=') + 1));
}

bool IniFile::HasKey(const QString& section, const QString& key) const
{
    return RawValue(section, key).has_value();
}

QString IniFile::ReadString(const QString& section, const QString& key, const QString& def) const
{
    return RawValue(section, key).value_or(def);
}

int IniFile::ReadInteger(const QString& section, const QString& key, int def) const
{
    const auto v = RawValue(section, key);
    return v ? ParseIniInteger(*v).value_or(def) : def;
}

bool IniFile::ReadBool(const QString& section, const QString& key, bool def) const
{
    const auto v = RawValue(section, key);
    if (!v)
        return def;
    const auto n = ParseIniInteger(*v);
    return n ? *n != 0 : def;
}

double IniFile::ReadFloat(const QString& section, const QString& key, double def) const
{
    const auto v = RawValue(section, key);
    return v ? ReadSettingsReal(*v).value_or(def) : def;
}

void IniFile::Apply(const Write& w)
{
    const QString stored = StoredForm(w.Value);
    qsizetype header = FindSection(Lines, w.Section);
    if (header < 0) {
        Lines << u'[' + w.Section + u']';
        Lines << w.Key + u'=' + stored;
        return;
    }
    const qsizetype at = FindKey(Lines, header, w.Key);
    if (at >= 0) {
        Lines[at] = *KeyName(Lines[at]) + u'=' + stored;
        return;
    }
    // After the section's last non-blank line, so blank separators stay between sections.
    qsizetype end = SectionEnd(Lines, header);
    while (end > header + 1 && TrimBlanks(Lines[end - 1]).isEmpty())
        --end;
    Lines.insert(end, w.Key + u'=' + stored);
}

void IniFile::WriteString(const QString& section, const QString& key, const QString& value)
{
    const Write w{section, key, value};
    Apply(w);
    Pending.push_back(w);
}

void IniFile::WriteInteger(const QString& section, const QString& key, int value)
{
    WriteString(section, key, QString::number(value));
}

void IniFile::WriteBool(const QString& section, const QString& key, bool value)
{
    WriteString(section, key, value ? QStringLiteral("1") : QStringLiteral("0"));
}

void IniFile::WriteFloat(const QString& section, const QString& key, double value)
{
    WriteString(section, key, FormatRoundTripReal(value));
}

QString IniFile::Text() const
{
    QString text = Lines.join(Eol);
    if (!Lines.isEmpty())
        text += Eol;
    return text;
}

std::optional<QString> IniFile::Save()
{
    const QString failure = QStringLiteral("%1 に書き込めません").arg(QDir::toNativeSeparators(FilePath));
    // Start from the file as it is now, so keys other owners wrote survive;
    // a file that exists but cannot be read is never replaced by our keys alone.
    IniFile current(FilePath);
    if (QFileInfo::exists(FilePath) && !current.Readable)
        return failure;
    for (const Write& w : Pending)
        current.Apply(w);
    QDir().mkpath(QFileInfo(FilePath).absolutePath());
    QSaveFile out(FilePath);
    if (!out.open(QIODevice::WriteOnly))
        return failure;
    QByteArray bytes = current.HadBom ? QByteArray("\xEF\xBB\xBF") : QByteArray();
    bytes += current.Text().toUtf8();
    if (out.write(bytes) != bytes.size() || !out.commit())
        return failure;
    Lines = current.Lines;
    HadBom = current.HadBom;
    Eol = current.Eol;
    Pending.clear();
    return std::nullopt;
}
