#pragma once
// The editing tools behind the pages' tool buttons and the Tools menu: each
// takes the ticks and live values it needs, changes the image, and ends like
// every edit when it acted.

#include "core/ImageLayout.h"
#include "link/LiveValues.h"
#include "link/Tracking.h"
#include "ui/pages/EditorPages.h"
#include "ui/tools/EditStep.h"

#include <QObject>
#include <functional>

class QWidget;

namespace torvana {

// The window's state the tools work on; all referenced, owned by the window.
struct ToolContext {
    ParameterImage& image;
    EditorPages& pages;
    const QWidget& window;  // holds the "All" boxes of the tables
    const LiveValues& live;
    const TrackedIndices& tracked;
    const CurvePageFlags& pageAllFlags;
    std::function<void()> writeActivePage;
    std::function<void()> refreshAfterEdit;
};

// Connects the pages' tool signals on construction; they go with it.
class ToolWiring : public QObject {
public:
    explicit ToolWiring(ToolContext context);

    // Minus (F4) and Plus (F5), by the active page.
    void MinusPlus(StepDirection direction);

private:
    void Finish(EditResult result);

    ToolContext c;
};

}  // namespace torvana
