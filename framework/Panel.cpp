#include "framework/Panel.h"

#include "framework/Notify.h"

namespace {
// Bevel widths beyond this draw nothing more but would cost a loop per pixel.
constexpr int kMaxFrame = 1000;
} // namespace

TPanel::TPanel(QWidget* parent) : TCustomControl(parent)
{
    setFocusPolicy(Qt::NoFocus);
    SetBounds(0, 0, 185, 41);
}

void TPanel::SetCaption(const QString& value)
{
    SetAndNotify(this, &TPanel::CaptionChanged, caption_, value, [&] { Invalidate(); });
}

void TPanel::SetAlignment(TAlignment value)
{
    SetAndNotify(this, &TPanel::AlignmentChanged, alignment_, value, [&] { Invalidate(); });
}

void TPanel::SetBevelInner(TBevelCut value)
{
    SetAndNotify(this, &TPanel::BevelInnerChanged, bevelInner_, value, [&] { Invalidate(); });
}

void TPanel::SetBevelOuter(TBevelCut value)
{
    SetAndNotify(this, &TPanel::BevelOuterChanged, bevelOuter_, value, [&] { Invalidate(); });
}

void TPanel::SetBevelWidth(int value)
{
    SetAndNotify(this, &TPanel::BevelWidthChanged, bevelWidth_, value, [&] { Invalidate(); });
}

void TPanel::SetBorderWidth(int value)
{
    SetAndNotify(this, &TPanel::BorderWidthChanged, borderWidth_, value, [&] { Invalidate(); });
}

void TPanel::Frame3D(TCanvas& canvas, TRect& rect, TColor topColor, TColor bottomColor, int width)
{
    canvas.Pen.Width = 1;
    canvas.Pen.Style = psSolid;
    canvas.Pen.Mode = pmCopy;
    width = std::min(width, kMaxFrame);
    --rect.Bottom;
    --rect.Right;
    for (; width > 0 && !rect.IsEmpty(); --width) {
        // Light edge: bottom-left up to top-left and across to top-right.
        canvas.Pen.Color = topColor;
        canvas.Polyline({QPoint(rect.Left, rect.Bottom), QPoint(rect.Left, rect.Top), QPoint(rect.Right, rect.Top)});
        // Dark edge: top-right down to bottom-right and back to just left of bottom-left.
        canvas.Pen.Color = bottomColor;
        canvas.Polyline({QPoint(rect.Right, rect.Top), QPoint(rect.Right, rect.Bottom), QPoint(rect.Left - 1, rect.Bottom)});
        rect = TRect(rect.Left + 1, rect.Top + 1, rect.Right - 1, rect.Bottom - 1);
    }
    ++rect.Bottom;
    ++rect.Right;
}

void TPanel::DrawBevel(TCanvas& canvas, TRect& rect, TBevelCut cut) const
{
    if (cut == bvNone)
        return;
    const bool lowered = cut == bvLowered;
    const TColor top = cut == bvSpace ? Color() : (lowered ? clBtnShadow : clBtnHighlight);
    const TColor bottom = cut == bvSpace ? Color() : (lowered ? clBtnHighlight : clBtnShadow);
    Frame3D(canvas, rect, top, bottom, bevelWidth_);
}

void TPanel::Paint()
{
    TCanvas& c = Canvas();
    TRect r = ClientRect();
    DrawBevel(c, r, bevelOuter_);
    Frame3D(c, r, Color(), Color(), borderWidth_);
    DrawBevel(c, r, bevelInner_);
    c.Brush.Color = Color();
    c.Brush.Style = bsSolid;
    c.FillRect(r);
    if (caption_.isEmpty())
        return;
    c.Font.Assign(*Font());
    c.Brush.Style = bsClear;
    const int textWidth = c.TextWidth(caption_);
    const int y = r.Top + (r.Height() - c.TextHeight(caption_)) / 2;
    int x = r.Left + (r.Width() - textWidth) / 2;
    if (alignment_ == taLeftJustify)
        x = r.Left;
    else if (alignment_ == taRightJustify)
        x = r.Right - textWidth;
    c.TextOut(x, y, caption_);
}
