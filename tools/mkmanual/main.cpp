// Typesets the user manual from HTML into an A4 PDF.
// Usage: torvana-mkmanual MANUAL.html OUT.pdf

#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QTextDocument>
#include <QUrl>
#include <cstdio>

namespace {

constexpr int ExitUsage = 2;
constexpr int ExitFailure = 1;
constexpr double MarginMillimetres = 18;
constexpr int ResolutionDpi = 300;
constexpr int BodyPointSize = 10;

}  // namespace

int main(int argc, char** argv)
{
    // Typesetting needs fonts only, never a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: torvana-mkmanual MANUAL.html OUT.pdf\n");
        return ExitUsage;
    }
    const QString inputName = QString::fromLocal8Bit(argv[1]);
    const QString outputName = QString::fromLocal8Bit(argv[2]);
    QFile input(inputName);
    if (!input.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "torvana-mkmanual: %s: %s\n", argv[1], qPrintable(input.errorString()));
        return ExitFailure;
    }

    QTextDocument document;
    document.setBaseUrl(QUrl::fromLocalFile(QFileInfo(inputName).absoluteFilePath()));
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSize(BodyPointSize);
    document.setDefaultFont(font);
    document.setHtml(QString::fromUtf8(input.readAll()));

    QPdfWriter writer(outputName);
    writer.setTitle(document.metaInformation(QTextDocument::DocumentTitle));
    writer.setCreator(QStringLiteral("Torvana"));
    writer.setResolution(ResolutionDpi);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                     QMarginsF(MarginMillimetres, MarginMillimetres, MarginMillimetres,
                                               MarginMillimetres),
                                     QPageLayout::Millimeter));
    document.print(&writer);
    if (!QFileInfo(outputName).isFile() || QFileInfo(outputName).size() == 0) {
        std::fprintf(stderr, "torvana-mkmanual: %s: nothing written\n", argv[2]);
        return ExitFailure;
    }
    return 0;
}
