#include "ui/output/ManualLocation.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <set>

namespace torvana {
namespace {

const QString WorkingDir = QStringLiteral("/home/tuner/sets");
const QString ExecutableDir = QStringLiteral("/opt/torvana/bin");

QString FindWith(const std::set<QString>& existing)
{
    return FirstExistingFile(ManualDirectories(WorkingDir, ExecutableDir), QStringLiteral("Torvana_R_en.pdf"),
                             [&existing](const QString& path) { return existing.count(path) > 0; });
}

TEST(ManualPath, LooksInWorkingDirThenBesideTheProgramThenInstalledDocs)
{
    EXPECT_EQ(ManualDirectories(WorkingDir, ExecutableDir),
              QStringList({WorkingDir, ExecutableDir, QStringLiteral("/opt/torvana/share/doc/torvana")}));
}

TEST(ManualPath, WorkingDirectoryWinsOverTheOthers)
{
    EXPECT_EQ(FindWith({"/home/tuner/sets/Torvana_R_en.pdf", "/opt/torvana/bin/Torvana_R_en.pdf",
                        "/opt/torvana/share/doc/torvana/Torvana_R_en.pdf"}),
              "/home/tuner/sets/Torvana_R_en.pdf");
}

TEST(ManualPath, BesideTheProgramWinsOverTheInstalledDocs)
{
    EXPECT_EQ(FindWith({"/opt/torvana/bin/Torvana_R_en.pdf", "/opt/torvana/share/doc/torvana/Torvana_R_en.pdf"}),
              "/opt/torvana/bin/Torvana_R_en.pdf");
}

TEST(ManualPath, InstalledDocsAreTheLastChoice)
{
    EXPECT_EQ(FindWith({"/opt/torvana/share/doc/torvana/Torvana_R_en.pdf"}),
              "/opt/torvana/share/doc/torvana/Torvana_R_en.pdf");
}

TEST(ManualPath, NoneFoundGivesTheBareFileName)
{
    EXPECT_EQ(FindWith({"/elsewhere/Torvana_R_en.pdf"}), "Torvana_R_en.pdf");
}

TEST(ManualPath, FindsTheManualInTheWorkingDirectoryOfThisProcess)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QFile manual(dir.filePath(QStringLiteral("Torvana_R_en.pdf")));
    ASSERT_TRUE(manual.open(QIODevice::WriteOnly));
    manual.close();
    const QString before = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(dir.path()));
    const QString found = ManualPath();
    QDir::setCurrent(before);
    EXPECT_EQ(found, QDir(dir.path()).filePath(QStringLiteral("Torvana_R_en.pdf")));
}

}  // namespace
}  // namespace torvana
