#pragma once

#include <QByteArray>

// Standard Base64 (RFC 4648 alphabet, '=' padding, no line breaks).
QByteArray Base64Encode(const QByteArray& bytes);
// Lenient decoder: never fails; unusable input gives a shorter or empty result.
QByteArray Base64Decode(const QByteArray& text);
