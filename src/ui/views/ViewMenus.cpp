#include "ui/views/ViewMenus.h"

#include "settings/IniFile.h"
#include "ui/binding/UpDownRange.h"
#include "ui/pages/EditorPages.h"
#include "ui/tools/ActivePage.h"
#include "ui/views/CellSelection.h"
#include "ui/views/DockPlacement.h"
#include "ui/views/TablePlotDock.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QInputDialog>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

namespace torvana {

namespace {

constexpr const char* SettingsSection = "TABLE_VIEWS";
constexpr const char* HeatMapKey = "HeatMap";
constexpr const char* HitMapKey = "HitMap";
constexpr const char* LambdaLayerKey = "LambdaLayer";
constexpr const char* PlotSection = "TABLE_PLOT";
constexpr const char* SurfaceKey = "Surface";
constexpr int PercentUnchanged = 100;
constexpr int PercentMax = 1000;

struct RegionItem {
    const char* name;
    RegionOperation operation;
};

constexpr RegionItem ValueItems[] = {
    {"MenuRegionSet", RegionOperation::Set},
    {"MenuRegionAdd", RegionOperation::Add},
    {"MenuRegionScale", RegionOperation::Scale},
};
constexpr RegionItem ShapeItems[] = {
    {"MenuRegionInterpolateHorizontal", RegionOperation::InterpolateHorizontal},
    {"MenuRegionInterpolateVertical", RegionOperation::InterpolateVertical},
    {"MenuRegionInterpolateBilinear", RegionOperation::InterpolateBilinear},
    {"MenuRegionSmooth", RegionOperation::Smooth},
    {"MenuRegionFillFromTracked", RegionOperation::FillFromTracked},
};

QMenu* AddMenu(QMenuBar* bar, const char* name)
{
    QMenu* menu = bar->addMenu(QString());
    menu->setObjectName(QString::fromLatin1(name));
    return menu;
}

QAction* AddItem(QMenu* menu, const char* name)
{
    QAction* action = menu->addAction(QString());
    action->setObjectName(QString::fromLatin1(name));
    return action;
}

}  // namespace

ViewMenus::ViewMenus(QMainWindow& window, ViewHost host) : QObject(&window), host(std::move(host))
{
    selection = new CellSelection(this->host.pages.CurveGrid(), this);
    askValue = [&window](const QString& prompt, int value, int min, int max) -> std::optional<int> {
        bool ok = false;
        const int chosen = QInputDialog::getInt(&window, window.windowTitle(), prompt, value, min, max, 1, &ok);
        return ok ? std::optional<int>(chosen) : std::nullopt;
    };
    BuildMenus(window);
}

void ViewMenus::BuildMenus(QMainWindow& window)
{
    QMenu* view = AddMenu(window.menuBar(), "MenuView");
    menuHeatMap = AddItem(view, "MenuHeatMap");
    menuHeatMap->setCheckable(true);
    connect(menuHeatMap, &QAction::toggled, this,
            [this](bool shown) { host.pages.ShowHeatMap(shown, host.image); });
    plotDock = new TablePlotDock(&window);
    window.addDockWidget(Qt::RightDockWidgetArea, plotDock);
    // Floating at first: docked, it would narrow the pages of the window's designed size.
    plotDock->setFloating(true);
    plotDock->hide();
    menuTablePlot = AddItem(view, "MenuTablePlot");
    menuTablePlot->setCheckable(true);
    connect(menuTablePlot, &QAction::toggled, this, [this](bool shown) {
        plotDock->setVisible(shown);
        PageFilled();
    });
    connect(plotDock, &QDockWidget::visibilityChanged, menuTablePlot, [this](bool) {
        menuTablePlot->setChecked(!plotDock->isHidden());
    });
    BuildHitMapItems(view);

    QMenu* region = AddMenu(window.menuBar(), "MenuRegion");
    for (const RegionItem& item : ValueItems) {
        const RegionOperation operation = item.operation;
        connect(AddItem(region, item.name), &QAction::triggered, this, [this, operation] { Run(operation); });
    }
    region->addSeparator();
    for (const RegionItem& item : ShapeItems) {
        const RegionOperation operation = item.operation;
        connect(AddItem(region, item.name), &QAction::triggered, this, [this, operation] { Run(operation); });
    }
    region->addSeparator();
    QAction* copy = AddItem(region, "MenuRegionCopy");
    copy->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
    connect(copy, &QAction::triggered, this, &ViewMenus::CopyRegion);
    QAction* paste = AddItem(region, "MenuRegionPaste");
    paste->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_V));
    connect(paste, &QAction::triggered, this, &ViewMenus::PasteRegion);
}

void ViewMenus::BuildHitMapItems(QMenu* view)
{
    // Made now for the settings and the captions, placed when the menu first
    // opens: after the items other parts of the window add to it meanwhile.
    const auto makeItem = [view](const char* name) {
        auto* action = new QAction(view);
        action->setObjectName(QString::fromLatin1(name));
        return action;
    };
    menuHitMap = makeItem("MenuHitMap");
    menuHitMap->setCheckable(true);
    menuLambdaLayer = makeItem("MenuLambdaLayer");
    menuLambdaLayer->setCheckable(true);
    connect(menuHitMap, &QAction::toggled, this, [this](bool shown) {
        if (shown)
            menuLambdaLayer->setChecked(false);
        ApplyShades();
    });
    connect(menuLambdaLayer, &QAction::toggled, this, [this](bool shown) {
        if (shown)
            menuHitMap->setChecked(false);
        ApplyShades();
    });
    QAction* reset = makeItem("MenuHitMapReset");
    connect(reset, &QAction::triggered, this, [this] {
        hits.Reset();
        host.pages.PaintCellShades(host.image);
    });
    menuSurface = makeItem("MenuTablePlot3D");
    menuSurface->setCheckable(true);
    connect(menuSurface, &QAction::toggled, this, [this](bool wanted) {
        plotDock->WantSurface(wanted);
        PageFilled();
    });
    connect(view, &QMenu::aboutToShow, this, [this, view, reset] {
        if (!view->actions().contains(menuHitMap)) {
            view->addSeparator();
            view->addActions({menuHitMap, reset, menuLambdaLayer, menuSurface});
        }
    });
}

void ViewMenus::ApplyShades()
{
    EditorPages::CellShades shades;
    if (menuLambdaLayer->isChecked()) {
        shades = suggestionShades;
    } else if (menuHitMap->isChecked()) {
        shades = [this](int curve, int row, int column) -> std::optional<QColor> {
            const int level = HitLevel(hits.Ms(curve, row, column));
            const HeatRgb rgb = HitColour(level);
            return level == 0 ? std::nullopt : std::optional<QColor>(QColor(rgb.red, rgb.green, rgb.blue));
        };
    }
    paintedHits = hits.Version();
    host.pages.SetCellShades(std::move(shades), host.image);
    MarkPlot();
}

void ViewMenus::MarkPlot()
{
    std::vector<TablePlotDock::CellMark> marks;
    const int page = host.pages.ActivePageIndex();
    if (menuLambdaLayer->isChecked() && suggestionShades && IsCurvePage(page)) {
        for (int r = 0; r < CurveRows; ++r)
            for (int c = 0; c < CurveColumns; ++c)
                if (const std::optional<QColor> colour = suggestionShades(page, r, c))
                    marks.push_back({r, c, *colour});
    }
    plotDock->ShowCellMarks(host.image, marks);
}

void ViewMenus::SuggestionsChanged()
{
    if (menuLambdaLayer->isChecked()) {
        host.pages.PaintCellShades(host.image);
        MarkPlot();
    }
}

void ViewMenus::Load(const IniFile& settings)
{
    menuHeatMap->setChecked(settings.ReadInteger(SettingsSection, HeatMapKey, 0) != 0);
    menuHitMap->setChecked(settings.ReadInteger(SettingsSection, HitMapKey, 0) != 0);
    menuLambdaLayer->setChecked(settings.ReadInteger(SettingsSection, LambdaLayerKey, 0) != 0);
    const DockPlacement placement = ReadDockPlacement(settings, PlotSection);
    ApplyPlacement(Window(), *plotDock, placement);
    menuSurface->setChecked(settings.ReadInteger(PlotSection, SurfaceKey, 0) != 0);
    menuTablePlot->setChecked(placement.open);
}

std::string ViewMenus::Save(IniFile& settings) const
{
    std::string reason;
    for (const auto& [key, action] : {std::pair{HeatMapKey, menuHeatMap}, std::pair{HitMapKey, menuHitMap},
                                      std::pair{LambdaLayerKey, menuLambdaLayer}}) {
        if (!settings.WriteInteger(SettingsSection, key, action->isChecked() ? 1 : 0, &reason))
            return "Unable to write to " + settings.Path() + "\n" + reason;
    }
    if (!settings.WriteInteger(PlotSection, SurfaceKey, menuSurface->isChecked() ? 1 : 0, &reason))
        return "Unable to write to " + settings.Path() + "\n" + reason;
    return WriteDockPlacement(settings, PlotSection, CurrentPlacement(Window(), *plotDock));
}

QMainWindow& ViewMenus::Window() const
{
    return *static_cast<QMainWindow*>(parent());
}

void ViewMenus::SetLanguage(int languageIndex)
{
    language = languageIndex;
    plotDock->setWindowTitle(Text(ViewText::PlotTitle));
    PageFilled();
}

void ViewMenus::PageFilled()
{
    plotDock->ShowPage(host.image, host.pages.ActivePageIndex(), language);
    MarkPlot();
}

void ViewMenus::MonitorFrame(std::int64_t timeMs, const LiveValues& live)
{
    hits.Add(TrackHitFrame(timeMs, host.image, live));
}

void ViewMenus::Ticked(std::int64_t nowMs)
{
    if (menuHitMap->isChecked() && paintedHits != hits.Version()) {
        paintedHits = hits.Version();
        host.pages.PaintCellShades(host.image);
    }
    const int page = host.pages.ActivePageIndex();
    if (!IsCurvePage(page))
        return;
    const int value = host.image[CurveCellOffset(page, host.tracked.CurveRow, host.tracked.CurveColumn)] *
                      CurveCellRange(page).step;
    plotDock->ShowOperatingPoint(host.live.LiveRpm, value, nowMs);
}

QString ViewMenus::Text(ViewText text) const
{
    return QString::fromStdString(ViewTextFor(text, language));
}

std::optional<CellRegion> ViewMenus::RegionOrExplain()
{
    const std::optional<CellRegion> region = selection->Region();
    if (!IsCurvePage(host.pages.ActivePageIndex()) || !region) {
        host.showMessage(ViewTextFor(ViewText::NoRegion, language));
        return std::nullopt;
    }
    return region;
}

void ViewMenus::Run(RegionOperation operation)
{
    const std::optional<CellRegion> region = RegionOrExplain();
    if (!region)
        return;
    const int page = host.pages.ActivePageIndex();
    const UpDownRange range = CurveCellRange(page);
    RegionInput input{operation};
    std::optional<int> value = 0;
    if (operation == RegionOperation::Set)
        value = askValue(Text(ViewText::PromptSet), host.image[CurveCellOffset(page, region->top, region->left)] *
                                                        range.step, range.min, range.max);
    else if (operation == RegionOperation::Add)
        value = askValue(Text(ViewText::PromptAdd), 0, -range.max, range.max);
    else if (operation == RegionOperation::Scale)
        value = askValue(Text(ViewText::PromptScale), PercentUnchanged, 0, PercentMax);
    if (!value)
        return;
    input.value = *value;
    input.liveRpm = host.live.LiveRpm;
    input.trackedRow = host.tracked.CurveRow;
    input.trackedColumn = host.tracked.CurveColumn;
    host.commitTyped();
    Finish(ApplyRegionOperation(host.image, page, *region, input));
}

void ViewMenus::CopyRegion()
{
    if (const std::optional<CellRegion> region = RegionOrExplain()) {
        host.commitTyped();
        QGuiApplication::clipboard()->setText(
            QString::fromStdString(RegionText(host.image, host.pages.ActivePageIndex(), *region)));
    }
}

void ViewMenus::PasteRegion()
{
    if (const std::optional<CellRegion> region = RegionOrExplain()) {
        const std::string text = QGuiApplication::clipboard()->text().toStdString();
        host.commitTyped();
        Finish(PasteRegionText(host.image, host.pages.ActivePageIndex(), *region, text));
    }
}

void ViewMenus::Finish(const RegionResult& result)
{
    switch (result.refusal) {
    case RegionRefusal::None:
        if (result.edit.acted)
            host.finishStep();
        return;
    case RegionRefusal::NotEditable: host.showMessage(ViewTextFor(ViewText::NotEditable, language)); return;
    case RegionRefusal::EngineStopped: host.showMessage(ViewTextFor(ViewText::EngineStopped, language)); return;
    case RegionRefusal::PasteShape: host.showMessage(ViewTextFor(ViewText::PasteShape, language)); return;
    case RegionRefusal::PasteValue:
        host.showMessage(Text(ViewText::PasteValue).arg(result.textLine).arg(result.textColumn).toStdString());
        return;
    }
}

}  // namespace torvana
