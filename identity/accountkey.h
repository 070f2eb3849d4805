#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>

class MachineSource;

// The volume serial as unsigned decimal: 0 to 4294967295, never negative.
QByteArray VolumeSerialText(std::uint32_t serial);
// ProductId text, volume serial text and BIOS date text joined with nothing
// between; a piece that cannot be read is the empty text.
QByteArray MachineFingerprint(const MachineSource& machine);
// DigestToHex of MD5Digest of the fingerprint: 32 uppercase hexadecimal digits.
QString MakeAccountKey(const MachineSource& machine);
// The key of this machine, read afresh on every call. Throws AppError when a
// registry value has the wrong type.
QString MakeAccountKey();
