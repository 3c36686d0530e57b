#include "graph/GraphFrame.h"

namespace GraphFrame {

namespace {

struct Channels {
    int32_t r, g, b;
};

Channels Fixed(TColor c)
{
    c = ColorToRGB(c);
    return {GetRValue(c) * (1 << 20), GetGValue(c) * (1 << 20), GetBValue(c) * (1 << 20)};
}

} // namespace

void DrawGradient(TBitmap& bitmap, Direction direction, TColor from, TColor to)
{
    const int lines = direction == Direction::Rows ? bitmap.Height() : bitmap.Width();
    if (lines <= 0)
        return;
    Channels value = Fixed(from);
    const Channels end = Fixed(to);
    const Channels step{(end.r - value.r) / lines, (end.g - value.g) / lines, (end.b - value.b) / lines};
    TCanvas& c = bitmap.Canvas();
    c.Brush.Style = bsSolid;
    for (int i = 0; i < lines; ++i) {
        c.Brush.Color = RGB(value.r >> 20, value.g >> 20, value.b >> 20);
        if (direction == Direction::Rows)
            c.FillRect(TRect(0, i, bitmap.Width(), i + 1));
        else
            c.FillRect(TRect(i, 0, i + 1, bitmap.Height()));
        value.r += step.r;
        value.g += step.g;
        value.b += step.b;
    }
}

void DrawBorder(TCanvas& c, const TRect& r, Border style, TColor color)
{
    c.Pen.Width = 1;
    c.Pen.Style = psSolid;
    c.Pen.Mode = pmCopy;
    if (style == Border::Single) {
        c.Pen.Color = color;
        c.Brush.Style = bsClear;
        c.Rectangle(r.Left, r.Top, r.Right + 1, r.Bottom + 1);
        return;
    }
    if (style == Border::None)
        return;
    const TColor upper = style == Border::Raised ? clBtnHighlight : clBtnShadow;
    const TColor lower = style == Border::Raised ? clBtnShadow : clBtnHighlight;
    c.Pen.Color = upper;
    c.MoveTo(r.Left, r.Bottom - 1);
    c.LineTo(r.Left, r.Top);
    c.LineTo(r.Right + 1, r.Top);
    c.Pen.Color = lower;
    c.MoveTo(r.Left, r.Bottom);
    c.LineTo(r.Right, r.Bottom);
    c.LineTo(r.Right, r.Top);
}

} // namespace GraphFrame
