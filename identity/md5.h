#pragma once

#include <QByteArray>
#include <QString>
#include <array>
#include <cstdint>

// RFC 1321 digest: the little-endian state words A, B, C, D.
using Md5Value = std::array<std::uint8_t, 16>;

// The digest of exactly these bytes, in one pass.
Md5Value MD5Digest(const QByteArray& bytes);
// 32 uppercase hexadecimal digits, first digest byte first.
QString DigestToHex(const Md5Value& digest);
