#include "common/IniFile.h"
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>
#include <QStringDecoder>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>

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

// UTF-8; a file that is not valid UTF-8 was most likely written in the
// Japanese legacy code page, which is read as such (and saved back as UTF-8)
// rather than turned into replacement characters.
QString DecodeIniText(const QByteArray& bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8(bytes);
    if (!utf8.hasError())
        return text;
    QStringDecoder legacy("Shift_JIS");
    if (legacy.isValid()) {
        QString decoded = legacy(bytes);
        if (!legacy.hasError())
            return decoded;
    }
    return text;
}

} // namespace

namespace {

// The value of a text in the strict decimal form, as the nearest double; a
// magnitude beyond the doubles gives ±infinity, one below them zero, and
// InRange false for both.
struct DecimalRead {
    double Value = 0;
    bool InRange = false;
};

// The decimal form in ASCII, checked by hand: [+-]?(d+.?d*|.d+)([eE][+-]?d+)?
bool IsAsciiDecimalForm(QStringView text)
{
    qsizetype i = 0;
    const qsizetype n = text.size();
    auto digits = [&] {
        const qsizetype start = i;
        while (i < n && text[i] >= u'0' && text[i] <= u'9')
            ++i;
        return i - start;
    };
    if (i < n && (text[i] == u'+' || text[i] == u'-'))
        ++i;
    qsizetype mantissa = digits();
    if (i < n && text[i] == u'.') {
        ++i;
        mantissa += digits();
    }
    if (mantissa == 0)
        return false;
    if (i < n && (text[i] == u'e' || text[i] == u'E')) {
        ++i;
        if (i < n && (text[i] == u'+' || text[i] == u'-'))
            ++i;
        if (digits() == 0)
            return false;
    }
    return i == n;
}

// A command list is mostly numbers: an ASCII number of at most 64
// characters within the doubles is read without the regular expression and
// the locale machinery. Anything else takes the general path.
std::optional<DecimalRead> ReadAsciiDecimal(const QString& text)
{
    if (text.size() > 64 || !IsAsciiDecimalForm(text))
        return std::nullopt;
    char buffer[64];
    qsizetype length = 0;
    for (const QChar c : text)
        if (c != u'+')  // from_chars takes no plus sign
            buffer[length++] = static_cast<char>(c.unicode());
    double value = 0;
    const auto [end, error] = std::from_chars(buffer, buffer + length, value);
    if (error != std::errc() || end != buffer + length || !std::isfinite(value))
        return std::nullopt;
    return DecimalRead{value, true};
}

std::optional<DecimalRead> ReadDecimalForm(const QString& text)
{
    if (const auto fast = ReadAsciiDecimal(text))
        return fast;
    static const QRegularExpression form(
        QStringLiteral("^[+-]?(\\d+\\.?\\d*|\\.\\d+)([eE][+-]?\\d+)?$"));
    if (!form.match(text).hasMatch())
        return std::nullopt;
    bool ok = false;
    const double v = text.toDouble(&ok);
    return DecimalRead{v, ok && std::isfinite(v)};
}

// The general form with `digits` significant digits.
QString GeneralIniForm(double value, int digits)
{
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.*E", digits - 1, value);
    QString sci = QString::fromLatin1(buf);
    const qsizetype ePos = sci.indexOf(u'E');
    const int exponent = sci.mid(ePos + 1).toInt();
    auto stripZeros = [](QString s) {
        if (s.contains(u'.')) {
            while (s.endsWith(u'0'))
                s.chop(1);
            if (s.endsWith(u'.'))
                s.chop(1);
        }
        return s;
    };
    if (exponent < -5 || exponent >= 15)
        return stripZeros(sci.left(ePos)) + u'E' + QString::number(exponent);
    std::snprintf(buf, sizeof buf, "%.*f", std::max(0, digits - 1 - exponent), value);
    return stripZeros(QString::fromLatin1(buf));
}

} // namespace

std::optional<double> ParseDecimalReal(const QString& text)
{
    const auto read = ReadDecimalForm(text);
    if (!read || !read->InRange)
        return std::nullopt;
    return read->Value;
}

std::optional<double> ParseDecimalSaturated(const QString& text)
{
    const auto read = ReadDecimalForm(text);
    if (!read)
        return std::nullopt;
    if (read->InRange)
        return read->Value;
    if (std::isinf(read->Value))
        return std::copysign(std::numeric_limits<double>::max(), read->Value);
    return 0.0;
}

QString FormatIniReal(double value)
{
    if (!std::isfinite(value) || value == 0)
        return FormatGeneralReal(value);
    // 15 digits where they read back as the same double, else 16, else the
    // 17 that always do (the largest double would overflow at 15).
    for (int digits = 15; digits < 17; ++digits) {
        const QString text = GeneralIniForm(value, digits);
        if (ParseDecimalReal(text) == value)
            return text;
    }
    return GeneralIniForm(value, 17);
}

QString FormatGeneralReal(double value)
{
    if (std::isnan(value))
        return QStringLiteral("NAN");
    if (std::isinf(value))
        return value < 0 ? QStringLiteral("-INF") : QStringLiteral("INF");
    if (value == 0)
        return QStringLiteral("0");
    return GeneralIniForm(value, 15);
}

std::optional<double> ParseIniReal(const QString& text)
{
    if (text == QLatin1String("NAN"))
        return std::numeric_limits<double>::quiet_NaN();
    if (text == QLatin1String("INF") || text == QLatin1String("-INF"))
        return text.startsWith(u'-') ? -std::numeric_limits<double>::infinity()
                                     : std::numeric_limits<double>::infinity();
    return ParseDecimalReal(text);
}

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
    QByteArray bytes = f.readAll();
    HadBom = bytes.startsWith("\xEF\xBB\xBF");
    if (HadBom)
        bytes.remove(0, 3);
    Eol = bytes.contains("\r\n") ? QStringLiteral("\r\n") : QStringLiteral("\n");
    QString text = DecodeIniText(bytes);
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
    return v ? ParseIniReal(v->trimmed()).value_or(def) : def;
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
    WriteString(section, key, FormatIniReal(value));
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
