#include "ui/output/ManualLocation.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace torvana {

QStringList ManualDirectories(const QString& workingDir, const QString& executableDir)
{
    return {workingDir, executableDir,
            QDir::cleanPath(executableDir + QLatin1Char('/') + QLatin1String(InstalledDocDir))};
}

QString FirstExistingFile(const QStringList& directories, const QString& fileName,
                          const std::function<bool(const QString&)>& exists)
{
    for (const QString& directory : directories) {
        const QString candidate = QDir(directory).filePath(fileName);
        if (exists(candidate)) {
            return candidate;
        }
    }
    return fileName;
}

QString ManualPath(const QString& fileName)
{
    const QStringList directories = ManualDirectories(QDir::currentPath(), QCoreApplication::applicationDirPath());
    return FirstExistingFile(directories, fileName, [](const QString& path) { return QFileInfo(path).isFile(); });
}

}  // namespace torvana
