#pragma once

// The Windows readers of the account key's pieces: plain C++ over the Win32
// API, so the Windows branch can be compiled and checked without Qt.
#include <cstdint>
#include <string>

namespace WinMachine {

// ProductId of HKLM\Software\Microsoft\Windows\CurrentVersion; empty when
// missing. A value that is not a string throws std::runtime_error
// "Invalid data type for 'ProductId'".
std::string readProductId();
// SystemBiosDate of HKLM\HARDWARE\DESCRIPTION\System; same rules.
std::string readBiosDate();
// The serial number of volume "c:\"; false when it cannot be read.
bool readVolumeSerial(std::uint32_t& serial);

} // namespace WinMachine
