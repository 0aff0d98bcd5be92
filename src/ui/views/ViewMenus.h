#pragma once
// The View menu (heat map, table plot, hit map) and the Region menu of the curve pages, after
// the design's menus. The operations are the region tools; the window's
// edit path records each as one step.

#include "core/ImageLayout.h"
#include "link/LiveValues.h"
#include "link/Tracking.h"
#include "texts/ViewTexts.h"
#include "ui/pages/EditorPages.h"
#include "ui/tools/RegionTools.h"
#include "ui/views/HitMap.h"

#include <QObject>
#include <QString>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

class QAction;
class QMainWindow;
class QMenu;

namespace torvana {

class CellSelection;
class EditorPages;
class TablePlotDock;
class IniFile;

struct ViewHost {
    ParameterImage& image;
    EditorPages& pages;
    const LiveValues& live;
    const TrackedIndices& tracked;
    // Stores what is typed into the page as a step of its own.
    std::function<void()> commitTyped;
    // Ends a region operation through the edit path as one step.
    std::function<void()> finishStep;
    std::function<void(const std::string&)> showMessage;
};

// Asks for a whole number within min..max; none when cancelled.
using ValueAsker = std::function<std::optional<int>(const QString& prompt, int value, int min, int max)>;

class ViewMenus : public QObject {
public:
    ViewMenus(QMainWindow& window, ViewHost host);

    void SetLanguage(int languageIndex);
    // The heat map and hit map ticks and where the table plot stands, from
    // and to their own sections of the settings file.
    void Load(const IniFile& settings);
    // Empty, or why the file could not be written.
    std::string Save(IniFile& settings) const;

    // The active page was filled from the image; a tick marked the cell in use.
    void PageFilled();
    void Ticked(std::int64_t nowMs);
    // A monitor frame with these live values, live or played back from a
    // log, at timeMs on its source's clock: the hit map counts it.
    void MonitorFrame(std::int64_t timeMs, const LiveValues& live);

    // The lambda suggestions' colours for the layer, and that they changed.
    void SetSuggestionShades(EditorPages::CellShades shades) { suggestionShades = std::move(shades); }
    void SuggestionsChanged();

    void Run(RegionOperation operation);
    void CopyRegion();
    void PasteRegion();

    QAction* HeatMapAction() const { return menuHeatMap; }
    QAction* TablePlotAction() const { return menuTablePlot; }
    QAction* HitMapAction() const { return menuHitMap; }
    QAction* SurfaceAction() const { return menuSurface; }
    QAction* LambdaLayerAction() const { return menuLambdaLayer; }
    const HitMap& Hits() const { return hits; }
    TablePlotDock& Plot() const { return *plotDock; }
    CellSelection& Selection() const { return *selection; }
    void SetValueAsker(ValueAsker asker) { askValue = std::move(asker); }

private:
    void BuildMenus(QMainWindow& window);
    void BuildHitMapItems(QMenu* view);
    // The pages' one colour slot: the lambda layer or the hit map, which
    // exclude each other; neither gives the heat map back.
    void ApplyShades();
    // The layer's cells as squares in the table plot.
    void MarkPlot();
    void Finish(const RegionResult& result);
    // The region when a curve page shows one; else says why not.
    std::optional<CellRegion> RegionOrExplain();
    QString Text(ViewText text) const;
    QMainWindow& Window() const;

    ViewHost host;
    CellSelection* selection = nullptr;
    QAction* menuHeatMap = nullptr;
    QAction* menuTablePlot = nullptr;
    TablePlotDock* plotDock = nullptr;
    QAction* menuHitMap = nullptr;
    QAction* menuSurface = nullptr;
    QAction* menuLambdaLayer = nullptr;
    EditorPages::CellShades suggestionShades;
    HitMap hits;
    std::uint64_t paintedHits = 0;
    ValueAsker askValue;
    int language = 0;
};

}  // namespace torvana
