#include "ui/pages/UpDownSpinBox.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QStyleOptionSpinBox>
#include <QWheelEvent>
#include <algorithm>

#include "ui/pages/SpinBoxStyle.h"
#include "ui/pages/StylePalette.h"

namespace torvana {

namespace {
constexpr int EditHeight = 21;
constexpr QChar MinusSign = u'-';
}  // namespace

UpDownSpinBox::UpDownSpinBox(const QString& editName, const QString& upDownName,
                             unsigned triggers, QWidget* parent)
    : QSpinBox(parent), triggers(triggers)
{
    setObjectName(editName);
    auto* upDownAlias = new QObject(this);
    upDownAlias->setObjectName(upDownName);
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    setFixedHeight(EditHeight);
    setStyle(PageSpinBoxStyle());
    // Passing over a box with the wheel must not take the focus, or edit it.
    setFocusPolicy(Qt::StrongFocus);
    lineEdit()->installEventFilter(this);
    // Committed text is no longer typing: Qt keeps the line edit's modified
    // mark when the value taken equals the one shown, and a later refill
    // would put that old text back over the new value.
    connect(this, &UpDownSpinBox::CommitRequested, this, [this] { lineEdit()->setModified(false); });
}

void UpDownSpinBox::SetRange(int minimum, int maximum, int step)
{
    setRange(minimum, maximum);
    setSingleStep(step);
}

void UpDownSpinBox::SetArrowsShown(bool shown)
{
    setButtonSymbols(shown ? QAbstractSpinBox::UpDownArrows : QAbstractSpinBox::NoButtons);
    setReadOnly(!shown);
}

std::optional<QString> UpDownSpinBox::TypedText() const
{
    if (!lineEdit()->isModified()) {
        return std::nullopt;
    }
    return lineEdit()->text();
}

void UpDownSpinBox::KeepTyped(const QString& text)
{
    const int cursor = lineEdit()->cursorPosition();
    lineEdit()->setText(text);
    lineEdit()->setCursorPosition(cursor);
    lineEdit()->setModified(true);
}

void UpDownSpinBox::stepBy(int steps)
{
    const int before = value();
    QSpinBox::stepBy(steps);
    if (value() != before) {
        emit CommitRequested();
    }
}

void UpDownSpinBox::Show(int value)
{
    setValue(value);
    lineEdit()->setModified(false);
    limitedFrom = value == this->value() ? std::nullopt : std::optional<int>(value);
}

QValidator::State UpDownSpinBox::validate(QString& input, int& pos) const
{
    const QValidator::State state = QSpinBox::validate(input, pos);
    if (state != QValidator::Invalid) {
        return state;
    }
    bool whole = false;
    input.trimmed().toInt(&whole);
    return whole || input.trimmed() == MinusSign ? QValidator::Intermediate : state;
}

void UpDownSpinBox::fixup(QString& input) const
{
    bool whole = false;
    const int typed = input.trimmed().toInt(&whole);
    if (whole) {
        input = textFromValue(std::clamp(typed, minimum(), maximum()));
        return;
    }
    QSpinBox::fixup(input);
}

void UpDownSpinBox::wheelEvent(QWheelEvent* event)
{
    if (!hasFocus()) {
        event->ignore();
        return;
    }
    QSpinBox::wheelEvent(event);
}

void UpDownSpinBox::keyPressEvent(QKeyEvent* event)
{
    if (event->key() != Qt::Key_Return && event->key() != Qt::Key_Enter) {
        QSpinBox::keyPressEvent(event);
        return;
    }
    interpretText();
    movingFocusOnEnter = true;
    focusNextChild();
    movingFocusOnEnter = false;
    emit CommitRequested();
}

void UpDownSpinBox::focusOutEvent(QFocusEvent* event)
{
    QSpinBox::focusOutEvent(event);
    const bool leftByUser = event->reason() != Qt::ActiveWindowFocusReason &&
                            event->reason() != Qt::PopupFocusReason;
    if ((triggers & CommitOnExit) && leftByUser && !movingFocusOnEnter) {
        emit CommitRequested();
    }
}

bool UpDownSpinBox::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == lineEdit() && event->type() == QEvent::MouseButtonPress &&
        (triggers & CommitOnClick)) {
        emit CommitRequested();
    }
    return QSpinBox::eventFilter(watched, event);
}

void UpDownSpinBox::initStyleOption(QStyleOptionSpinBox* option) const
{
    QSpinBox::initStyleOption(option);
    option->palette = SharedStylePalette(option->palette);
}

UpDownSpinBox* FindSpinBox(const QObject* root, const QString& editOrUpDownName)
{
    auto* named = root->findChild<QObject*>(editOrUpDownName);
    if (named == nullptr) {
        return nullptr;
    }
    if (auto* box = qobject_cast<UpDownSpinBox*>(named)) {
        return box;
    }
    return qobject_cast<UpDownSpinBox*>(named->parent());
}

}  // namespace torvana
