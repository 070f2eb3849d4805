#include "identity/accountkey.h"

#include "identity/machinesource.h"
#include "identity/md5.h"
#include "identity/systemmachinesource.h"

QByteArray VolumeSerialText(std::uint32_t serial)
{
    return QByteArray::number(static_cast<qulonglong>(serial));
}

QByteArray MachineFingerprint(const MachineSource& machine)
{
    QByteArray fingerprint = machine.productId();
    if (const auto serial = machine.volumeSerial())
        fingerprint += VolumeSerialText(*serial);
    fingerprint += machine.biosDate();
    return fingerprint;
}

QString MakeAccountKey(const MachineSource& machine)
{
    return DigestToHex(MD5Digest(MachineFingerprint(machine)));
}

QString MakeAccountKey()
{
    return MakeAccountKey(SystemMachineSource());
}
