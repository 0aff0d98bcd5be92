#pragma once
// An edit box with its attached up-down control, as one spin box. The Edit
// name is the objectName; the UpDown name sits on an empty child QObject.

#include <QSpinBox>
#include <optional>

namespace torvana {

// When a typed value is handed on besides Enter and the arrows.
enum CommitTrigger : unsigned {
    CommitOnClick = 1,  // a click into the box
    CommitOnExit = 2,   // focus leaves the box
};

class UpDownSpinBox : public QSpinBox {
    Q_OBJECT
public:
    UpDownSpinBox(const QString& editName, const QString& upDownName, unsigned triggers,
                  QWidget* parent);

    void SetRange(int minimum, int maximum, int step);
    // A fill: the value as the range allows it. When the range limited it,
    // LimitedFrom() keeps the value asked for, until the next Show.
    void Show(int value);
    std::optional<int> LimitedFrom() const { return limitedFrom; }
    // Hides or shows the arrows; a box without arrows is read-only.
    void SetArrowsShown(bool shown);
    // Text the user has typed since the box was last set, not yet committed.
    std::optional<QString> TypedText() const;
    // Puts typed text back after a refill, still marked as typed.
    void KeepTyped(const QString& text);
    // An arrow step that moves the value commits it.
    void stepBy(int steps) override;
    // A typed whole number outside the range stays in the box while the user
    // types; Enter or leaving the box limits it to the nearer end.
    QValidator::State validate(QString& input, int& pos) const override;
    void fixup(QString& input) const override;

signals:
    void CommitRequested();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    // Only a box with the focus takes the wheel; otherwise the parent gets it.
    void wheelEvent(QWheelEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    // The marking changes the palette often: see StylePalette.h.
    void initStyleOption(QStyleOptionSpinBox* option) const override;

private:
    unsigned triggers;
    std::optional<int> limitedFrom;
    // Enter moves the focus on and commits once; the exit it causes must not
    // commit a second time.
    bool movingFocusOnEnter = false;
};

// The spin box an UpDown or Edit name belongs to, below root; null if none.
UpDownSpinBox* FindSpinBox(const QObject* root, const QString& editOrUpDownName);

}  // namespace torvana
