#pragma once
// Where the user manual is found: in the working directory, beside the
// program, or where an installation puts the documentation.

#include <QString>
#include <QStringList>
#include <functional>

namespace torvana {

constexpr const char* ManualFileName = "Torvana_R_en.pdf";
constexpr const char* InstalledDocDir = "../share/doc/torvana";

// The directories to look in, in order: the working directory, the
// program's directory, and the installed documentation beside it.
QStringList ManualDirectories(const QString& workingDir, const QString& executableDir);

// The first directory's file that exists; the bare file name when none
// does, so that an error names the file.
QString FirstExistingFile(const QStringList& directories, const QString& fileName,
                          const std::function<bool(const QString&)>& exists);

// The manual's path for this process.
QString ManualPath(const QString& fileName = QString::fromLatin1(ManualFileName));

}  // namespace torvana
