#include "ui/TableTicks.h"

#include <QCheckBox>
#include <QWidget>
#include <utility>

namespace torvana {

namespace {

constexpr const char* AllPolohaA = "CheckBoxAll_PolohaA";
constexpr const char* AllPolohaB = "CheckBoxAll_PolohaB";
constexpr const char* AllServo = "CheckBoxAll_Servo";

QCheckBox* Box(const QWidget& window, const char* name)
{
    return window.findChild<QCheckBox*>(QString::fromLatin1(name));
}

bool Ticked(const QWidget& window, const char* name)
{
    const QCheckBox* box = Box(window, name);
    return box && box->isChecked();
}

}  // namespace

TableAllTicks ReadTableTicks(const QWidget& window)
{
    return TableAllTicks{Ticked(window, AllPolohaA), Ticked(window, AllPolohaB), Ticked(window, AllServo)};
}

void SetTableTicks(const QWidget& window, const TableAllTicks& ticks)
{
    for (auto [name, value] :
         {std::pair{AllServo, ticks.servo}, std::pair{AllPolohaA, ticks.polohaA}, std::pair{AllPolohaB, ticks.polohaB}}) {
        if (QCheckBox* box = Box(window, name)) {
            box->setChecked(value);
        }
    }
}

}  // namespace torvana
