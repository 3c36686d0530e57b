#pragma once
// TCanvasState: the drawing state of a canvas (pen, brush, font, pen
// position, clipping), kept so that a paint resumed from a stored layer
// starts from exactly the state a paint from scratch had at that point.

#include "framework/Canvas.h"

class TCanvasState {
public:
    void Save(const TCanvas& canvas);
    void Restore(TCanvas& canvas) const;

private:
    TPen pen_;
    TBrush brush_;
    TFont font_;
    QPoint penPos_;
    bool clipped_ = false;
    QRegion clip_;
};
