#pragma once

#include <QByteArray>
#include <cstdint>
#include <optional>

// The three machine properties the account key is made of. The real machine
// is SystemMachineSource; tests give known pieces through their own source.
class MachineSource
{
public:
    virtual ~MachineSource() = default;
    // The installation's identity; empty when it cannot be read.
    virtual QByteArray productId() const = 0;
    // The 32-bit serial of the system volume; none when it cannot be read.
    virtual std::optional<std::uint32_t> volumeSerial() const = 0;
    // The BIOS date exactly as the system keeps it; empty when it cannot be read.
    virtual QByteArray biosDate() const = 0;
};
