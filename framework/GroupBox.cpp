#include "framework/GroupBox.h"

#include "framework/Notify.h"

TGroupBox::TGroupBox(QWidget* parent) : TCustomControl(parent)
{
    setFocusPolicy(Qt::NoFocus);
    SetBounds(0, 0, 185, 105);
    SetParentColor(true);
}

void TGroupBox::SetCaption(const QString& value)
{
    SetAndNotify(this, &TGroupBox::CaptionChanged, caption_, value, [&] { Invalidate(); });
}

void TGroupBox::Paint()
{
    TCanvas& c = Canvas();
    c.Brush.Color = Color();
    c.Brush.Style = bsSolid;
    c.FillRect(ClientRect());
    c.Font.Assign(*Font());
    const int h = c.TextHeight(QStringLiteral("0"));
    TRect r(1, h / 2, Width(), Height());
    c.Brush.Color = clBtnHighlight;
    c.FrameRect(r);
    r = TRect(r.Left - 1, r.Top - 1, r.Right - 1, r.Bottom - 1);
    c.Brush.Color = clBtnShadow;
    c.FrameRect(r);
    if (caption_.isEmpty())
        return;
    c.Brush.Color = Color();
    c.Brush.Style = bsSolid;
    c.TextOut(8, 0, caption_);
}
