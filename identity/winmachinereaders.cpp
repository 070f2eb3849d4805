#include "identity/winmachinereaders.h"

#include <stdexcept>
#include <vector>
#include <windows.h>

namespace {

class RegistryKey
{
public:
    RegistryKey(HKEY root, const char* path, REGSAM access)
    {
        if (RegOpenKeyExA(root, path, 0, access, &m_key) != ERROR_SUCCESS)
            m_key = nullptr;
    }
    ~RegistryKey()
    {
        if (m_key)
            RegCloseKey(m_key);
    }
    RegistryKey(const RegistryKey&) = delete;
    RegistryKey& operator=(const RegistryKey&) = delete;

    // The string value, up to its first zero character; empty when missing.
    std::string readString(const char* name) const
    {
        if (!m_key)
            return {};
        DWORD type = 0;
        DWORD size = 0;
        if (RegQueryValueExA(m_key, name, nullptr, &type, nullptr, &size) != ERROR_SUCCESS)
            return {};
        if (type != REG_SZ && type != REG_EXPAND_SZ)
            throw std::runtime_error(std::string("Invalid data type for '") + name + "'");
        std::vector<char> buffer(size + 1, '\0');
        if (RegQueryValueExA(m_key, name, nullptr, &type, reinterpret_cast<BYTE*>(buffer.data()),
                             &size) != ERROR_SUCCESS)
            return {};
        // The stored text need not be terminated; the extra byte is.
        return std::string(buffer.data());
    }

private:
    HKEY m_key = nullptr;
};

} // namespace

namespace WinMachine {

std::string readProductId()
{
    const RegistryKey key(HKEY_LOCAL_MACHINE, "Software\\Microsoft\\Windows\\CurrentVersion",
                          KEY_ALL_ACCESS);
    return key.readString("ProductId");
}

std::string readBiosDate()
{
    const RegistryKey key(HKEY_LOCAL_MACHINE, "HARDWARE\\DESCRIPTION\\System", KEY_READ);
    return key.readString("SystemBiosDate");
}

bool readVolumeSerial(std::uint32_t& serial)
{
    char volumeName[256] = {};
    DWORD value = 0;
    if (!GetVolumeInformationA("c:\\", volumeName, sizeof volumeName, &value, nullptr, nullptr,
                               nullptr, 0))
        return false;
    serial = value;
    return true;
}

} // namespace WinMachine
