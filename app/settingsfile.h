#pragma once

#include <QDate>
#include <QList>
#include <QString>
#include <utility>

// The settings file beside the executable, section "Settings". Every read or
// write opens, reads or writes, and closes the file; nothing is held open.
// A write that fails throws AppError("Unable to write to <full path>").
class SettingsFile
{
public:
    explicit SettingsFile(QString path);

    // The executable's full path with its extension replaced by ".ini".
    static QString pathForExecutable(const QString& executablePath);

    const QString& path() const { return m_path; }

    QString readString(const QString& key, const QString& defaultValue) const;
    bool readBool(const QString& key, bool defaultValue) const;
    QDate readDate(const QString& key, const QDate& defaultValue) const;

    void writeString(const QString& key, const QString& value);
    void writeBool(const QString& key, bool value);
    void writeDate(const QString& key, const QDate& value);
    // Several keys in one open-write-close, in the given order.
    void writeStrings(const QList<std::pair<QString, QString>>& values);

private:
    QString m_path;
};
