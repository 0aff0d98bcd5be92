#pragma once
// A captioned group of radio buttons whose selection is an item index.

#include <QGroupBox>
#include <QStringList>

class QButtonGroup;

namespace torvana {

class RadioGroup : public QGroupBox {
    Q_OBJECT
public:
    RadioGroup(const QString& name, const QString& caption, const QStringList& items,
               QWidget* parent);

    // Replaces the item texts; the selection stays on the same index.
    void SetItems(const QStringList& items);
    int ItemIndex() const;
    // An index outside the items selects none.
    void SetItemIndex(int index);

signals:
    void ItemClicked();

private:
    QButtonGroup* buttons;
};

}  // namespace torvana
