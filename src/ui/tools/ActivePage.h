#pragma once
// The active page of PageControl1 and the curve table it shows.

#include "core/ImageLayout.h"

#include <cstddef>

namespace torvana {

struct ActivePage {
    int ActivePageIndex = 0;
    // 450 + 150 x ActivePageIndex: the table of a curve page; the tools
    // read it on curve pages only, where it lies inside the image.
    std::size_t ActiveTableBase = CurveTableOffset(0);
};

// What PageControl1Change and the page switch of a mode choice keep for
// page 0..13. The page that was left is not committed.
ActivePage ActivePageFor(int pageIndex);

bool IsCurvePage(int pageIndex);

}  // namespace torvana
