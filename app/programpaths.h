#pragma once

#include <QString>

// Where the program keeps its files: the settings file and bl.db beside the executable.
struct ProgramPaths
{
    QString folder;       // with its trailing separator
    QString settingsFile; // the executable's path with ".ini" in place of its extension
    QString database() const { return folder + QStringLiteral("bl.db"); }

    static ProgramPaths forExecutable();
    static ProgramPaths forFolder(const QString& folder,
                                  const QString& programName = QStringLiteral("selvane"));
};
