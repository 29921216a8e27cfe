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
    // A real as ReadSettingsReal reads it (common/RealText.h); anything else gives def.
    double ReadFloat(const QString& section, const QString& key, double def) const;
    bool HasKey(const QString& section, const QString& key) const;

    void WriteString(const QString& section, const QString& key, const QString& value);
    void WriteInteger(const QString& section, const QString& key, int value);
    void WriteBool(const QString& section, const QString& key, bool value); // "1" / "0"
    void WriteFloat(const QString& section, const QString& key, double value); // FormatRoundTripReal

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
