#pragma once
// How a page reads its controls into its page values: what they hold, or
// whether the tuner changed each one since the page was last filled.

#include <QSet>

class QAbstractButton;
class QComboBox;
class QObject;
class QSpinBox;

namespace torvana {

class RadioGroup;

class ControlReader {
public:
    virtual ~ControlReader() = default;
    virtual int Number(const QSpinBox* box) const = 0;
    virtual bool Tick(const QAbstractButton* box) const = 0;
    virtual int Item(const QComboBox* list) const = 0;
    virtual int Item(const RadioGroup* group) const = 0;
};

// The controls' own values.
class ValueReader final : public ControlReader {
public:
    int Number(const QSpinBox* box) const override;
    bool Tick(const QAbstractButton* box) const override;
    int Item(const QComboBox* list) const override;
    int Item(const RadioGroup* group) const override;
};

// 1 (true) for a control in the set of changed controls, else 0: page values
// read this way are the mask that a page write takes.
class ChangedReader final : public ControlReader {
public:
    explicit ChangedReader(const QSet<const QObject*>& changed) : changed(changed) {}
    int Number(const QSpinBox* box) const override;
    bool Tick(const QAbstractButton* box) const override;
    int Item(const QComboBox* list) const override;
    int Item(const RadioGroup* group) const override;

private:
    bool Changed(const QObject* control) const { return changed.contains(control); }
    const QSet<const QObject*>& changed;
};

}  // namespace torvana
