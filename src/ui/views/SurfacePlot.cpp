#include "ui/views/SurfacePlot.h"

#include "link/Tracking.h"
#include "ui/binding/UpDownRange.h"

#include <QGuiApplication>
#include <QLinearGradient>
#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QVBoxLayout>
#include <QtDataVisualization/Q3DCamera>
#include <QtDataVisualization/Q3DSurface>
#include <QtDataVisualization/Q3DTheme>
#include <QtDataVisualization/QSurface3DSeries>
#include <QtDataVisualization/QSurfaceDataProxy>
#include <QtDataVisualization/QValue3DAxis>

#include <iterator>

namespace torvana {

namespace {

// Close enough that the surface fills the panel; the default leaves it small.
constexpr float CameraZoomPercent = 105.0f;
// Engine speed and throttle drawn equally long: the rows stay apart.
constexpr float FloorAspect = 1.0f;
// The heat map's scale, from low (violet) to high (green), over the values.
constexpr QRgb GradientStops[] = {0x440154, 0x3b518b, 0x21908d, 0x5cc863, 0xaadc32};

// Platforms that never draw with OpenGL, whatever the driver.
constexpr const char* NoGlPlatforms[] = {"offscreen", "minimal", "vnc"};

bool ProbeOpenGl()
{
    for (const char* platform : NoGlPlatforms) {
        if (QGuiApplication::platformName() == QLatin1String(platform))
            return false;
    }
    QOpenGLContext context;
    if (!context.create())
        return false;
    QOffscreenSurface surface;
    surface.setFormat(context.format());
    surface.create();
    const bool current = surface.isValid() && context.makeCurrent(&surface);
    if (current)
        context.doneCurrent();
    return current;
}

}  // namespace

bool SurfaceAvailable()
{
    static const bool available = ProbeOpenGl();
    return available;
}

SurfacePlot::SurfacePlot(QWidget* parent) : QWidget(parent), graph(new Q3DSurface), series(new QSurface3DSeries)
{
    setObjectName(QStringLiteral("TableSurface"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(QWidget::createWindowContainer(graph, this));
    series->setDrawMode(QSurface3DSeries::DrawSurfaceAndWireframe);
    series->setFlatShadingEnabled(false);
    QLinearGradient gradient;
    const int stops = static_cast<int>(std::size(GradientStops));
    for (int i = 0; i < stops; ++i)
        gradient.setColorAt(static_cast<double>(i) / (stops - 1), QColor(GradientStops[i]));
    series->setBaseGradient(gradient);
    series->setColorStyle(Q3DTheme::ColorStyleRangeGradient);
    graph->scene()->activeCamera()->setCameraPreset(Q3DCamera::CameraPresetIsometricLeftHigh);
    graph->scene()->activeCamera()->setZoomLevel(CameraZoomPercent);
    graph->addSeries(series);
    graph->axisX()->setTitle(QStringLiteral("rpm"));
    graph->axisZ()->setTitle(QStringLiteral("TPS %"));
    graph->setHorizontalAspectRatio(FloorAspect);
    for (QValue3DAxis* axis : {graph->axisX(), graph->axisY(), graph->axisZ()}) {
        axis->setTitleVisible(true);
        axis->setLabelFormat(QStringLiteral("%.0f"));
    }
}

void SurfacePlot::ShowTable(const ParameterImage& image, int page)
{
    const UpDownRange range = CurveCellRange(page);
    auto* rows = new QSurfaceDataArray;
    rows->reserve(CurveRows);
    for (int r = 0; r < CurveRows; ++r) {
        auto* row = new QSurfaceDataRow(CurveColumns);
        for (int c = 0; c < CurveColumns; ++c) {
            (*row)[c].setPosition(QVector3D(static_cast<float>(image[CurveAxisOffset(page) + c] * RpmPerStep),
                                            static_cast<float>(image[CurveCellOffset(page, r, c)] * range.step),
                                            static_cast<float>(TpsAxis[r])));
        }
        rows->append(row);
    }
    series->dataProxy()->resetArray(rows);
    graph->axisY()->setTitle(IsIgnitionCurve(page) ? QStringLiteral("°") : QStringLiteral("µs"));
}

}  // namespace torvana
