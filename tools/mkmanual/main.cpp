// Typesets the user manual from HTML into an A4 PDF. Pictures named in the
// HTML are taken from PICTURES (the build's pictures of the pages); a
// missing one fails the run rather than leaving a hole in the manual. A
// table with a row across a page break starts on the next page, so that
// no row is split whatever text comes before it.
// Usage: torvana-mkmanual MANUAL.html OUT.pdf [PICTURES]

#include <QAbstractTextDocumentLayout>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>
#include <QUrl>
#include <QVariant>
#include <algorithm>
#include <cstdio>

namespace {

constexpr int ExitUsage = 2;
constexpr int ExitFailure = 1;
constexpr double MarginMillimetres = 18;
constexpr int ResolutionDpi = 300;
constexpr int BodyPointSize = 10;
// The document is laid out at this resolution and scaled to the writer's.
constexpr double LayoutDpi = 96;
constexpr double PageNumberPointSize = 8;
// Moving one table can push another across a break; each pass settles one.
constexpr int MaxLayoutPasses = 50;

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

// The page a document position falls on.
int PageOf(double y, double pageHeight)
{
    return static_cast<int>(y / pageHeight);
}

// True when a row of the table starts on one page and ends on another.
bool SplitsARow(const QTextDocument& document, QTextTable* table)
{
    const double pageHeight = document.pageSize().height();
    QAbstractTextDocumentLayout* layout = document.documentLayout();
    for (int row = 0; row < table->rows(); ++row) {
        double top = -1;
        double bottom = 0;
        for (int column = 0; column < table->columns(); ++column) {
            const QTextTableCell cell = table->cellAt(row, column);
            const QRectF first = layout->blockBoundingRect(cell.firstCursorPosition().block());
            const QRectF last = layout->blockBoundingRect(cell.lastCursorPosition().block());
            top = top < 0 ? first.top() : std::min(top, first.top());
            bottom = std::max(bottom, last.bottom());
        }
        if (PageOf(top, pageHeight) != PageOf(bottom - 1, pageHeight)) {
            return true;
        }
    }
    return false;
}

// Moves the first table that splits a row, and fits on a page, to the next page.
bool MoveOneSplitTable(QTextDocument& document)
{
    for (QTextFrame* frame : document.rootFrame()->childFrames()) {
        auto* table = qobject_cast<QTextTable*>(frame);
        QTextTableFormat format = table ? table->format() : QTextTableFormat();
        if (!table || (format.pageBreakPolicy() & QTextFormat::PageBreak_AlwaysBefore) ||
            document.documentLayout()->frameBoundingRect(table).height() >= document.pageSize().height() ||
            !SplitsARow(document, table)) {
            continue;
        }
        format.setPageBreakPolicy(format.pageBreakPolicy() | QTextFormat::PageBreak_AlwaysBefore);
        table->setFormat(format);
        return true;
    }
    return false;
}

// Draws the laid-out pages with their numbers at the foot.
void PrintPages(QTextDocument& document, QPdfWriter& writer, double footHeight)
{
    const double scale = writer.resolution() / LayoutDpi;
    const QSizeF page = document.pageSize();
    QPainter painter(&writer);
    QFont numberFont = document.defaultFont();
    numberFont.setPointSizeF(PageNumberPointSize);
    for (int number = 0; number < document.pageCount(); ++number) {
        if (number > 0) {
            writer.newPage();
        }
        painter.save();
        painter.scale(scale, scale);
        painter.translate(0, -number * page.height());
        document.drawContents(&painter, QRectF(QPointF(0, number * page.height()), page));
        painter.restore();
        painter.setFont(numberFont);
        painter.drawText(QRectF(0, page.height() * scale, page.width() * scale, footHeight * scale),
                         Qt::AlignRight | Qt::AlignBottom, QString::number(number + 1));
    }
}

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
    // The foot of the page area holds the page number.
    const QRectF area = writer.pageLayout().paintRectPoints();
    const double pointsToLayout = LayoutDpi / 72;
    const double footHeight = 2 * QFontMetricsF(document.defaultFont()).height();
    document.setPageSize(QSizeF(area.width() * pointsToLayout, area.height() * pointsToLayout - footHeight));
    for (int pass = 0; pass < MaxLayoutPasses; ++pass) {
        if (!MoveOneSplitTable(document)) {
            break;
        }
    }
    for (QTextFrame* frame : document.rootFrame()->childFrames()) {
        if (auto* table = qobject_cast<QTextTable*>(frame); table && SplitsARow(document, table)) {
            std::fprintf(stderr, "torvana-mkmanual: a table longer than a page splits a row\n");
        }
    }
    PrintPages(document, writer, footHeight);
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
