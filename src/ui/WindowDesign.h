#pragma once
// The designed controls of the main window: menus, tool bar, status line,
// file labels, logos, the page control and the status bar. The live-value
// area is MonitorArea's.

#include <array>

class QAction;
class QGroupBox;
class QLabel;
class QMainWindow;
class QMenu;
class QProgressBar;
class QPushButton;
class QStatusBar;
class QTabWidget;
class QToolButton;
class QWidget;

namespace torvana {

constexpr int ComMenuItems = 10;
constexpr int ModeMenuItems = 3;  // Normal, Coupled, 1 = 2 = 3
constexpr int LanguageMenuItems = 4;

struct WindowControls {
    QAction* menuNew = nullptr;
    QAction* menuOpen = nullptr;
    QAction* menuSave = nullptr;
    QAction* menuPrint = nullptr;
    QAction* menuPrintPdf = nullptr;
    QAction* menuExit = nullptr;
    std::array<QAction*, ComMenuItems> menuCom{};
    QAction* menuRead = nullptr;
    QAction* menuVerify = nullptr;
    QAction* menuProgram = nullptr;
    std::array<QAction*, ModeMenuItems> ignMode{};
    std::array<QAction*, ModeMenuItems> jetMode{};
    QAction* menuToolsMinus = nullptr;
    QAction* menuToolsPlus = nullptr;
    std::array<QAction*, LanguageMenuItems> menuLanguage{};  // English, German, French, Czech
    QAction* menuContens = nullptr;
    QAction* menuAbout = nullptr;

    QGroupBox* groupBoxToolBar = nullptr;
    QToolButton* speedButtonOpen = nullptr;   // SpeedButton5
    QToolButton* speedButtonNew = nullptr;    // SpeedButton6
    QToolButton* speedButtonSave = nullptr;   // SpeedButton7
    QToolButton* speedButtonPrint = nullptr;
    QPushButton* buttonRead = nullptr;
    QPushButton* buttonVerify = nullptr;
    QPushButton* buttonProgram = nullptr;

    QLabel* labelHlaseni = nullptr;
    QProgressBar* cGauge = nullptr;
    QLabel* labelSpojeni = nullptr;
    QLabel* labelFile1 = nullptr;
    QLabel* labelFile2 = nullptr;
    QTabWidget* pageControl1 = nullptr;
    QWidget* monitorParent = nullptr;  // where MonitorArea builds the live values
    QStatusBar* statusBar1 = nullptr;
};

// Creates the controls on window (menu bar, central widget, status bar).
WindowControls BuildWindowDesign(QMainWindow* window);

// A status text longer than its line wraps onto a second line over the
// progress gauge while the gauge is hidden, so no message is cut off.
void FitStatusLine(QLabel* statusLine, bool gaugeShown);

}  // namespace torvana
