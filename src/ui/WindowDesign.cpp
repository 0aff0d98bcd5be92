#include "ui/WindowDesign.h"

#include "ui/Hint.h"
#include "ui/Painting.h"
#include "ui/pages/PageWidgets.h"

#include <QActionGroup>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QProgressBar>
#include <QProxyStyle>
#include <QPushButton>
#include <QStatusBar>
#include <QStyle>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>
#include <algorithm>

namespace torvana {

namespace {

// Designed geometry, in pixels of the central widget.
constexpr int WindowWidth = 1010;
constexpr int Margin = 4;
constexpr int ToolBarHeight = 46;
constexpr int SpeedButtonSize = 34;
constexpr int SpeedButtonTop = 6;
constexpr int SpeedButtonPitch = 36;
constexpr int CommandButtonLeft = 156;
constexpr int CommandButtonTop = 9;
constexpr int CommandButtonWidth = 84;
constexpr int CommandButtonHeight = 28;
constexpr int CommandButtonGap = 4;
constexpr int StatusLeft = 424;
constexpr int StatusTop = 5;
constexpr int StatusWidth = 290;
constexpr int StatusHeight = 18;
constexpr int GaugeTop = 26;
constexpr int GaugeHeight = 13;
constexpr int StatusTwoLineHeight = GaugeTop + GaugeHeight - StatusTop;
constexpr int ConnectionLeft = 722;
constexpr int ConnectionTop = 13;
constexpr int ConnectionWidth = 146;
constexpr int ConnectionHeight = 20;
constexpr int ConnectionGap = ConnectionLeft - (StatusLeft + StatusWidth);
constexpr int WordmarkLeft = 874;
constexpr int WordmarkTop = 5;
constexpr int WordmarkWidth = 130;
constexpr int WordmarkHeight = 36;
constexpr int FileRowTop = 49;
constexpr int FileCaptionWidth = 46;
constexpr int FileNameWidth = 940;
constexpr int FileRowHeight = 17;
constexpr int PagesTop = 68;
constexpr int PagesHeight = 448;
constexpr int MonitorTop = PagesTop + PagesHeight + 2;
constexpr int MonitorHeight = 226;
constexpr int GaugeMaximum = 19;
constexpr int TabPaddingSaving = 8;

const QColor ConnectionColour = Qt::red;

template <typename T>
T* Named(T* object, const char* name)
{
    object->setObjectName(QString::fromLatin1(name));
    return object;
}

QAction* AddAction(QMenu* menu, const char* name, const QString& text = {})
{
    return Named(menu->addAction(text), name);
}

QMenu* AddMenu(QMenuBar* bar, const char* name)
{
    return Named(bar->addMenu(QString()), name);
}

QMenu* AddSubMenu(QMenu* menu, const char* name)
{
    return Named(menu->addMenu(QString()), name);
}

void BuildFileMenu(QMenuBar* bar, WindowControls& c)
{
    QMenu* file = AddMenu(bar, "MenuFile");
    c.menuNew = AddAction(file, "MenuNew");
    c.menuNew->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    c.menuOpen = AddAction(file, "MenuOpen");
    c.menuSave = AddAction(file, "MenuSave");
    c.menuPrint = AddAction(file, "MenuPrint");
    c.menuPrint->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    c.menuPrintPdf = AddAction(file, "MenuPrintPdf");
    file->addSeparator();
    c.menuExit = AddAction(file, "MenuExit");
}

void BuildComMenu(QMenuBar* bar, WindowControls& c)
{
    QMenu* com = AddMenu(bar, "MenuCom");
    auto* group = new QActionGroup(com);
    for (int i = 0; i < ComMenuItems; ++i) {
        const int number = i + 1;
        // "Com &1" .. "Com &9", "Com 1&0": the last digit is the accelerator.
        QString caption = QStringLiteral("Com ") + QString::number(number);
        caption.insert(caption.size() - 1, u'&');
        QAction* item = com->addAction(caption);
        item->setObjectName(QStringLiteral("MenuCom%1").arg(number));
        item->setCheckable(true);
        group->addAction(item);
        c.menuCom[static_cast<std::size_t>(i)] = item;
    }
}

void BuildModeMenu(QMenu* parent, const char* menuName, const char* itemPrefix,
                   std::array<QAction*, ModeMenuItems>& items)
{
    static constexpr std::array<const char*, ModeMenuItems> suffixes = {"Normal", "Coupled", "Stejny"};
    QMenu* menu = AddSubMenu(parent, menuName);
    auto* group = new QActionGroup(menu);
    for (std::size_t i = 0; i < items.size(); ++i) {
        QAction* item = menu->addAction(QString());
        item->setObjectName(QString::fromLatin1(itemPrefix) + QString::fromLatin1(suffixes[i]));
        item->setCheckable(true);
        group->addAction(item);
        items[i] = item;
    }
    items.back()->setText(QStringLiteral("1 = 2 = 3"));
}

void BuildDeviceMenu(QMenuBar* bar, WindowControls& c)
{
    QMenu* device = AddMenu(bar, "MenuDevice");
    c.menuRead = AddAction(device, "MenuRead");
    c.menuVerify = AddAction(device, "MenuVerify");
    c.menuProgram = AddAction(device, "MenuProgram");
    device->addSeparator();
    BuildModeMenu(device, "Menu_Ign123Mode", "Menu_Ign123", c.ignMode);
    BuildModeMenu(device, "Menu_Jet123Mode", "Menu_Jet123", c.jetMode);
}

void BuildToolsMenu(QMenuBar* bar, WindowControls& c)
{
    QMenu* tools = AddMenu(bar, "MenuTools");
    c.menuToolsMinus = AddAction(tools, "MenuToolsMinus", QStringLiteral("Minus "));
    c.menuToolsMinus->setShortcut(QKeySequence(Qt::Key_F4));
    c.menuToolsPlus = AddAction(tools, "MenuToolsPlus", QStringLiteral("Plus"));
    c.menuToolsPlus->setShortcut(QKeySequence(Qt::Key_F5));
}

void BuildLanguageMenu(QMenuBar* bar, WindowControls& c)
{
    static constexpr std::array<const char*, LanguageMenuItems> names = {
        "MenuEnglish", "MenuGerman", "MenuFrench", "MenuCzech"};
    QMenu* language = AddMenu(bar, "MenuLanguage");
    auto* group = new QActionGroup(language);
    for (std::size_t i = 0; i < names.size(); ++i) {
        QAction* item = AddAction(language, names[i]);
        item->setCheckable(true);
        group->addAction(item);
        c.menuLanguage[i] = item;
    }
    ApplyHint(c.menuLanguage[0], QStringLiteral("|Set Englich menu"));
}

void BuildHelpMenu(QMenuBar* bar, WindowControls& c)
{
    QMenu* help = AddMenu(bar, "MenuHelp");
    ApplyHint(help->menuAction(), QStringLiteral("Not available jet"));
    c.menuContens = AddAction(help, "MenuContens");
    c.menuAbout = AddAction(help, "MenuAbout");
}

QToolButton* SpeedButton(QWidget* parent, const char* name, QStyle::StandardPixmap icon, int index)
{
    auto* button = Named(new QToolButton(parent), name);
    button->setIcon(QApplication::style()->standardIcon(icon));
    button->setIconSize(QSize(SpeedButtonSize - 10, SpeedButtonSize - 10));
    button->setAutoRaise(true);
    button->setGeometry(Margin + SpeedButtonPitch * index, SpeedButtonTop, SpeedButtonSize, SpeedButtonSize);
    return button;
}

// Each command button is as wide as its longest translation needs and
// starts where the caller says, after the one before it.
QPushButton* CommandButton(QWidget* parent, const char* name, int left)
{
    auto* button = Named(new QPushButton(parent), name);
    button->setGeometry(left, CommandButtonTop, CommandButtonWidth, CommandButtonHeight);
    FitWidestCaption(button);
    return button;
}

int NextButtonLeft(const QWidget* button)
{
    return button->geometry().right() + 1 + CommandButtonGap;
}

// Tabs with less side padding, so every language's page names fit in one
// row without scroll arrows.
class CompactTabStyle : public QProxyStyle {
public:
    int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override
    {
        const int value = QProxyStyle::pixelMetric(metric, option, widget);
        return metric == PM_TabBarTabHSpace ? std::max(0, value - TabPaddingSaving) : value;
    }
};

QLabel* Logo(QWidget* parent, const char* name, const QString& resource, QRect geometry)
{
    auto* logo = Named(new QLabel(parent), name);
    logo->setPixmap(QPixmap(resource).scaled(geometry.size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));
    logo->setAlignment(Qt::AlignCenter);
    logo->setGeometry(geometry);
    return logo;
}

void BuildToolBar(QWidget* central, WindowControls& c)
{
    c.groupBoxToolBar = Named(new QGroupBox(central), "GroupBoxToolBar");
    c.groupBoxToolBar->setGeometry(0, 0, WindowWidth, ToolBarHeight);
    QWidget* bar = c.groupBoxToolBar;
    c.speedButtonNew = SpeedButton(bar, "SpeedButton6", QStyle::SP_FileIcon, 0);
    c.speedButtonOpen = SpeedButton(bar, "SpeedButton5", QStyle::SP_DialogOpenButton, 1);
    c.speedButtonSave = SpeedButton(bar, "SpeedButton7", QStyle::SP_DialogSaveButton, 2);
    c.speedButtonPrint = SpeedButton(bar, "SpeedButtonPrint", QStyle::SP_FileDialogContentsView, 3);
    c.buttonRead = CommandButton(bar, "ButtonRead", CommandButtonLeft);
    c.buttonVerify = CommandButton(bar, "ButtonVerify", NextButtonLeft(c.buttonRead));
    c.buttonProgram = CommandButton(bar, "ButtonProgram", NextButtonLeft(c.buttonVerify));

    // The connection label grows leftwards to its longest translation, its
    // right edge at the designed place beside the wordmark.
    c.labelSpojeni = Named(new QLabel(bar), "LabelSpojeni");
    c.labelSpojeni->setAlignment(Qt::AlignCenter);
    c.labelSpojeni->setGeometry(ConnectionLeft, ConnectionTop, ConnectionWidth, ConnectionHeight);
    FitWidestCaption(c.labelSpojeni);
    c.labelSpojeni->move(ConnectionLeft + ConnectionWidth - c.labelSpojeni->width(), ConnectionTop);
    SetBackground(c.labelSpojeni, ConnectionColour);

    // Wider buttons push the status line right, a wider connection label
    // ends it earlier.
    const int statusLeft = std::max(StatusLeft, NextButtonLeft(c.buttonProgram));
    const int statusRight = std::min(StatusLeft + StatusWidth, c.labelSpojeni->x() - ConnectionGap);
    const int statusWidth = statusRight - statusLeft;
    c.labelHlaseni = Named(new QLabel(bar), "LabelHlaseni");
    c.labelHlaseni->setGeometry(statusLeft, StatusTop, statusWidth, StatusHeight);
    c.labelHlaseni->setWordWrap(true);
    c.cGauge = Named(new QProgressBar(bar), "CGauge");
    c.cGauge->setRange(0, GaugeMaximum);
    c.cGauge->setTextVisible(false);
    c.cGauge->setGeometry(statusLeft, GaugeTop, statusWidth, GaugeHeight);

    Logo(bar, "ImageLogo1", QStringLiteral(":/images/LogoWordmark.jpg"),
         QRect(WordmarkLeft, WordmarkTop, WordmarkWidth, WordmarkHeight));
}

}  // namespace

WindowControls BuildWindowDesign(QMainWindow* window)
{
    WindowControls c;
    QMenuBar* bar = window->menuBar();
    BuildFileMenu(bar, c);
    BuildComMenu(bar, c);
    BuildDeviceMenu(bar, c);
    BuildToolsMenu(bar, c);
    BuildLanguageMenu(bar, c);
    BuildHelpMenu(bar, c);

    auto* central = new QWidget(window);
    window->setCentralWidget(central);
    BuildToolBar(central, c);

    c.labelFile1 = Named(new QLabel(central), "LabelFile1");
    c.labelFile1->setGeometry(Margin * 2, FileRowTop, FileCaptionWidth, FileRowHeight);
    c.labelFile2 = Named(new QLabel(central), "LabelFile2");
    c.labelFile2->setGeometry(Margin * 2 + FileCaptionWidth, FileRowTop, FileNameWidth, FileRowHeight);

    c.pageControl1 = Named(new QTabWidget(central), "PageControl1");
    c.pageControl1->setGeometry(Margin, PagesTop, WindowWidth - 2 * Margin, PagesHeight);
    auto* tabStyle = new CompactTabStyle;
    tabStyle->setParent(c.pageControl1->tabBar());
    c.pageControl1->tabBar()->setStyle(tabStyle);

    c.monitorParent = Named(new QGroupBox(central), "GroupBoxMonitor");
    c.monitorParent->setGeometry(Margin, MonitorTop, WindowWidth - 2 * Margin, MonitorHeight);

    c.statusBar1 = Named(new QStatusBar(window), "StatusBar1");
    c.statusBar1->setSizeGripEnabled(false);
    window->setStatusBar(c.statusBar1);
    return c;
}

void FitStatusLine(QLabel* statusLine, bool gaugeShown)
{
    const bool twoLines =
        !gaugeShown && statusLine->fontMetrics().horizontalAdvance(statusLine->text()) > statusLine->contentsRect().width();
    const int height = twoLines ? StatusTwoLineHeight : StatusHeight;
    if (statusLine->height() != height) {
        statusLine->resize(statusLine->width(), height);
    }
}

}  // namespace torvana
