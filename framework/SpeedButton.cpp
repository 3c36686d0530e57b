#include "framework/SpeedButton.h"

#include "framework/Exception.h"
#include "framework/Notify.h"
#include "framework/Panel.h"

TSpeedButton::TSpeedButton(QWidget* parent) : TGraphicControl(parent) { SetBounds(0, 0, 23, 22); }

void TSpeedButton::SetCaption(const QString& value)
{
    SetAndNotify(this, &TSpeedButton::CaptionChanged, caption_, value, [&] { Invalidate(); });
}

void TSpeedButton::SetFlat(bool value)
{
    SetAndNotify(this, &TSpeedButton::FlatChanged, flat_, value, [&] { Invalidate(); });
}

void TSpeedButton::SetGlyph(const QString& name)
{
    const TNotifyOnChange notify(this, &TSpeedButton::Glyph, &TSpeedButton::GlyphChanged);
    if (name == glyph_)
        return;
    if (name.isEmpty()) {
        glyphBitmap_.Assign(QImage());
    } else {
        TBitmap loaded;
        if (!loaded.LoadFromResourceName(name))
            throw Exception(QStringLiteral("Glyph '%1' not found").arg(name));
        glyphBitmap_.Assign(loaded.Image());
    }
    glyphBitmap_.Transparent = true;
    glyph_ = name;
    Invalidate();
}

void TSpeedButton::SetLayout(TButtonLayout value)
{
    SetAndNotify(this, &TSpeedButton::LayoutChanged, layout_, value, [&] { Invalidate(); });
}

void TSpeedButton::SetMargin(int value)
{
    SetAndNotify(this, &TSpeedButton::MarginChanged, margin_, value, [&] { Invalidate(); });
}

void TSpeedButton::SetSpacing(int value)
{
    SetAndNotify(this, &TSpeedButton::SpacingChanged, spacing_, value, [&] { Invalidate(); });
}

void TSpeedButton::SetPressed(bool value)
{
    if (value == pressed_)
        return;
    pressed_ = value;
    Repaint();
    NotifyChanged(this);
}

QString TSpeedButton::AccessibleName() const
{
    if (!caption_.isEmpty())
        return caption_;
    return Hint().isEmpty() ? QStringLiteral("Button") : Hint();
}

QAccessible::State TSpeedButton::AccessibleState() const
{
    QAccessible::State s;
    s.pressed = pressed_;
    return s;
}

void TSpeedButton::DoAccessibleAction(const QString& name)
{
    if (name == QAccessibleActionInterface::pressAction() && isEnabled())
        PressAndRelease();
}

QSize TSpeedButton::TextSize()
{
    if (caption_.isEmpty())
        return {};
    return {Font()->TextWidth(caption_), Font()->TextHeight()};
}

// The classic placement: glyph and caption side by side (or stacked) along
// the layout's axis, centred as a group unless Margin fixes the distance from
// the edge; centred across it.
TSpeedButton::Placement TSpeedButton::CalcLayout(QSize glyph, QSize text) const
{
    const int inset = flat_ ? 1 : 2;
    const QSize client(Width() - 2 * inset, Height() - 2 * inset);
    const bool horizontal = layout_ == blGlyphLeft || layout_ == blGlyphRight;
    Placement p;
    if (horizontal) {
        p.glyph.setY((client.height() - glyph.height() + 1) / 2);
        p.caption.setY((client.height() - text.height() + 1) / 2);
    } else {
        p.glyph.setX((client.width() - glyph.width() + 1) / 2);
        p.caption.setX((client.width() - text.width() + 1) / 2);
    }
    const int axisClient = horizontal ? client.width() : client.height();
    const int axisGlyph = horizontal ? glyph.width() : glyph.height();
    const int axisText = horizontal ? text.width() : text.height();
    int spacing = (axisGlyph == 0 || axisText == 0) ? 0 : spacing_;
    int margin = margin_;
    if (margin < 0 && spacing < 0) {
        const int parts = (axisGlyph == 0 || axisText == 0) ? 2 : 3;
        spacing = (axisClient - axisGlyph - axisText) / parts;
        margin = spacing;
    } else if (margin < 0) {
        margin = (axisClient - (axisGlyph + spacing + axisText) + 1) / 2;
    } else if (spacing < 0) {
        spacing = (axisClient - margin - axisGlyph - axisText) / ((axisGlyph == 0 || axisText == 0) ? 1 : 2);
    }
    switch (layout_) {
    case blGlyphLeft:
        p.glyph.setX(margin);
        p.caption.setX(margin + axisGlyph + spacing);
        break;
    case blGlyphRight:
        p.glyph.setX(client.width() - margin - axisGlyph);
        p.caption.setX(p.glyph.x() - spacing - axisText);
        break;
    case blGlyphTop:
        p.glyph.setY(margin);
        p.caption.setY(margin + axisGlyph + spacing);
        break;
    case blGlyphBottom:
        p.glyph.setY(client.height() - margin - axisGlyph);
        p.caption.setY(p.glyph.y() - spacing - axisText);
        break;
    }
    const QPoint offset(inset + (pressed_ ? 1 : 0), inset + (pressed_ ? 1 : 0));
    p.glyph += offset;
    p.caption += offset;
    return p;
}

QPoint TSpeedButton::GlyphPos()
{
    const TBitmap& g = CurrentGlyph();
    return CalcLayout(QSize(g.Width(), g.Height()), TextSize()).glyph;
}

QPoint TSpeedButton::CaptionPos()
{
    const TBitmap& g = CurrentGlyph();
    return CalcLayout(QSize(g.Width(), g.Height()), TextSize()).caption;
}

void TSpeedButton::DrawFace(TCanvas& c)
{
    c.Brush.Color = Color();
    c.Brush.Style = bsSolid;
    c.FillRect(ClientRect());
    TRect r = ClientRect();
    if (flat_) {
        if (pressed_)
            TPanel::Frame3D(c, r, clBtnShadow, clBtnHighlight, 1);
        else if (hot_ && isEnabled())
            TPanel::Frame3D(c, r, clBtnHighlight, clBtnShadow, 1);
        return;
    }
    if (pressed_) {
        TPanel::Frame3D(c, r, cl3DDkShadow, clBtnHighlight, 1);
        TPanel::Frame3D(c, r, clBtnShadow, cl3DLight, 1);
    } else {
        TPanel::Frame3D(c, r, clBtnHighlight, cl3DDkShadow, 1);
        TPanel::Frame3D(c, r, cl3DLight, clBtnShadow, 1);
    }
}

void TSpeedButton::Paint()
{
    TCanvas& c = Canvas();
    DrawFace(c);
    const TBitmap& glyph = CurrentGlyph();
    const Placement p = CalcLayout(QSize(glyph.Width(), glyph.Height()), TextSize());
    if (!glyph.Empty())
        c.Draw(p.glyph.x(), p.glyph.y(), glyph);
    if (caption_.isEmpty())
        return;
    c.Font.Assign(*Font());
    c.Brush.Style = bsClear;
    if (!isEnabled()) {
        c.Font.SetColor(clBtnHighlight);
        c.TextOut(p.caption.x() + 1, p.caption.y() + 1, caption_);
        c.Font.SetColor(clBtnShadow);
    }
    c.TextOut(p.caption.x(), p.caption.y(), caption_);
}

void TSpeedButton::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    if (Button == mbLeft && isEnabled()) {
        tracking_ = true;
        SetPressed(true);
    }
    TGraphicControl::MouseDown(Button, Shift, X, Y);
}

void TSpeedButton::MouseMove(TShiftState Shift, int X, int Y)
{
    // A held button pops up while the mouse is outside it and down again inside.
    if (tracking_ && Shift.testFlag(ssLeft))
        SetPressed(ClientRect().Contains(X, Y));
    TGraphicControl::MouseMove(Shift, X, Y);
}

void TSpeedButton::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    if (Button == mbLeft) {
        tracking_ = false;
        SetPressed(false);
    }
    TGraphicControl::MouseUp(Button, Shift, X, Y);
}

void TSpeedButton::MouseEnter()
{
    hot_ = true;
    if (flat_)
        Invalidate();
    TGraphicControl::MouseEnter();
}

void TSpeedButton::MouseLeave()
{
    hot_ = false;
    if (flat_)
        Invalidate();
    TGraphicControl::MouseLeave();
}
