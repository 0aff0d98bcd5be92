#pragma once
// The active curve table as a 3D surface (engine speed, throttle, value).
// It needs OpenGL: where the platform has none (the offscreen platform, a
// machine without a GL driver) the table plot stays 2D and says nothing.

#include "core/ImageLayout.h"

#include <QWidget>

class Q3DSurface;
class QSurface3DSeries;

namespace torvana {

// Whether a 3D surface can be drawn here; asked once.
bool SurfaceAvailable();

class SurfacePlot : public QWidget {
public:
    // Only where SurfaceAvailable().
    explicit SurfacePlot(QWidget* parent);

    void ShowTable(const ParameterImage& image, int page);

private:
    Q3DSurface* graph;
    QSurface3DSeries* series;
};

}  // namespace torvana
