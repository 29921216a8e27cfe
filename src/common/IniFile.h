#pragma once
// IniFile: the main settings file, an INI text in UTF-8. Sections and keys
// match without regard to case; values are trimmed and lose one pair of
// enclosing double or single quotes. Writes change a key in place or append
// it to its section; every other line (comments, foreign keys) stays as it was.
// Save() re-reads the file and applies only this object's writes, so two
// owners that write different keys never undo each other.
#include <QString>
#include <QStringList>
#include <optional>
#include <utility>
#include <vector>

class IniFile {
public:
    // Loads the file when it exists; a missing or unreadable file reads as
    // empty. An empty path makes an in-memory text that starts empty.
    explicit IniFile(QString path);

    const QString& Path() const { return FilePath; }

    QString ReadString(const QString& section, const QString& key, const QString& def) const;
    // Decimal, or hexadecimal with "0x" or "$"; anything else gives def.
    int ReadInteger(const QString& section, const QString& key, int def) const;
    // An integer as ReadInteger; non-zero is true. Anything else gives def.
    bool ReadBool(const QString& section, const QString& key, bool def) const;
    // A decimal number (sign, digits, ".", fraction, exponent) or what
    // FormatIniReal writes for a value that is not finite; anything else gives def.
    double ReadFloat(const QString& section, const QString& key, double def) const;
    bool HasKey(const QString& section, const QString& key) const;

    void WriteString(const QString& section, const QString& key, const QString& value);
    void WriteInteger(const QString& section, const QString& key, int value);
    void WriteBool(const QString& section, const QString& key, bool value); // "1" / "0"
    void WriteFloat(const QString& section, const QString& key, double value); // FormatIniReal

    // Writes the file atomically (temporary file, then rename). On failure
    // (also when the file exists but cannot be read, so its other sections
    // would be lost) returns "<path> に書き込めません"; the old file is untouched.
    [[nodiscard]] std::optional<QString> Save();

    // The whole text as it would be saved (for tests and diagnostics).
    QString Text() const;

private:
    struct Write {
        QString Section, Key, Value;
    };
    QString FilePath;
    QStringList Lines;
    bool HadBom = false;
    bool Readable = false;
    QString Eol = QStringLiteral("\n");
    std::vector<Write> Pending;

    void Load();
    void Apply(const Write& w);
    std::optional<QString> RawValue(const QString& section, const QString& key) const;
};

// A real number in the general form of the settings file and the command
// language: 15 significant digits (16 or 17 where 15 would not read back as
// the same double), no trailing zeros, "." as decimal separator, exponent form
// ("1E-6", "1.5E20") only below 1E-5 or from 1E15 on. 10 gives "10", 12.5
// gives "12.5", 0.000001 gives "1E-6"; not-a-number and the infinities give
// "NAN", "INF" and "-INF".
QString FormatIniReal(double value);

// The same form with at most 15 significant digits, as dialogs show a real
// (39.439583333333336 shows as 39.4395833333333); it need not read back exactly.
QString FormatGeneralReal(double value);

// What FormatIniReal writes, read back: the decimal form or one of its three
// words for the values that are not finite.
std::optional<double> ParseIniReal(const QString& text);

// Strict decimal number text (optional sign, digits, optional "." fraction,
// optional exponent); nullopt for anything else, including blanks inside, and
// for a value beyond the range of a double.
std::optional<double> ParseDecimalReal(const QString& text);

// The same form, but a value too large for a double gives the largest double
// of its sign and one too small gives 0: the number keeps its meaning.
std::optional<double> ParseDecimalSaturated(const QString& text);
