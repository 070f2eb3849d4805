#pragma once

#include <QByteArray>
#include <QString>

// Windows-1251, the program's 8-bit character set (settings file, Base64
// payloads, server answers). A character the set lacks is encoded as '?'.
namespace Cp1251 {
QByteArray encode(const QString& text);
QString decode(const QByteArray& bytes);
} // namespace Cp1251
