#pragma once
// TLayeredPaint: a diagram's paint in two layers. The static picture (frame,
// areas, axes, curve) is kept with the canvas state after the frame and
// after the static drawing, until the diagram drops it (every Invalidate);
// a paint that finds it kept copies it back where the live layer may draw
// and draws the live layer clipped to what InvalidateLive marked. The
// result is the picture of one paint from scratch.

#include "framework/CanvasState.h"
#include "framework/KeptLayer.h"
#include "framework/Rect.h"

#include <QRegion>
#include <functional>

class TMasterDiagram;

class TLayeredPaint {
public:
    explicit TLayeredPaint(TMasterDiagram& diagram) : d_(diagram) {}

    void Run(const std::function<void()>& prepare, const std::function<void()>& drawStatic,
             const std::function<void()>& drawLive);
    // Only what the live layer draws has changed, within `rect` (anywhere when empty).
    void InvalidateLive(const TRect& rect);
    void Drop();

private:
    bool StaticLayerFits() const;
    void PaintStaticLayer(const std::function<void()>& prepare, const std::function<void()>& drawStatic);

    TMasterDiagram& d_;
    TKeptLayer staticLayer_;
    bool staticValid_ = false;
    TCanvasState afterFrame_;
    TCanvasState afterStatic_;
    QRegion liveDirty_;
    bool liveAll_ = true;
};
