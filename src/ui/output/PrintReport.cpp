#include "ui/output/PrintReport.h"

#include "texts/MessageTable.h"

#include <QAbstractSpinBox>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QPalette>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTabWidget>
#include <QWidget>
#include <algorithm>
#include <optional>
#include <utility>
#include <vector>

namespace torvana {

namespace {

constexpr int CurveColumns = 15;
constexpr int CurveRows = 10;
constexpr int TableRowLength = 15;
constexpr int PressureRows = 10;
constexpr int TemperatureRows = 5;
// Enough pixels for paper without a printer page's worth of memory.
constexpr double MaxImageScale = 3.0;

void AddIndexed(QStringList& names, const QString& stem, int count)
{
    for (int i = 0; i < count; ++i) {
        names << QStringLiteral("%1[%2]").arg(stem).arg(i);
    }
}

void SetWindowColour(QWidget* widget, const QColor& colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

// Steps 1 to 6 on construction; on destruction, whatever happened in
// between, the window gets its colour, controls and tabs back and the
// display state is applied again. The status line keeps the printing date
// until the countdown hides it.
class PreparedForPrint {
public:
    explicit PreparedForPrint(const PrintWindow& w)
        : w(w), windowPalette(w.window->palette()), windowFilled(w.window->autoFillBackground())
    {
        if (w.statusLine != nullptr) {
            w.statusLine->setText(PrintStatusText(w.textPrintDate, w.clock(), w.locale));
            SetWindowColour(w.statusLine, Qt::white);
            w.statusLine->setVisible(true);
            // A long time format with its zone must not be cut off on paper;
            // on paper the line stays one line.
            statusWidth = w.statusLine->width();
            statusWrapped = w.statusLine->wordWrap();
            w.statusLine->setWordWrap(false);
            w.statusLine->resize(std::max(statusWidth, w.statusLine->sizeHint().width()), w.statusLine->height());
        }
        w.armMessageCountdown(PrintMessageTicks);
        SetWindowColour(w.window, Qt::white);
        if (w.progressGauge != nullptr) {
            w.progressGauge->setVisible(false);
        }
        w.setPrintingFlag(true);
        KeepStatusLineInView();
        HideControls();
        HideOtherTabs();
        for (const QString& name : w.whiteLabelNames) {
            if (auto* label = w.window->findChild<QWidget*>(name)) {
                whitened.push_back({label, label->palette(), label->autoFillBackground()});
                SetWindowColour(label, Qt::white);
            }
        }
    }

    ~PreparedForPrint()
    {
        w.window->setPalette(windowPalette);
        w.window->setAutoFillBackground(windowFilled);
        w.setPrintingFlag(false);
        if (w.statusLine != nullptr) {
            w.statusLine->resize(statusWidth, w.statusLine->height());
            w.statusLine->setWordWrap(statusWrapped);
        }
        if (statusHome != nullptr) {
            w.statusLine->setParent(statusHome);
            w.statusLine->move(statusHomePosition);
            w.statusLine->show();
        }
        for (QWidget* widget : hiddenWidgets) {
            widget->setVisible(true);
        }
        for (const auto& [box, symbols] : hiddenArrows) {
            box->setButtonSymbols(symbols);
        }
        // The marking paints a label only when its colour changes, so each
        // label gets back exactly the colour it had.
        for (const Whitened& label : whitened) {
            label.widget->setPalette(label.palette);
            label.widget->setAutoFillBackground(label.filled);
        }
        for (int index : hiddenTabs) {
            w.pages->setTabVisible(index, true);
        }
        w.updateDisplayState();
    }

    PreparedForPrint(const PreparedForPrint&) = delete;
    PreparedForPrint& operator=(const PreparedForPrint&) = delete;

private:
    // The status line carries the printing date; when it sits inside a
    // control that printing hides (the tool bar), it moves out of it onto
    // the same place for the time of printing.
    void KeepStatusLineInView()
    {
        if (w.statusLine == nullptr) {
            return;
        }
        for (const QString& name : w.hiddenNames) {
            auto* container = w.window->findChild<QWidget*>(name);
            if (container == nullptr || !container->isAncestorOf(w.statusLine) ||
                container->parentWidget() == nullptr) {
                continue;
            }
            QWidget* outside = container->parentWidget();
            statusHome = w.statusLine->parentWidget();
            statusHomePosition = w.statusLine->pos();
            const QPoint at = w.statusLine->mapTo(outside, QPoint(0, 0));
            w.statusLine->setParent(outside);
            w.statusLine->move(at);
            w.statusLine->show();
            w.statusLine->raise();
            return;
        }
    }

    void HideControls()
    {
        for (const QString& name : w.hiddenNames) {
            QObject* named = w.window->findChild<QObject*>(name);
            if (auto* widget = qobject_cast<QWidget*>(named)) {
                if (!widget->isHidden()) {
                    widget->setVisible(false);
                    hiddenWidgets.push_back(widget);
                }
            } else if (named != nullptr) {
                // An up-down that is part of a spin box: its arrows go.
                auto* box = qobject_cast<QAbstractSpinBox*>(named->parent());
                if (box != nullptr && box->buttonSymbols() != QAbstractSpinBox::NoButtons) {
                    hiddenArrows.emplace_back(box, box->buttonSymbols());
                    box->setButtonSymbols(QAbstractSpinBox::NoButtons);
                }
            }
        }
    }

    void HideOtherTabs()
    {
        if (w.pages == nullptr) {
            return;
        }
        for (int index = 0; index < w.pages->count(); ++index) {
            if (index != w.activePageIndex && w.pages->isTabVisible(index)) {
                w.pages->setTabVisible(index, false);
                hiddenTabs.push_back(index);
            }
        }
    }

    const PrintWindow& w;
    QPalette windowPalette;
    bool windowFilled;
    int statusWidth = 0;
    bool statusWrapped = false;
    QWidget* statusHome = nullptr;
    QPoint statusHomePosition;
    std::vector<QWidget*> hiddenWidgets;
    std::vector<std::pair<QAbstractSpinBox*, QAbstractSpinBox::ButtonSymbols>> hiddenArrows;
    std::vector<int> hiddenTabs;
    struct Whitened {
        QWidget* widget;
        QPalette palette;
        bool filled;
    };
    std::vector<Whitened> whitened;
};

// The page in the painter's coordinates: the origin is the printable
// area's top-left corner.
QRectF PaintablePage(QPagedPaintDevice& device)
{
    const QRect paintRect = device.pageLayout().paintRectPixels(device.logicalDpiX());
    return QRectF(QPointF(0, 0), QSizeF(paintRect.size()));
}

bool PrintOnDevice(QPagedPaintDevice& device, QWidget* clientArea)
{
    QPainter painter;
    if (!painter.begin(&device)) {
        return false;
    }
    PaintClientArea(painter, clientArea, PaintablePage(device));
    return painter.end();
}

// Each returns why the page was not printed, or nothing.
std::optional<std::string> PrintToDefaultPrinter(const PrintWindow& w, const MessageTable& texts)
{
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull()) {
        return texts.TextNoDefaultPrinter;
    }
    QPrinter printer(info, QPrinter::HighResolution);
    printer.setDocName(QStringLiteral("Torvana"));
    if (!PrintOnDevice(printer, w.clientArea)) {
        return FillIn(texts.TextPrinterRefused, {info.printerName().toStdString()});
    }
    return std::nullopt;
}

std::optional<std::string> PdfFailure(const MessageTable& texts, const PrintTarget& target, const QFile& file)
{
    return FillIn(texts.TextPdfWriteError, {target.pdfFileName.toStdString(), file.errorString().toStdString()});
}

std::optional<std::string> PrintToPdf(const PrintWindow& w, const PrintTarget& target, const MessageTable& texts)
{
    QFile file(target.pdfFileName);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        return PdfFailure(texts, target, file);
    }
    QPdfWriter writer(&file);
    writer.setCreator(QStringLiteral("Torvana"));
    writer.setTitle(QStringLiteral("Torvana"));
    writer.setPageLayout(target.pdfLayout);
    if (!PrintOnDevice(writer, w.clientArea)) {
        return PdfFailure(texts, target, file);
    }
    return std::nullopt;
}

}  // namespace

QRectF FitToPage(QSizeF source, QRectF page)
{
    if (source.isEmpty() || page.isEmpty()) {
        return QRectF(page.topLeft(), QSizeF(0, 0));
    }
    const double widthScale = page.width() / source.width();
    const double heightScale = page.height() / source.height();
    const double scale = source.height() * widthScale <= page.height() ? widthScale : heightScale;
    return QRectF(page.topLeft(), source * scale);
}

QString LongTimeFormatWithoutZone(const QLocale& locale)
{
    constexpr QChar Quote = u'\'';
    constexpr QChar ZoneLetter = u't';
    const QString format = locale.timeFormat(QLocale::LongFormat);
    QString kept;
    bool quoted = false;
    for (const QChar c : format) {
        quoted = c == Quote ? !quoted : quoted;
        if (quoted || c != ZoneLetter) {
            kept += c;
        }
    }
    return kept.simplified();
}

QString PrintStatusText(const std::string& textPrintDate, const QDateTime& now, const QLocale& locale)
{
    return QString::fromStdString(textPrintDate) + locale.toString(now.date(), QLocale::ShortFormat) +
           QLatin1String(PrintDateTimeGap) + locale.toString(now.time(), LongTimeFormatWithoutZone(locale));
}

QStringList MainWindowPrintHiddenNames()
{
    QStringList names = {
        "StatusBar1", "GroupBoxToolBar", "ImageLogo1", "ImageLogo2", "LabelSpojeni",
        "Label1", "Label2", "Label3",
        "CGaugeRpm", "CGaugeTps", "CGaugeLambda", "CGaugeVoda",
    };
    AddIndexed(names, QStringLiteral("CurveRpmUpDown"), CurveColumns);
    for (int r = 0; r < CurveRows; ++r) {
        AddIndexed(names, QStringLiteral("CurveCellUpDown[%1]").arg(r), CurveColumns);
    }
    AddIndexed(names, QStringLiteral("CurveSpinButton"), CurveColumns);
    names << "CurveMinusButton" << "CurvePlusButton" << "CurvePageAllCheckBox";

    for (const char* row : {"UpDownPolohaARpm", "UpDownPolohaA", "UpDownPolohaBRpm", "UpDownPolohaB",
                            "UpDownServoRpm", "UpDownServoNap"}) {
        AddIndexed(names, QLatin1String(row), TableRowLength);
    }
    for (const char* column : {"UpDownTlakTlak", "UpDownTlakKor", "UpDownRetardTemp", "UpDownRetardRetard"}) {
        AddIndexed(names, QLatin1String(column), PressureRows);
    }
    for (const char* column : {"UpDownVoda", "UpDownVzduch"}) {
        AddIndexed(names, QLatin1String(column), TemperatureRows);
    }

    names << "ButtonMinus_PolohaA" << "ButtonPlus_PolohaA" << "CheckBoxAll_PolohaA"
          << "ButtonMinus_PolohaB" << "ButtonPlus_PolohaB" << "CheckBoxAll_PolohaB"
          << "UpDownServoHyster" << "ButtonMinus_Servo" << "ButtonPlus_Servo" << "CheckBoxAll_Servo"
          << "UpDownOmez1" << "UpDownOmez2" << "UpDownOmez3"
          << "UpDownPowerOut1a" << "UpDownPowerOut1b" << "UpDownPowerOut2a"
          << "UpDownPowerOut2b" << "UpDownPowerOut3a" << "UpDownPowerOut3b"
          << "UpDownStartJet" << "UpDownTps0" << "UpDownTps100" << "ButtonTps0" << "ButtonTps100"
          << "UpDownAkcelPrah" << "UpDownAkcelJet" << "CheckBoxExtMonitor" << "UpDownTempWarning";
    for (int i = 1; i <= 4; ++i) {
        names << QStringLiteral("UpDownSyticCas%1").arg(i);
    }
    for (int i = 0; i <= 3; ++i) {
        names << QStringLiteral("UpDownSyticKorekce%1").arg(i);
    }
    return names;
}

QStringList CurveRowLabelNames()
{
    QStringList names;
    AddIndexed(names, QStringLiteral("CurveRowLabel"), CurveRows);
    return names;
}

void PaintClientArea(QPainter& painter, QWidget* clientArea, QRectF page)
{
    const QRectF target = FitToPage(QSizeF(clientArea->size()), page);
    if (target.isEmpty()) {
        return;
    }
    // Through an image: drawn straight onto a PDF, the style's tab shape
    // covers the controls under the active tab.
    const double scale = std::min(target.width() / clientArea->width(), MaxImageScale);
    QImage image((QSizeF(clientArea->size()) * scale).toSize(), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter imagePainter(&image);
    imagePainter.scale(scale, scale);
    clientArea->render(&imagePainter, QPoint(), QRegion(), QWidget::DrawWindowBackground | QWidget::DrawChildren);
    imagePainter.end();
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(target, image);
    painter.restore();
}

bool PrintParameters(const PrintWindow& window, const PrintTarget& target)
{
    MessageTable texts;
    SetMessageTexts(texts, window.languageIndex);
    std::optional<std::string> failure;
    {
        const PreparedForPrint prepared(window);
        failure = target.kind == PrintTarget::Kind::PdfFile ? PrintToPdf(window, target, texts)
                                                            : PrintToDefaultPrinter(window, texts);
    }
    // The window is whole again before the user reads why nothing was printed.
    if (failure) {
        window.showMessage(*failure);
        return false;
    }
    return true;
}

}  // namespace torvana
