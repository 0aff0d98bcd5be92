// Typesets the user manual from HTML into an A4 PDF. Pictures named in the
// HTML are taken from PICTURES (the build's pictures of the pages); a
// missing one fails the run rather than leaving a hole in the manual.
// Usage: torvana-mkmanual MANUAL.html OUT.pdf [PICTURES]

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QTextDocument>
#include <QUrl>
#include <QVariant>
#include <cstdio>

namespace {

constexpr int ExitUsage = 2;
constexpr int ExitFailure = 1;
constexpr double MarginMillimetres = 18;
constexpr int ResolutionDpi = 300;
constexpr int BodyPointSize = 10;

class ManualDocument : public QTextDocument {
public:
    explicit ManualDocument(const QString& pictureDir) : pictureDir(pictureDir) {}
    QStringList missing;

protected:
    QVariant loadResource(int type, const QUrl& name) override
    {
        if (type != QTextDocument::ImageResource) {
            return QTextDocument::loadResource(type, name);
        }
        const QImage picture(QDir(pictureDir).filePath(name.fileName()));
        if (pictureDir.isEmpty() || picture.isNull()) {
            missing.append(name.toString());
            return {};
        }
        return picture;
    }

private:
    QString pictureDir;
};

}  // namespace

int main(int argc, char** argv)
{
    // Typesetting needs fonts only, never a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication app(argc, argv);
    if (argc != 3 && argc != 4) {
        std::fprintf(stderr, "usage: torvana-mkmanual MANUAL.html OUT.pdf [PICTURES]\n");
        return ExitUsage;
    }
    const QString inputName = QString::fromLocal8Bit(argv[1]);
    const QString outputName = QString::fromLocal8Bit(argv[2]);
    QFile input(inputName);
    if (!input.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "torvana-mkmanual: %s: %s\n", argv[1], qPrintable(input.errorString()));
        return ExitFailure;
    }

    ManualDocument document(argc == 4 ? QString::fromLocal8Bit(argv[3]) : QString());
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
    if (!document.missing.isEmpty()) {
        std::fprintf(stderr, "torvana-mkmanual: pictures missing: %s\n", qPrintable(document.missing.join(u' ')));
        QFile::remove(outputName);
        return ExitFailure;
    }
    if (!QFileInfo(outputName).isFile() || QFileInfo(outputName).size() == 0) {
        std::fprintf(stderr, "torvana-mkmanual: %s: nothing written\n", argv[2]);
        return ExitFailure;
    }
    return 0;
}
