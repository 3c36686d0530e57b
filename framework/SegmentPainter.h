#pragma once
// TSegmentPainter: draws many separate line segments on a canvas with its
// current pen, each exactly as MoveTo(a) + LineTo(b) would (start pixel
// painted, end pixel not), but without the per-call cost: one-pixel solid
// copy pens inside a rectangular clip are rasterised here, in closed form, so
// a segment whose ends lie far outside the clip costs only its visible
// pixels; wide pens share one QPainter. Any other pen or clip falls back to
// the canvas's own LineTo. Segments of one batch may come in any order: the
// fast paths are only taken where the result does not depend on it.

#include "framework/Canvas.h"

#include <QLine>
#include <vector>

class TSegmentPainter {
public:
    explicit TSegmentPainter(TCanvas& canvas);
    TSegmentPainter(const TSegmentPainter&) = delete;
    TSegmentPainter& operator=(const TSegmentPainter&) = delete;

    void Add(QPoint from, QPoint to) { segments_.emplace_back(from, to); }
    // Draws and forgets the collected segments.
    void Flush();

private:
    enum class Mode { Thin, Wide, Canvas };
    Mode ChooseMode() const;
    void DrawThinChains(uint32_t px);
    void DrawColumn(int x, int top, int bottom, uint32_t px);
    void DrawThin(QLine s, uint32_t px);

    TCanvas& canvas_;
    std::vector<QLine> segments_;
    QRect clip_; // the visible rectangle for the thin path (inclusive)
};
