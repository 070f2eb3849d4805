#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QTest>

// Whole files as bytes: the settings file must stay byte for byte what it was.
inline QByteArray readBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline void writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}
