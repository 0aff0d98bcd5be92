#pragma once
// Ranges of the up-down controls, looked up in the binding's range table.

#include <QString>

#include "ui/binding/UpDownRange.h"
#include "ui/pages/UpDownSpinBox.h"

namespace torvana {

// By up-down name, arrays by element ("UpDownTlakTlak[3]"). A name the table
// does not know is a building error.
UpDownRange RangeFor(const QString& upDownName);

void ApplyRange(UpDownSpinBox* box, const UpDownRange& range);

}  // namespace torvana
