#pragma once
// New values for single cells of an injection table, as the lambda
// analysis suggests them: stored as typed values are stored (limited to the
// cells' range, coupled followers moved by the coupled write). The window
// ends a change that acted with RefreshAfterEdit, as one step.

#include "analysis/Suggestions.h"
#include "core/ImageLayout.h"
#include "ui/tools/EditStep.h"

#include <span>

namespace torvana {

// page: ActivePageIndex. Refused (nothing acted) on an ignition page, a
// read-only follower or a cell outside the table.
EditResult StoreCellChanges(ParameterImage& image, int page, std::span<const CellChange> changes);

}  // namespace torvana
