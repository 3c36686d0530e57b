#include "widgets/DrawFrame3D.h"

void DrawFrame3D(TCanvas& Canvas, TRect& Rect, TColor TopColor, int Width, TColor BottomColor)
{
    Canvas.Pen.Width = 1;
    // The polylines run over the last covered row and column, not past them.
    --Rect.Right;
    --Rect.Bottom;
    for (int i = 0; i < Width; ++i) {
        Canvas.Pen.Color = TopColor;
        Canvas.Polyline({{Rect.Left, Rect.Bottom}, {Rect.Left, Rect.Top}, {Rect.Right, Rect.Top}});
        Canvas.Pen.Color = BottomColor;
        // Ending one left of the left edge makes the bottom line reach the corner pixel.
        Canvas.Polyline({{Rect.Right, Rect.Top}, {Rect.Right, Rect.Bottom}, {Rect.Left - 1, Rect.Bottom}});
        ++Rect.Left;
        ++Rect.Top;
        --Rect.Right;
        --Rect.Bottom;
    }
    ++Rect.Right;
    ++Rect.Bottom;
}
