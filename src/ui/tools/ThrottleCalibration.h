#pragma once
// "TPS 0 %" and "TPS 100 %": store the throttle sensor's live voltage as the
// closed or open throttle point. A reading outside the point's window
// changes nothing. Neither commits the page first.

#include "core/ImageLayout.h"
#include "ui/tools/EditStep.h"

namespace torvana {

// 300..2500 mV: byte 122 = mV / 10.
EditResult CaptureTps0(ParameterImage& image, int liveTpsMillivolts);

// 2500..4900 mV: byte 123 = mV / 10 - 250.
EditResult CaptureTps100(ParameterImage& image, int liveTpsMillivolts);

}  // namespace torvana
