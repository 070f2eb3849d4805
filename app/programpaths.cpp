#include "app/programpaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

ProgramPaths ProgramPaths::forExecutable()
{
    const QFileInfo exe(QCoreApplication::applicationFilePath());
    ProgramPaths paths;
    paths.folder = QDir::toNativeSeparators(exe.absolutePath() + QLatin1Char('/'));
    paths.settingsFile = QDir::toNativeSeparators(exe.absolutePath() + QLatin1Char('/')
                                                  + exe.completeBaseName() + QStringLiteral(".ini"));
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
