#include "ui/pages/ChangeMarks.h"

#include "ui/pages/ControlReader.h"

#include <QPainter>
#include <QPolygon>
#include <QWidget>

namespace torvana {

namespace {

constexpr int MarkSize = 7;
constexpr int MarkInset = 1;  // inside the control's frame line
// Blue is none of the pages' meanings and shows on white, lime, yellow, red and grey.
const QColor MarkColour(0x20, 0x50, 0xe0);

class CornerMark : public QWidget {
public:
    explicit CornerMark(QWidget* control) : QWidget(control)
    {
        setObjectName(QStringLiteral("ChangeMark"));
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setFocusPolicy(Qt::NoFocus);
        setGeometry(MarkInset, MarkInset, MarkSize, MarkSize);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.setPen(Qt::NoPen);
        painter.setBrush(MarkColour);
        painter.drawPolygon(QPolygon({QPoint(0, 0), QPoint(MarkSize, 0), QPoint(0, MarkSize)}));
    }
};

}  // namespace

void ChangeMarks::Mark(const std::vector<QWidget*>& controls, const PageStore& store, const EditorState& reference)
{
    // Marks on another page's controls go.
    const QSet<QWidget*> shown(controls.begin(), controls.end());
    for (auto it = marks.cbegin(); it != marks.cend(); ++it) {
        if (!shown.contains(it.key())) {
            it.value()->hide();
        }
    }
    for (QWidget* control : controls) {
        const QSet<const QObject*> only{control};
        const ChangedReader mask(only);
        EditorState fromCurrent = reference;
        EditorState fromReference = reference;
        store(true, mask, fromCurrent);
        store(false, mask, fromReference);
        Show(control, fromCurrent != fromReference);
    }
}

void ChangeMarks::ClearAll()
{
    for (QWidget* mark : std::as_const(marks)) {
        mark->hide();
    }
}

std::vector<const QWidget*> ChangeMarks::Marked() const
{
    std::vector<const QWidget*> shown;
    for (auto it = marks.cbegin(); it != marks.cend(); ++it) {
        if (!it.value()->isHidden()) {
            shown.push_back(it.key());
        }
    }
    return shown;
}

void ChangeMarks::Show(QWidget* control, bool marked)
{
    QWidget* mark = marks.value(control);
    if (!mark && !marked) {
        return;
    }
    if (!mark) {
        mark = new CornerMark(control);
        marks.insert(control, mark);
    }
    if (marked) {
        mark->raise();  // above the box's own edit line
    }
    mark->setVisible(marked);
}

}  // namespace torvana
