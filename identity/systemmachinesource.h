#pragma once

#include "identity/machinesource.h"

// This machine's pieces: the registry and drive C: on Windows; on Linux
// /etc/machine-id, the serial of the file system holding "/" and the DMI BIOS date.
class SystemMachineSource : public MachineSource
{
public:
    QByteArray productId() const override;
    std::optional<std::uint32_t> volumeSerial() const override;
    QByteArray biosDate() const override;
};
