#include "framework/Label.h"

#include "framework/Notify.h"

TLabel::TLabel(QWidget* parent) : TTransparentControl(parent)
{
    SetParentColor(true);
    SetBounds(0, 0, 65, 13);
}

void TLabel::SetCaption(const QString& value)
{
    SetAndNotify(this, &TLabel::CaptionChanged, caption_, value, [&] {
        AdjustBounds();
        Invalidate();
    });
}

void TLabel::SetAlignment(TAlignment value)
{
    SetAndNotify(this, &TLabel::AlignmentChanged, alignment_, value, [&] { Invalidate(); });
}

void TLabel::SetAutoSize(bool value)
{
    SetAndNotify(this, &TLabel::AutoSizeChanged, autoSize_, value, [&] { AdjustBounds(); });
}

void TLabel::SetTransparent(bool value)
{
    SetAndNotify(this, &TLabel::TransparentChanged, transparent_, value, [&] { Invalidate(); });
}

void TLabel::AfterFontChange()
{
    AdjustBounds();
    Invalidate();
}

void TLabel::Loaded() { AdjustBounds(); }

// The stored size wins while a description is read; the text's size applies
// after. An empty text is measured as one space, so that an auto-sized label
// without a caption keeps a size that can be seen and picked.
void TLabel::AdjustBounds()
{
    if (!autoSize_ || ComponentState().testFlag(csLoading))
        return;
    const QString measured = caption_.isEmpty() ? QStringLiteral(" ") : caption_;
    SetBounds(Left(), Top(), Font()->TextWidth(measured), Font()->TextHeight());
}

TColor TLabel::KeyColor() const { return ColorToRGB(Font()->Color()) ^ 0xFFFFFF; }

void TLabel::DrawCaption(TCanvas& c)
{
    c.Font.Assign(*Font());
    c.Brush.Style = bsClear;
    const int textWidth = c.TextWidth(caption_);
    int x = 0;
    if (alignment_ == taRightJustify)
        x = Width() - textWidth;
    else if (alignment_ == taCenter)
        x = (Width() - textWidth) / 2;
    c.TextOut(x, 0, caption_);
}

// For pictures and tests: the parent's background (or the label's colour) and the text.
void TLabel::Paint()
{
    TCanvas& c = Canvas();
    if (transparent_) {
        TBitmap background;
        CaptureParentBackground(background);
        c.Draw(0, 0, background);
    } else {
        c.Brush.Color = Color();
        c.Brush.Style = bsSolid;
        c.FillRect(ClientRect());
    }
    DrawCaption(c);
}

void TLabel::paintEvent(QPaintEvent*)
{
    if (width() <= 0 || height() <= 0)
        return;
    TCanvas& c = Canvas();
    c.Brush.Color = transparent_ ? KeyColor() : Color();
    c.Brush.Style = bsSolid;
    c.FillRect(ClientRect());
    DrawCaption(c);
    if (transparent_)
        PaintKeyed(OffscreenBitmap().Image(), rect(), KeyColor());
    else
        PaintPlain(OffscreenBitmap().Image(), rect());
}
