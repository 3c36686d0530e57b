#include "diagram/LayeredPaint.h"

#include "diagram/MasterDiagram.h"

#include <cstring>

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
        RestoreStaticLayer(region);
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
    return staticValid_ && staticLayer_.width() == d_.Width() && staticLayer_.height() == d_.Height();
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
        KeepStaticLayer(c.Image());
    });
}

// Into the kept buffer when it fits: a fresh copy each time costs a new
// allocation, whose pages the system clears and maps again on every paint.
void TLayeredPaint::KeepStaticLayer(const QImage& image)
{
    if (staticLayer_.size() != image.size() || staticLayer_.format() != image.format() ||
        staticLayer_.bytesPerLine() != image.bytesPerLine()) {
        staticLayer_ = image.copy();
        return;
    }
    std::memcpy(staticLayer_.bits(), image.constBits(), size_t(image.sizeInBytes()));
}

void TLayeredPaint::RestoreStaticLayer(const QRegion& region)
{
    QImage& image = d_.Canvas().Image();
    const int bytesPerPixel = image.depth() / 8;
    for (const QRect& r : region) {
        const QRect clipped = r.intersected(image.rect());
        for (int y = clipped.top(); y <= clipped.bottom(); ++y)
            std::memcpy(image.scanLine(y) + clipped.left() * bytesPerPixel,
                        staticLayer_.constScanLine(y) + clipped.left() * bytesPerPixel,
                        size_t(clipped.width() * bytesPerPixel));
    }
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
