#pragma once

#include <QString>
#include <QtGlobal>
#include <functional>

// The running version: the four numbers of the executable's file version
// joined by "."; empty when the executable carries no version information.
QString VersionText();

// The four numbers from the two 32-bit halves of a file version.
QString versionFromFileVersion(quint32 mostSignificant, quint32 leastSignificant);

// Lets tests stand in for the executable's version information.
void setVersionSource(std::function<QString()> source);
