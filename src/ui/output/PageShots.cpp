#include "ui/output/PageShots.h"

#include <QMainWindow>
#include <QPixmap>
#include <QTabWidget>

namespace torvana {

QString PageShotFileName(const QString& pageObjectName)
{
    QString name = pageObjectName;
    name.remove(QLatin1Char('[')).remove(QLatin1Char(']'));
    return name + QStringLiteral(".png");
}

std::vector<PageShot> ShootPages(QMainWindow& window, QTabWidget& pages, const std::function<void()>& settle)
{
    const int front = pages.currentIndex();
    std::vector<PageShot> shots;
    for (int i = 0; i < pages.count(); ++i) {
        if (!pages.isTabVisible(i)) {
            continue;
        }
        pages.setCurrentIndex(i);
        settle();
        shots.push_back({PageShotFileName(pages.widget(i)->objectName()), window.grab().toImage()});
    }
    pages.setCurrentIndex(front);
    return shots;
}

}  // namespace torvana
