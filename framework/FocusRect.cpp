#include "framework/FocusRect.h"

namespace {

// The dots lie on one colour of a checkerboard anchored at the surface origin,
// so neighbouring frames line up.
void InvertDot(TCanvas& c, int x, int y)
{
    if (((x + y) & 1) != 0 || x < 0 || y < 0 || x >= c.Width() || y >= c.Height())
        return;
    c.SetPixel(x, y, c.Pixel(x, y) ^ 0xFFFFFF);
}

} // namespace

void DrawFocusRect(TCanvas& canvas, const TRect& r)
{
    if (r.IsEmpty())
        return;
    for (int x = r.Left; x < r.Right; ++x) {
        InvertDot(canvas, x, r.Top);
        if (r.Bottom - 1 > r.Top)
            InvertDot(canvas, x, r.Bottom - 1);
    }
    for (int y = r.Top + 1; y < r.Bottom - 1; ++y) {
        InvertDot(canvas, r.Left, y);
        if (r.Right - 1 > r.Left)
            InvertDot(canvas, r.Right - 1, y);
    }
}
