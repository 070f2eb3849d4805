#include "app/inifile.h"

#include "app/apperror.h"
#include "identity/cp1251.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {

using Lines = QList<QString>;

// The file's lines without their line ends; false when it exists but cannot be read.
bool readLines(const QString& path, Lines* out)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return !file.exists();
    const QString text = Cp1251::decode(file.readAll());
    Lines lines = text.split(QLatin1Char('\n'));
    for (QString& line : lines) {
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
    }
    // A final line end leaves one empty piece behind: it is no line.
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    *out = std::move(lines);
    return true;
}

// "[name]" with optional blanks around: the section's name; otherwise none.
bool sectionName(const QString& line, QString* name)
{
    const QString t = line.trimmed();
    if (!t.startsWith(QLatin1Char('[')))
        return false;
    const qsizetype close = t.indexOf(QLatin1Char(']'));
    if (close < 0)
        return false;
    *name = t.mid(1, close - 1).trimmed();
    return true;
}

// "key=value": the trimmed key; comment lines and lines without '=' hold no key.
bool keyName(const QString& line, QString* key)
{
    const QString t = line.trimmed();
    if (t.startsWith(QLatin1Char(';')))
        return false;
    const qsizetype eq = t.indexOf(QLatin1Char('='));
    if (eq <= 0)
        return false;
    *key = t.left(eq).trimmed();
    return true;
}

QString valueOf(const QString& line)
{
    QString v = line.mid(line.indexOf(QLatin1Char('=')) + 1).trimmed();
    // A value enclosed in matching quotes is read without them.
    if (v.size() >= 2 && (v.front() == QLatin1Char('"') || v.front() == QLatin1Char('\'')) &&
        v.back() == v.front())
        v = v.mid(1, v.size() - 2);
    return v.left(IniFile::MaxValueLength);
}

bool sameName(const QString& a, const QString& b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// A line break in a value would end its line and start a new key: keep the value on one line.
QString oneLine(const QString& value)
{
    for (qsizetype i = 0; i < value.size(); ++i) {
        if (value[i] == QLatin1Char('\r') || value[i] == QLatin1Char('\n'))
            return value.left(i);
    }
    return value;
}

// Index of the first line of the section's body, or -1.
qsizetype findSection(const Lines& lines, const QString& section)
{
    QString name;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (sectionName(lines[i], &name) && sameName(name, section))
            return i + 1;
    }
    return -1;
}

void setValue(Lines& lines, const QString& section, const QString& key, const QString& value)
{
    const qsizetype body = findSection(lines, section);
    if (body < 0) {
        lines.append(QLatin1Char('[') + section + QLatin1Char(']'));
        lines.append(key + QLatin1Char('=') + value);
        return;
    }
    qsizetype lastContent = body - 1; // where a new key goes: after the section's last line
    QString name;
    for (qsizetype i = body; i < lines.size(); ++i) {
        if (sectionName(lines[i], &name))
            break;
        if (keyName(lines[i], &name) && sameName(name, key)) {
            // The key keeps the spelling it has in the file; only its value changes.
            lines[i] = name + QLatin1Char('=') + value;
            return;
        }
        if (!lines[i].trimmed().isEmpty())
            lastContent = i;
    }
    lines.insert(lastContent + 1, key + QLatin1Char('=') + value);
}

} // namespace

IniFile::IniFile(QString path) : m_path(std::move(path)) {}

QString IniFile::read(const QString& section, const QString& key, const QString& defaultValue) const
{
    Lines lines;
    readLines(m_path, &lines);
    const qsizetype body = findSection(lines, section);
    if (body < 0)
        return defaultValue;
    QString name;
    for (qsizetype i = body; i < lines.size(); ++i) {
        if (sectionName(lines[i], &name))
            break;
        if (keyName(lines[i], &name) && sameName(name, key))
            return valueOf(lines[i]);
    }
    return defaultValue;
}

void IniFile::write(const QString& section, const QList<std::pair<QString, QString>>& values)
{
    const auto failure = [this] {
        return AppError(QStringLiteral("Unable to write to %1")
                            .arg(QDir::toNativeSeparators(QFileInfo(m_path).absoluteFilePath())));
    };
    // Saving what could not be read would wipe the other sections and keys.
    Lines lines;
    if (!readLines(m_path, &lines))
        throw failure();
    for (const auto& [key, value] : values)
        setValue(lines, section, key, oneLine(value));

    QByteArray bytes;
    for (const QString& line : lines)
        bytes += Cp1251::encode(line) + "\r\n";

    QSaveFile file(m_path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        throw failure();
}
