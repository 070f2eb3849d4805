#include "app/version.h"

#ifdef _WIN32
#include <vector>
#include <windows.h>
#endif

namespace {

QString versionOfExecutable()
{
#ifdef _WIN32
    wchar_t path[MAX_PATH];
    if (GetModuleFileNameW(nullptr, path, MAX_PATH) == 0)
        return QString();
    DWORD handle = 0;
    const DWORD size = GetFileVersionInfoSizeW(path, &handle);
    if (size == 0)
        return QString();
    std::vector<char> data(size);
    if (!GetFileVersionInfoW(path, 0, size, data.data()))
        return QString();
    VS_FIXEDFILEINFO* info = nullptr;
    UINT length = 0;
    if (!VerQueryValueW(data.data(), L"\\", reinterpret_cast<void**>(&info), &length) || !info ||
        length < sizeof(VS_FIXEDFILEINFO))
        return QString();
    return versionFromFileVersion(info->dwFileVersionMS, info->dwFileVersionLS);
#else
    // Elsewhere the version is compiled in from the same project version the
    // Windows resource is generated from.
    return QStringLiteral(SELVANE_VERSION_TEXT);
#endif
}

std::function<QString()>& source()
{
    static std::function<QString()> current = versionOfExecutable;
    return current;
}

} // namespace

QString VersionText()
{
    return source()();
}

QString versionFromFileVersion(quint32 mostSignificant, quint32 leastSignificant)
{
    return QStringLiteral("%1.%2.%3.%4")
        .arg(mostSignificant >> 16)
        .arg(mostSignificant & 0xFFFF)
        .arg(leastSignificant >> 16)
        .arg(leastSignificant & 0xFFFF);
}

void setVersionSource(std::function<QString()> newSource)
{
    source() = newSource ? std::move(newSource) : std::function<QString()>(versionOfExecutable);
}
