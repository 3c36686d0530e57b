#pragma once
// Small drawing steps shared by the parts of a diagram: copies of bitmap
// areas (what lies under a point, a label or a symbol), pen and brush in one
// colour, and paths drawn with one painter.

#include "framework/Bitmap.h"
#include "framework/Canvas.h"
#include "framework/Rect.h"

#include <QPoint>
#include <QVector>
#include <cstdint>

namespace DiagramDraw {

// a * b / c in 32-bit results with a 64-bit product, truncating toward zero.
inline int ScaleInt(int64_t a, int64_t b, int64_t c) { return int(a * b / c); }

// Hit test with the rectangle's right and bottom bounds counted as inside.
inline bool InsideInclusive(const TRect& r, int x, int y)
{
    return x >= r.Left && x <= r.Right && y >= r.Top && y <= r.Bottom;
}

inline int ValueOr(const int* ref, int fallback) { return ref ? *ref : fallback; }

inline void SetPenAndBrush(TCanvas& c, TColor color)
{
    c.Pen.Color = color;
    c.Brush.Color = color;
}

// The target takes a plain copy of the area of the source.
void CopyToBitmap(TBitmap& target, TCanvas& source, const TRect& area);

// MoveTo the first point, LineTo each next one; wide pens draw the whole
// path with one painter instead of one per segment.
void StrokePath(TCanvas& c, const QVector<QPoint>& path);

} // namespace DiagramDraw
