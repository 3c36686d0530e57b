#pragma once
// Background and frames of the trend graph: the two-colour gradient and the
// single, raised and lowered borders. Rectangles here name their last column
// and row (Right and Bottom inclusive).

#include "framework/Bitmap.h"
#include "framework/Canvas.h"

namespace GraphFrame {

enum class Direction { Rows, Columns };
enum class Border { None, Single, Raised, Lowered };

// One line per row (or column) from `from` to `to`, each channel stepped in
// 20-bit fixed point.
void DrawGradient(TBitmap& bitmap, Direction direction, TColor from, TColor to);
void DrawBorder(TCanvas& c, const TRect& r, Border style, TColor color);

} // namespace GraphFrame
