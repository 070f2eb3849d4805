#include "app/programpaths.h"

#include "app/settingsfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

ProgramPaths ProgramPaths::forExecutable()
{
    const QFileInfo exe(QCoreApplication::applicationFilePath());
    ProgramPaths paths;
    paths.folder = QDir::toNativeSeparators(exe.absolutePath() + QLatin1Char('/'));
    paths.settingsFile =
        QDir::toNativeSeparators(SettingsFile::pathForExecutable(exe.absoluteFilePath()));
    return paths;
}

ProgramPaths ProgramPaths::forFolder(const QString& folder, const QString& programName)
{
    ProgramPaths paths;
    paths.folder = folder.endsWith(QLatin1Char('/')) || folder.endsWith(QDir::separator())
                       ? folder
                       : folder + QLatin1Char('/');
    paths.settingsFile = paths.folder + programName + QStringLiteral(".ini");
    return paths;
}
