#include "ui/pages/ControlReader.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QSpinBox>

#include "ui/pages/RadioGroup.h"

namespace torvana {

int ValueReader::Number(const QSpinBox* box) const { return box->value(); }
bool ValueReader::Tick(const QAbstractButton* box) const { return box->isChecked(); }
int ValueReader::Item(const QComboBox* list) const { return list->currentIndex(); }
int ValueReader::Item(const RadioGroup* group) const { return group->ItemIndex(); }

int ChangedReader::Number(const QSpinBox* box) const { return Changed(box) ? 1 : 0; }
bool ChangedReader::Tick(const QAbstractButton* box) const { return Changed(box); }
int ChangedReader::Item(const QComboBox* list) const { return Changed(list) ? 1 : 0; }
int ChangedReader::Item(const RadioGroup* group) const { return Changed(group) ? 1 : 0; }

}  // namespace torvana
