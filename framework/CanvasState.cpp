#include "framework/CanvasState.h"

void TCanvasState::Save(const TCanvas& canvas)
{
    pen_ = canvas.Pen;
    brush_ = canvas.Brush;
    font_.Assign(canvas.Font);
    penPos_ = canvas.PenPos;
    clipped_ = canvas.HasClip();
    clip_ = clipped_ ? canvas.ClipRegion() : QRegion();
}

void TCanvasState::Restore(TCanvas& canvas) const
{
    canvas.Pen = pen_;
    canvas.Brush = brush_;
    canvas.Font.Assign(font_);
    canvas.PenPos = penPos_;
    if (clipped_)
        canvas.SetClipRegion(clip_);
    else
        canvas.ClearClip();
}
