#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <utility>

// An INI file read and written the way the Windows private-profile functions
// do, so files an older copy of the program wrote keep working: section and
// key names match without regard to letter case, a write changes only the
// value of its key and keeps every other line, text is Windows-1251 with CR LF
// line ends. Nothing is held open between calls; a write is saved atomically.
class IniFile
{
public:
    // The longest value a read returns, as the original's 2048-byte buffer allowed.
    static constexpr int MaxValueLength = 2047;

    explicit IniFile(QString path);

    const QString& path() const { return m_path; }

    // The value of section/key, trimmed and unquoted; defaultValue when the
    // file, section or key is missing or the file cannot be read.
    QString read(const QString& section, const QString& key, const QString& defaultValue) const;

    // Sets the keys in the given order in one read-modify-save, creating the
    // file and the section when missing. Throws AppError("Unable to write to
    // <full path>") when the file cannot be written; the file is then unchanged.
    void write(const QString& section, const QList<std::pair<QString, QString>>& values);

private:
    QString m_path;
};
