#include "app/settingsfile.h"

#include "app/inifile.h"
#include "store/datetimetext.h"

#include <QFileInfo>

namespace {

const QString kSection = QStringLiteral("Settings");

// A whole number as the original read it: decimal with an optional sign, or
// hexadecimal after "0x"/"0X"; anything else is no number.
bool parseWholeNumber(const QString& text, qint64* value)
{
    bool ok = false;
    if (text.startsWith(QLatin1String("0x"), Qt::CaseInsensitive)) {
        const QStringView digits = QStringView(text).mid(2);
        // toUInt would accept a sign or blanks after the prefix; the original did not.
        if (digits.isEmpty() || digits.front() == QLatin1Char('+') ||
            digits.front() == QLatin1Char('-') || digits.front().isSpace())
            return false;
        *value = digits.toUInt(&ok, 16);
    } else {
        *value = text.toInt(&ok, 10);
    }
    return ok;
}

} // namespace

SettingsFile::SettingsFile(QString path) : m_path(std::move(path)) {}

QString SettingsFile::pathForExecutable(const QString& executablePath)
{
    const QFileInfo info(executablePath);
    QString name = info.fileName();
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    if (dot > 0)
        name.truncate(dot);
    return info.absolutePath() + QLatin1Char('/') + name + QStringLiteral(".ini");
}

QString SettingsFile::readString(const QString& key, const QString& defaultValue) const
{
    return IniFile(m_path).read(kSection, key, defaultValue);
}

bool SettingsFile::readBool(const QString& key, bool defaultValue) const
{
    qint64 value = 0;
    if (!parseWholeNumber(readString(key, QString()), &value))
        return defaultValue;
    return value != 0;
}

QDate SettingsFile::readDate(const QString& key, const QDate& defaultValue) const
{
    const QString text = readString(key, QString());
    if (text.isEmpty())
        return defaultValue;
    const QDate date = DateTimeText::parseDate(text);
    return date.isValid() ? date : defaultValue;
}

void SettingsFile::writeString(const QString& key, const QString& value)
{
    writeStrings({{key, value}});
}

void SettingsFile::writeBool(const QString& key, bool value)
{
    writeString(key, value ? QStringLiteral("1") : QStringLiteral("0"));
}

void SettingsFile::writeDate(const QString& key, const QDate& value)
{
    writeString(key, DateTimeText::formatDate(value));
}

void SettingsFile::writeStrings(const QList<std::pair<QString, QString>>& values)
{
    IniFile(m_path).write(kSection, values);
}
