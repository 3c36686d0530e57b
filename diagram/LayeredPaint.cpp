#include "diagram/LayeredPaint.h"

#include "diagram/MasterDiagram.h"

void TLayeredPaint::Run(const std::function<void()>& prepare, const std::function<void()>& drawStatic,
                        const std::function<void()>& drawLive)
{
    if (d_.DiagramState == dsDragPoint || d_.DiagramState == dsDragSymbol)
        return;
    if (d_.DiagramState != dsIdle) {
        d_.RunPaintContract({});
        staticValid_ = false;
        return;
    }
    if (!StaticLayerFits()) {
        PaintStaticLayer(prepare, drawStatic);
        liveAll_ = true;
    } else if (!liveAll_ && liveDirty_.isEmpty()) {
        return; // nothing changed: the bitmap holds the picture
    } else {
        TCanvas& c = d_.Canvas();
        afterFrame_.Restore(c);
        if (prepare)
            prepare();
        // A handler raised while preparing may have changed what is shown.
        if (!staticValid_)
            return Run(prepare, drawStatic, drawLive);
        const QRegion region = liveAll_ ? QRegion(d_.BitmapRect.ToQRect()) : liveDirty_;
        staticLayer_.CopyTo(c.Image(), region);
        afterStatic_.Restore(c);
        if (!liveAll_)
            c.SetClipRegion(region);
    }
    if (drawLive)
        drawLive();
    d_.Canvas().ClearClip();
    liveDirty_ = QRegion();
    liveAll_ = false;
}

bool TLayeredPaint::StaticLayerFits() const
{
    return staticValid_ && staticLayer_.Kept(d_.Width(), d_.Height());
}

void TLayeredPaint::PaintStaticLayer(const std::function<void()>& prepare, const std::function<void()>& drawStatic)
{
    staticValid_ = true; // before prepare: a handler's Invalidate there drops it again
    d_.RunPaintContract([&] {
        TCanvas& c = d_.Canvas();
        afterFrame_.Save(c);
        if (prepare)
            prepare();
        if (drawStatic)
            drawStatic();
        afterStatic_.Save(c);
        staticLayer_.KeepCopyOf(c.Image());
    });
}

void TLayeredPaint::InvalidateLive(const TRect& rect)
{
    if (rect.Right <= rect.Left || rect.Bottom <= rect.Top) {
        liveAll_ = true;
        d_.update();
        return;
    }
    liveDirty_ += rect.ToQRect();
    d_.update(rect.ToQRect());
}

void TLayeredPaint::Drop()
{
    staticValid_ = false;
    liveAll_ = true;
}
