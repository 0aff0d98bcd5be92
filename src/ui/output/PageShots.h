#pragma once
// Pictures of the editor's pages as the window shows them, for the manual.

#include <QImage>
#include <QString>
#include <functional>
#include <vector>

class QMainWindow;
class QTabWidget;

namespace torvana {

struct PageShot {
    QString fileName;  // from the page's object name, e.g. "CurveTabSheet0.png"
    QImage image;      // the whole window with the page in front
};

// The file name a page's picture is saved under: the object name without
// the brackets of an indexed name.
QString PageShotFileName(const QString& pageObjectName);

// Brings every page the tab control shows to the front in tab order and grabs
// the window; settle runs after each page change, before the grab. The page
// in front before the call is in front again afterwards.
std::vector<PageShot> ShootPages(QMainWindow& window, QTabWidget& pages, const std::function<void()>& settle);

}  // namespace torvana
