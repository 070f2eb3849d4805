#include "identity/systemmachinesource.h"

#include "app/apperror.h"

#ifdef _WIN32
#include "identity/winmachinereaders.h"

#include <stdexcept>
#else
#include <QFile>
#include <sys/statvfs.h>
#endif

#ifdef _WIN32

namespace {

// The Win32 readers know nothing of Qt; their one failure becomes ours here.
template <typename Read> QByteArray readRegistryText(Read read)
{
    try {
        return QByteArray::fromStdString(read());
    } catch (const std::runtime_error& e) {
        throw AppError(QString::fromLocal8Bit(e.what()));
    }
}

} // namespace

QByteArray SystemMachineSource::productId() const
{
    return readRegistryText(&WinMachine::readProductId);
}

std::optional<std::uint32_t> SystemMachineSource::volumeSerial() const
{
    std::uint32_t serial = 0;
    if (!WinMachine::readVolumeSerial(serial))
        return std::nullopt;
    return serial;
}

QByteArray SystemMachineSource::biosDate() const
{
    return readRegistryText(&WinMachine::readBiosDate);
}

#else

namespace {

QByteArray readTrimmed(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.read(4096).trimmed();
}

} // namespace

QByteArray SystemMachineSource::productId() const
{
    return readTrimmed(QStringLiteral("/etc/machine-id"));
}

std::optional<std::uint32_t> SystemMachineSource::volumeSerial() const
{
    struct statvfs info = {};
    if (statvfs("/", &info) != 0)
        return std::nullopt;
    return static_cast<std::uint32_t>(info.f_fsid & 0xFFFFFFFFu);
}

QByteArray SystemMachineSource::biosDate() const
{
    return readTrimmed(QStringLiteral("/sys/class/dmi/id/bios_date"));
}

#endif
