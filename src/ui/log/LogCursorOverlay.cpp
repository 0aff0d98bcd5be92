#include "ui/log/LogCursorOverlay.h"

#include <QEvent>
#include <QPainter>

namespace torvana {

namespace {

const QColor CursorColour = Qt::red;
constexpr int CursorWidth = 1;
constexpr int PaintMargin = 1;  // antialiasing may touch the next pixel

}  // namespace

LogCursorOverlay::LogCursorOverlay(QWidget* plot) : QWidget(plot)
{
    setObjectName(QStringLiteral("LogCursorOverlay"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setGeometry(plot->rect());
    plot->installEventFilter(this);
    raise();
}

void LogCursorOverlay::SetLines(std::vector<QLine> value)
{
    if (value == lines)
        return;
    update(Bounds());
    lines = std::move(value);
    update(Bounds());
}

QRect LogCursorOverlay::Bounds() const
{
    QRect bounds;
    for (const QLine& line : lines)
        bounds |= QRect(line.p1(), line.p2()).normalized();
    return bounds.adjusted(-PaintMargin, -PaintMargin, PaintMargin, PaintMargin);
}

void LogCursorOverlay::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setPen(QPen(CursorColour, CursorWidth));
    for (const QLine& line : lines)
        painter.drawLine(line);
}

bool LogCursorOverlay::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == parent() && event->type() == QEvent::Resize)
        setGeometry(parentWidget()->rect());
    return QWidget::eventFilter(watched, event);
}

}  // namespace torvana
