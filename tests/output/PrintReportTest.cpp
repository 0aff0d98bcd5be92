#include "ui/output/PrintReport.h"

#include "texts/MessageTable.h"

#include <QFile>
#include <QImage>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QPainter>
#include <QPrinterInfo>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QStatusBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <vector>

namespace torvana {
namespace {

constexpr QSize ClientSize{400, 300};
constexpr int TabCount = 4;
constexpr int ActivePage = 2;
constexpr int HiddenByModes = 3;  // a tab the coupling modes hide
constexpr QPoint StatusAt{4, 4};
constexpr QSize StatusSize{120, 18};  // narrower than the date line

// What the window looks like at one moment.
struct Look {
    QString status;
    QColor statusColour;
    bool statusShown = false;
    QPoint statusAt;
    int statusWidth = 0;
    bool toolBarShown = false;
    bool gaugeShown = false;
    bool buttonShown = false;
    bool statusBarShown = false;
    bool arrowsShown = false;
    std::vector<bool> tabsShown;
    QColor windowColour;
    bool printing = false;

    bool operator==(const Look&) const = default;
};

// Records the window's look each time it is painted, that is, while the
// page is being printed.
class Probe : public QWidget {
public:
    using QWidget::QWidget;
    std::function<void()> onPaint;

protected:
    void paintEvent(QPaintEvent*) override
    {
        if (onPaint) {
            onPaint();
        }
    }
};

class PrintReportTest : public testing::Test {
protected:
    void SetUp() override
    {
        window.menuBar()->addMenu(QStringLiteral("File"));
        auto* client = new QWidget(&window);
        window.setCentralWidget(client);
        toolBar = new QWidget(client);
        toolBar->setObjectName(QStringLiteral("GroupBoxToolBar"));
        toolBar->setGeometry(0, 0, 306, 38);
        status = new QLabel(QStringLiteral("No connection"), toolBar);
        status->setObjectName(QStringLiteral("LabelHlaseni"));
        status->setGeometry(QRect(StatusAt, StatusSize));
        gauge = new QProgressBar(toolBar);
        gauge->setObjectName(QStringLiteral("CGauge"));
        gauge->setGeometry(4, 24, 300, 10);
        button = new QPushButton(QStringLiteral("TPS 0"), client);
        button->setObjectName(QStringLiteral("ButtonTps0"));
        button->setGeometry(310, 4, 80, 24);
        pages = new QTabWidget(client);
        pages->setGeometry(4, 40, 392, 200);
        for (int i = 0; i < TabCount; ++i) {
            pages->addTab(new QWidget, QStringLiteral("Page %1").arg(i));
        }
        pages->setCurrentIndex(ActivePage);
        pages->setTabVisible(HiddenByModes, false);
        spin = new QSpinBox(pages->widget(ActivePage));
        spin->setObjectName(QStringLiteral("EditTps0"));
        (new QObject(spin))->setObjectName(QStringLiteral("UpDownTps0"));
        spin->setGeometry(10, 10, 80, 22);
        auto* probe = new Probe(client);
        probe->setGeometry(0, 250, 400, 50);
        probe->onPaint = [this] { duringPrint.push_back(Current()); };
        window.setStatusBar(new QStatusBar);
        window.statusBar()->setObjectName(QStringLiteral("StatusBar1"));
        window.centralWidget()->setFixedSize(ClientSize);
        window.show();
        before = Current();

        SetMessageTexts(messages, English);
        setup.window = &window;
        setup.clientArea = client;
        setup.statusLine = status;
        setup.progressGauge = gauge;
        setup.pages = pages;
        setup.activePageIndex = ActivePage;
        setup.hiddenNames = {QStringLiteral("GroupBoxToolBar"), QStringLiteral("ButtonTps0"), QStringLiteral("UpDownTps0"),
                             QStringLiteral("StatusBar1"), QStringLiteral("NotInThisWindow")};
        setup.textPrintDate = messages.TextPrintDate;
        setup.locale = QLocale(QLocale::German, QLocale::Germany);
        setup.clock = [] { return QDateTime(QDate(2026, 12, 9), QTime(14, 5, 9)); };
        setup.setPrintingFlag = [this](bool on) { printingFlag = on; };
        setup.armMessageCountdown = [this](int ticks) { countdown = ticks; };
        setup.updateDisplayState = [this] {
            displayStateLook = Current();
            ++displayStateRuns;
        };
        setup.showMessage = [this](const std::string& text) {
            shownMessages.push_back(text);
            restoredWhenShown = !printingFlag && displayStateRuns == 1 && Current().buttonShown;
        };
    }

    Look Current() const
    {
        Look look;
        look.status = status->text();
        look.statusColour = status->palette().color(QPalette::Window);
        look.statusShown = status->isVisibleTo(status->window());
        look.statusAt = status->mapTo(status->window(), QPoint(0, 0));
        look.toolBarShown = !toolBar->isHidden();
        look.statusWidth = status->width();
        look.gaugeShown = !gauge->isHidden();
        look.buttonShown = !button->isHidden();
        look.statusBarShown = !window.statusBar()->isHidden();
        look.arrowsShown = spin->buttonSymbols() != QAbstractSpinBox::NoButtons;
        for (int i = 0; i < pages->count(); ++i) {
            look.tabsShown.push_back(pages->isTabVisible(i));
        }
        look.windowColour = window.palette().color(QPalette::Window);
        look.printing = printingFlag;
        return look;
    }

    PrintTarget PdfTarget(const QString& name) const
    {
        PrintTarget target;
        target.kind = PrintTarget::Kind::PdfFile;
        target.pdfFileName = dir.filePath(name);
        return target;
    }

    QTemporaryDir dir;
    QMainWindow window;
    QWidget* toolBar = nullptr;
    QLabel* status = nullptr;
    QProgressBar* gauge = nullptr;
    QPushButton* button = nullptr;
    QTabWidget* pages = nullptr;
    QSpinBox* spin = nullptr;
    MessageTable messages;
    PrintWindow setup;
    Look before;
    std::vector<Look> duringPrint;
    Look displayStateLook;
    int displayStateRuns = 0;
    bool printingFlag = false;
    int countdown = 0;
    std::vector<std::string> shownMessages;
    bool restoredWhenShown = false;  // the window was whole when the message came
};

QByteArray ReadAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

int PageCount(const QByteArray& pdf)
{
    static const QRegularExpression page(QStringLiteral("/Type\\s*/Page(?![a-zA-Z])"));
    int count = 0;
    for (auto pages = page.globalMatch(QString::fromLatin1(pdf)); pages.hasNext(); pages.next()) {
        ++count;
    }
    return count;
}

QSizeF MediaBox(const QByteArray& pdf)
{
    static const QRegularExpression box(
        QStringLiteral("/MediaBox\\s*\\[\\s*0\\s+0\\s+([0-9.]+)\\s+([0-9.]+)\\s*\\]"));
    const auto match = box.match(QString::fromLatin1(pdf));
    return match.hasMatch() ? QSizeF(match.captured(1).toDouble(), match.captured(2).toDouble()) : QSizeF();
}

TEST_F(PrintReportTest, PrintsOneA4PageToPdf)
{
    const PrintTarget target = PdfTarget(QStringLiteral("report.pdf"));
    ASSERT_TRUE(PrintParameters(setup, target));
    const QByteArray pdf = ReadAll(target.pdfFileName);
    ASSERT_TRUE(pdf.startsWith("%PDF-"));
    EXPECT_EQ(PageCount(pdf), 1);
    const QSizeF a4 = QPageSize(QPageSize::A4).size(QPageSize::Point);
    EXPECT_NEAR(MediaBox(pdf).width(), a4.width(), 1.0);
    EXPECT_NEAR(MediaBox(pdf).height(), a4.height(), 1.0);
    EXPECT_TRUE(shownMessages.empty());
}

TEST_F(PrintReportTest, StatusLineShowsTheDateAndTimeWhilePrinting)
{
    SetMessageTexts(messages, German);
    setup.textPrintDate = messages.TextPrintDate;
    ASSERT_TRUE(PrintParameters(setup, PdfTarget(QStringLiteral("report.pdf"))));
    ASSERT_FALSE(duringPrint.empty());
    const Look& printed = duringPrint.front();
    EXPECT_TRUE(printed.status.startsWith(QStringLiteral("Zeitpunkt des Ausdruckes   09.12.26    14:05:09")))
        << printed.status.toStdString();
    EXPECT_TRUE(printed.statusShown);
    EXPECT_FALSE(printed.toolBarShown);
    EXPECT_EQ(printed.statusAt, before.statusAt);
    EXPECT_GE(printed.statusWidth, status->fontMetrics().horizontalAdvance(printed.status));
    EXPECT_EQ(printed.statusColour, QColor(Qt::white));
    EXPECT_EQ(countdown, PrintMessageTicks);
}

TEST_F(PrintReportTest, EditingControlsAndOtherTabsAreHiddenWhilePrinting)
{
    ASSERT_TRUE(PrintParameters(setup, PdfTarget(QStringLiteral("report.pdf"))));
    ASSERT_FALSE(duringPrint.empty());
    const Look& printed = duringPrint.front();
    EXPECT_TRUE(printed.printing);
    EXPECT_FALSE(printed.buttonShown);
    EXPECT_FALSE(printed.statusBarShown);
    EXPECT_FALSE(printed.arrowsShown);
    EXPECT_FALSE(printed.gaugeShown);
    EXPECT_EQ(printed.tabsShown, std::vector<bool>({false, false, true, false}));
    EXPECT_EQ(printed.windowColour, QColor(Qt::white));
}

TEST_F(PrintReportTest, WindowComesBackAsItWasAfterPrinting)
{
    ASSERT_TRUE(PrintParameters(setup, PdfTarget(QStringLiteral("report.pdf"))));
    const Look after = Current();
    EXPECT_FALSE(after.printing);
    EXPECT_TRUE(after.buttonShown);
    EXPECT_TRUE(after.statusBarShown);
    EXPECT_TRUE(after.arrowsShown);
    EXPECT_TRUE(after.toolBarShown);
    EXPECT_EQ(status->parentWidget(), toolBar);
    EXPECT_EQ(status->geometry(), QRect(StatusAt, StatusSize));
    EXPECT_EQ(after.tabsShown, before.tabsShown);
    EXPECT_EQ(after.windowColour, before.windowColour);
    // The display state is applied once, on the restored window.
    EXPECT_EQ(displayStateRuns, 1);
    EXPECT_EQ(displayStateLook, after);
}

TEST_F(PrintReportTest, WindowComesBackWhenThePdfCannotBeWritten)
{
    PrintTarget target;
    target.kind = PrintTarget::Kind::PdfFile;
    target.pdfFileName = dir.filePath(QStringLiteral("no-such-folder/report.pdf"));
    EXPECT_FALSE(PrintParameters(setup, target));
    ASSERT_EQ(shownMessages.size(), 1u);
    EXPECT_NE(shownMessages.front().find("no-such-folder/report.pdf"), std::string::npos);
    EXPECT_TRUE(restoredWhenShown);
    const Look after = Current();
    EXPECT_FALSE(after.printing);
    EXPECT_TRUE(after.buttonShown);
    EXPECT_TRUE(after.arrowsShown);
    EXPECT_TRUE(after.toolBarShown);
    EXPECT_EQ(status->parentWidget(), toolBar);
    EXPECT_EQ(after.tabsShown, before.tabsShown);
    EXPECT_EQ(after.windowColour, before.windowColour);
    EXPECT_EQ(displayStateRuns, 1);
}

TEST_F(PrintReportTest, NoDefaultPrinterIsReportedAndTheWindowComesBack)
{
    if (!QPrinterInfo::defaultPrinter().isNull()) {
        GTEST_SKIP() << "this machine has a default printer";
    }
    EXPECT_FALSE(PrintParameters(setup, PrintTarget{}));
    MessageTable english;
    SetMessageTexts(english, English);
    EXPECT_EQ(shownMessages, std::vector<std::string>{english.TextNoDefaultPrinter});
    EXPECT_TRUE(restoredWhenShown);
    EXPECT_TRUE(Current().buttonShown);
    EXPECT_EQ(Current().tabsShown, before.tabsShown);
    EXPECT_EQ(displayStateRuns, 1);
}

// The extent of the pixels of colour in image.
QRect Extent(const QImage& image, QColor colour)
{
    QRect extent;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixelColor(x, y) == colour) {
                extent |= QRect(x, y, 1, 1);
            }
        }
    }
    return extent;
}

QRect PaintedExtent(QWidget& client, QSize page)
{
    QImage image(page, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    PaintClientArea(painter, &client, QRectF(QPointF(0, 0), QSizeF(page)));
    painter.end();
    return Extent(image, Qt::red);
}

void MakeRed(QWidget& client)
{
    client.setFixedSize(ClientSize);
    QPalette palette = client.palette();
    palette.setColor(QPalette::Window, Qt::red);
    client.setPalette(palette);
    client.setAutoFillBackground(true);
}

TEST(PrintPage, WindowFillsThePortraitPageWidthInItsProportions)
{
    QWidget client;
    MakeRed(client);
    EXPECT_EQ(PaintedExtent(client, QSize(200, 400)), QRect(0, 0, 200, 200 * 300 / 400));
}

TEST(PrintPage, LandscapePageWiderThanTheWindowIsFilledInHeight)
{
    QWidget client;
    MakeRed(client);
    EXPECT_EQ(PaintedExtent(client, QSize(450, 150)), QRect(0, 0, 150 * 400 / 300, 150));
}

TEST(PrintStatusText, DateInShortFormFourBlanksAndTimeInLongFormWithoutZone)
{
    const QDateTime now(QDate(2026, 12, 9), QTime(14, 5, 9));
    EXPECT_EQ(PrintStatusText("Date and time of printing:  ", now, QLocale(QLocale::English, QLocale::UnitedStates)),
              QStringLiteral("Date and time of printing:  12/9/26    2:05:09 PM"));
    for (const QLocale& locale : {QLocale(QLocale::German, QLocale::Germany), QLocale(QLocale::French, QLocale::France),
                                  QLocale(QLocale::Czech, QLocale::CzechRepublic), QLocale(QLocale::English)}) {
        const QString text = PrintStatusText("", now, locale);
        const QString time = text.section(QLatin1String(PrintDateTimeGap), 1);
        EXPECT_TRUE(time.contains(QStringLiteral("05:09"))) << text.toStdString();
        EXPECT_FALSE(time.contains(now.timeZoneAbbreviation())) << text.toStdString();
        EXPECT_EQ(time, time.trimmed()) << text.toStdString();
    }
}

TEST(PrintHiddenNames, CoverEveryArrowOfTheGridAndTablePages)
{
    QStringList names = MainWindowPrintHiddenNames();
    const auto count = [&names](const char* stem) {
        return names.filter(QRegularExpression(QStringLiteral("^%1\\[").arg(QLatin1String(stem)))).size();
    };
    EXPECT_EQ(count("CurveRpmUpDown"), 15);
    EXPECT_EQ(count("CurveCellUpDown"), 150);
    EXPECT_EQ(count("CurveSpinButton"), 15);
    const int tableArrows = count("UpDownPolohaARpm") + count("UpDownPolohaA") + count("UpDownPolohaBRpm") +
                            count("UpDownPolohaB") + count("UpDownServoRpm") + count("UpDownServoNap") +
                            count("UpDownTlakTlak") + count("UpDownTlakKor") + count("UpDownRetardTemp") +
                            count("UpDownRetardRetard") + count("UpDownVoda") + count("UpDownVzduch");
    EXPECT_EQ(tableArrows, 6 * 15 + 4 * 10 + 2 * 5);
    EXPECT_EQ(names.removeDuplicates(), 0);
    EXPECT_FALSE(names.contains(QStringLiteral("CGauge")));
}

}  // namespace
}  // namespace torvana
