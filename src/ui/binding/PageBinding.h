#pragma once
// Display values of every editor page and their conversion to and from the
// parameter image. The widgets only show these values: a page fill sets each
// control from FillXxxPage (the control limits it to its UpDownRange), a page
// write reads the controls into the values and calls WriteXxxPage.

#include "ui/binding/CurvePageBinding.h"
#include "ui/binding/KnockPageBinding.h"
#include "ui/binding/TablePageBinding.h"
#include "ui/binding/UpDownRange.h"
#include "ui/binding/VariousPageBinding.h"
