#include "ui/tools/ActivePage.h"

namespace torvana {

ActivePage ActivePageFor(int pageIndex)
{
    return {pageIndex, CurveTableOffset(pageIndex)};
}

bool IsCurvePage(int pageIndex) { return pageIndex >= 0 && pageIndex < CurveCount; }

}  // namespace torvana
