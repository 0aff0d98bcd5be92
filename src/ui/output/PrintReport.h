#pragma once
// The printed report: the window's client area as it looks now, stripped of
// its editing controls, on one page. The window is prepared for printing,
// its image is printed, and the window is restored, also when the job fails.

#include <QDateTime>
#include <QLocale>
#include <QPageLayout>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <QStringList>
#include <functional>
#include <string>

class QLabel;
class QPainter;
class QPagedPaintDevice;
class QTabWidget;
class QWidget;

namespace torvana {

constexpr int PrintMessageTicks = 200;  // status line stays about 11 s
constexpr const char* PrintDateTimeGap = "    ";

// The largest rectangle with the proportions of source that fits page, at
// page's top-left corner: full page width unless the height would then
// exceed the page, otherwise full page height. Empty for an empty source.
QRectF FitToPage(QSizeF source, QRectF page);

// The locale's long time format without its time-zone field.
QString LongTimeFormatWithoutZone(const QLocale& locale);

// textPrintDate, the date in the locale's short format, four blanks, the
// time in the locale's long format without the zone.
QString PrintStatusText(const std::string& textPrintDate, const QDateTime& now,
                        const QLocale& locale);

// Object names of the main window's controls that printing hides: frame,
// colour bars, gauges, the arrows of the curve grid and table pages, the
// designed pages' tool buttons. A name that belongs to an up-down attached
// to a spin box stands for that spin box's arrows.
QStringList MainWindowPrintHiddenNames();
// The ten throttle row labels of the curve grid, painted white for print.
QStringList CurveRowLabelNames();

// What PrintParameters needs to know about the window it prints.
struct PrintWindow {
    QWidget* window = nullptr;      // gets the white background
    QWidget* clientArea = nullptr;  // the part that is printed (no menu bar)
    QLabel* statusLine = nullptr;   // LabelHlaseni
    QWidget* progressGauge = nullptr;  // CGauge
    QTabWidget* pages = nullptr;    // PageControl1; may be null
    int activePageIndex = 0;
    QStringList hiddenNames;        // looked up below window
    QStringList whiteLabelNames;    // looked up below window
    std::string textPrintDate;
    int languageIndex = 0;  // of the failure messages
    QLocale locale = QLocale::system();
    std::function<QDateTime()> clock = [] { return QDateTime::currentDateTime(); };
    std::function<void(bool printing)> setPrintingFlag = [](bool) {};
    std::function<void(int ticks)> armMessageCountdown = [](int) {};
    std::function<void()> updateDisplayState = [] {};
    std::function<void(const std::string&)> showMessage = [](const std::string&) {};
};

// Where the page goes.
struct PrintTarget {
    enum class Kind { DefaultPrinter, PdfFile };
    Kind kind = Kind::DefaultPrinter;
    QString pdfFileName;  // for PdfFile
    QPageLayout pdfLayout{QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(10, 10, 10, 10),
                          QPageLayout::Millimeter};
};

// Draws clientArea scaled into FitToPage of the painter's page rectangle.
// Both the print job and the tests paint through here.
void PaintClientArea(QPainter& painter, QWidget* clientArea, QRectF page);

// Prepares window, prints one page on target and restores the window. A
// failure goes to showMessage; the result says whether the page was printed.
bool PrintParameters(const PrintWindow& window, const PrintTarget& target);

}  // namespace torvana
