#include "ui/pages/RadioGroup.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QHBoxLayout>
#include <QRadioButton>

namespace torvana {

RadioGroup::RadioGroup(const QString& name, const QString& caption, const QStringList& items,
                       QWidget* parent)
    : QGroupBox(caption, parent), buttons(new QButtonGroup(this))
{
    setObjectName(name);
    setFocusPolicy(Qt::NoFocus);
    auto* layout = new QHBoxLayout(this);
    for (int i = 0; i < items.size(); ++i) {
        auto* button = new QRadioButton(items[i], this);
        button->setObjectName(QStringLiteral("%1[%2]").arg(name).arg(i));
        button->setFocusPolicy(Qt::NoFocus);
        buttons->addButton(button, i);
        layout->addWidget(button);
    }
    connect(buttons, &QButtonGroup::idClicked, this, &RadioGroup::ItemClicked);
}

void RadioGroup::SetItems(const QStringList& items)
{
    const auto all = buttons->buttons();
    for (int i = 0; i < all.size() && i < items.size(); ++i) {
        buttons->button(i)->setText(items[i]);
    }
}

int RadioGroup::ItemIndex() const
{
    return buttons->checkedId();
}

void RadioGroup::SetItemIndex(int index)
{
    if (auto* button = buttons->button(index)) {
        button->setChecked(true);
        return;
    }
    buttons->setExclusive(false);
    for (auto* button : buttons->buttons()) {
        button->setChecked(false);
    }
    buttons->setExclusive(true);
}

}  // namespace torvana
