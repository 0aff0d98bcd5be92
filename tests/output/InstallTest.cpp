#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

constexpr int InstallTimeoutMs = 120000;

QString DesktopValue(const QString& path, const QString& key)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        return {};
    }
    const QRegularExpression line(QStringLiteral("^%1=(.*)$").arg(key), QRegularExpression::MultilineOption);
    return line.match(QString::fromUtf8(file.readAll())).captured(1);
}

TEST(Install, PutsProgramsManualDesktopEntryAndIconIntoThePrefix)
{
    QTemporaryDir prefix;
    ASSERT_TRUE(prefix.isValid());
    QProcess install;
    install.setProcessChannelMode(QProcess::MergedChannels);
    install.start(QStringLiteral(TORVANA_CMAKE_COMMAND),
                  {QStringLiteral("--install"), QStringLiteral(TORVANA_BINARY_DIR), QStringLiteral("--prefix"),
                   prefix.path()});
    ASSERT_TRUE(install.waitForFinished(InstallTimeoutMs));
    ASSERT_EQ(install.exitCode(), 0) << install.readAll().toStdString();

    const QString root = prefix.path() + QLatin1Char('/');
    for (const char* program : {"bin/torvana", "bin/torvana-cli", "bin/torvana-unitsim"}) {
        const QFileInfo info(root + QLatin1String(program));
        EXPECT_TRUE(info.isFile() && info.isExecutable()) << program;
    }
    QFile manual(root + QStringLiteral("share/doc/torvana/Torvana_R_en.pdf"));
    ASSERT_TRUE(manual.open(QIODevice::ReadOnly));
    EXPECT_TRUE(manual.read(5).startsWith("%PDF-"));

    const QString desktop = root + QStringLiteral("share/applications/torvana.desktop");
    ASSERT_TRUE(QFileInfo(desktop).isFile());
    const QString exec = DesktopValue(desktop, QStringLiteral("Exec"));
    EXPECT_TRUE(QFileInfo(root + QStringLiteral("bin/") + exec.section(QLatin1Char(' '), 0, 0)).isExecutable())
        << exec.toStdString();
    const QString icon = DesktopValue(desktop, QStringLiteral("Icon"));
    const QString iconPath = root + QStringLiteral("share/icons/hicolor/256x256/apps/") + icon + QStringLiteral(".png");
    EXPECT_TRUE(QFileInfo(iconPath).isFile()) << iconPath.toStdString();
}

}  // namespace
