#include "widgets/VrCustomBlinkLed.h"

#include "framework/Exception.h"
#include "framework/Notify.h"
#include "widgets/DrawFrame3D.h"

#include <QPolygon>

namespace {

// A colour as a screen reader should say it: "lime", or "#RRGGBB".
QString SpokenColor(TColor color)
{
    const QString name = ColorToString(color);
    if (name.startsWith(QLatin1String("cl")))
        return name.mid(2).toLower();
    const TColor rgb = ColorToRGB(color);
    return QStringLiteral("#%1%2%3")
        .arg(GetRValue(rgb), 2, 16, QLatin1Char('0'))
        .arg(GetGValue(rgb), 2, 16, QLatin1Char('0'))
        .arg(GetBValue(rgb), 2, 16, QLatin1Char('0'))
        .toUpper();
}

} // namespace

TVrCustomBlinkLed::TVrCustomBlinkLed(QWidget* parent)
    : TVrGraphicImageControl(parent),
      palettes_{new TVrPalette(clBlack, clRed, this), new TVrPalette(clBlack, clAqua, this),
                new TVrPalette(clBlack, clYellow, this), new TVrPalette(clBlack, clLime, this)},
      blinkTimer_(new TTimer(this))
{
    SetBounds(Left(), Top(), 50, 20);
    SetColor(clMaroon);
    Font()->SetColor(clWhite);
    SetTransparent(true);
    for (int i = 0; i < 4; ++i) {
        palettes_[i]->setObjectName(QStringLiteral("Palette%1").arg(i + 1));
        connect(palettes_[i], &TVrPalette::OnChange, this, [this] { UpdateControlCanvas(); });
    }
    blinkTimer_->SetEnabled(false);
    blinkTimer_->SetInterval(blinkSpeed_);
    connect(blinkTimer_, &TTimer::OnTimer, this, &TVrCustomBlinkLed::TimerEvent);
}

void TVrCustomBlinkLed::CopyPalette(int index, const TVrPalette* value)
{
    if (value)
        palettes_[index]->Assign(*value);
}

void TVrCustomBlinkLed::SetBlinkLedType(TVrBlinkLedType value)
{
    SetAndNotify(this, &TVrCustomBlinkLed::BlinkLedTypeChanged, blinkLedType_, value, [&] { UpdateControlCanvas(); });
}

void TVrCustomBlinkLed::SetLayout(TVrImageTextLayout value)
{
    SetAndNotify(this, &TVrCustomBlinkLed::LayoutChanged, layout_, value, [&] { UpdateControlCanvas(); });
}

void TVrCustomBlinkLed::SetMargin(int value)
{
    SetAndNotify(this, &TVrCustomBlinkLed::MarginChanged, margin_, value, [&] { UpdateControlCanvas(); });
}

void TVrCustomBlinkLed::SetSpacing(int value)
{
    SetAndNotify(this, &TVrCustomBlinkLed::SpacingChanged, spacing_, value, [&] { UpdateControlCanvas(); });
}

void TVrCustomBlinkLed::SetEnableBlinking(bool value)
{
    SetAndNotify(this, &TVrCustomBlinkLed::EnableBlinkingChanged, enableBlinking_, value, [&] {
        blinkTimer_->SetEnabled(value);
        NotifyAccessibleValue();
    });
}

void TVrCustomBlinkLed::SetBlinkSpeed(int value)
{
    SetAndNotify(
        this, &TVrCustomBlinkLed::BlinkSpeedChanged, blinkSpeed_, value, [&] { blinkTimer_->SetInterval(value); });
}

void TVrCustomBlinkLed::SetColorIndex(int value)
{
    if (value < 1 || value > 4)
        throw Exception(QStringLiteral("Out of range! ColorIndex=[1..4]"));
    SetAndNotify(this, &TVrCustomBlinkLed::ColorIndexChanged, colorIndex_, value, [&] { UpdateControlCanvas(); });
}

TColor TVrCustomBlinkLed::LedColor() const
{
    const TVrPalette* palette = palettes_[colorIndex_ - 1];
    return lit_ ? palette->Low() : palette->High();
}

void TVrCustomBlinkLed::TimerEvent(QObject*)
{
    lit_ = !lit_;
    UpdateControlCanvas();
    emit OnChange(this);
}

QString TVrCustomBlinkLed::AccessibleText() const
{
    if (!enableBlinking_)
        return SpokenColor(LedColor());
    const TVrPalette* palette = palettes_[colorIndex_ - 1];
    const QString high = SpokenColor(palette->High());
    const QString low = SpokenColor(palette->Low());
    return (high == low ? high : high + QStringLiteral(" and ") + low) + QStringLiteral(", blinking");
}

QAccessible::State TVrCustomBlinkLed::AccessibleState() const
{
    QAccessible::State s = TVrGraphicImageControl::AccessibleState();
    s.animated = enableBlinking_;
    return s;
}

void TVrCustomBlinkLed::Paint()
{
    TVrGraphicImageControl::Paint();
    CalcLayout();
    if (blinkLedType_ == ltRounded)
        DrawRoundLamp();
    else
        DrawRectLamp();
    DrawCaption();
}

// An empty caption measures 0 x 0, so a captionless LED gets the whole box
// for its lamp (a 20 x 16 rectangular LED with margin 2 and spacing 3 has a
// 10 x 8 lamp at (2, 4)).
QSize TVrCustomBlinkLed::CaptionExtent()
{
    if (Caption().isEmpty())
        return {0, 0};
    TCanvas& c = Canvas();
    c.Font.Assign(*Font());
    return c.TextExtent(Caption());
}

QSize TVrCustomBlinkLed::LampSize(QSize caption) const
{
    int w = Width() - caption.width() - margin_ - spacing_;
    int h = Height() - caption.height() - margin_ - spacing_;
    switch (blinkLedType_) {
    case ltRounded: w = h = std::min(w, h); break;
    case ltRectangle:
        w -= w / 3;
        h -= h / 3;
        break;
    case ltLargeRect: break;
    }
    return {w, h};
}

void TVrCustomBlinkLed::CalcLayout()
{
    const QSize text = CaptionExtent();
    const QSize lamp = LampSize(text);
    const int cw = Width(), ch = Height();
    const bool sideBySide = layout_ == ImageLeft || layout_ == ImageRight;
    QPoint lampAt, textAt;
    // Cross axis: both centred.
    if (sideBySide) {
        lampAt.setY((ch - lamp.height() + 1) / 2);
        textAt.setY((ch - text.height() + 1) / 2);
    } else {
        lampAt.setX((cw - lamp.width() + 1) / 2);
        textAt.setX((cw - text.width() + 1) / 2);
    }
    // Main axis: margin and spacing, -1 meaning "share out the free room".
    int margin = margin_, spacing = spacing_;
    if (text.width() == 0 || lamp.width() == 0)
        spacing = 0;
    const int room = sideBySide ? cw : ch;
    const int i = sideBySide ? lamp.width() : lamp.height();
    const int t = sideBySide ? text.width() : text.height();
    if (margin == -1 && spacing == -1)
        margin = spacing = (room - i - t) / 3;
    else if (margin == -1)
        margin = (room - i - spacing - t + 1) / 2;
    else if (spacing == -1)
        spacing = (room - margin - i - t) / 2;
    switch (layout_) {
    case ImageLeft:
        lampAt.setX(margin);
        textAt.setX(margin + lamp.width() + spacing);
        break;
    case ImageRight:
        lampAt.setX(cw - margin - lamp.width());
        textAt.setX(lampAt.x() - spacing - text.width());
        break;
    case ImageTop:
        lampAt.setY(margin);
        textAt.setY(margin + lamp.height() + spacing);
        break;
    case ImageBottom:
        lampAt.setY(ch - margin - lamp.height());
        textAt.setY(lampAt.y() - spacing - text.height());
        break;
    }
    // A lamp box that came out negative is turned the right way round.
    const int l = lampAt.x(), r = lampAt.x() + lamp.width();
    const int tp = lampAt.y(), b = lampAt.y() + lamp.height();
    lampRect_ = TRect(std::min(l, r), std::min(tp, b), std::max(l, r), std::max(tp, b));
    captionRect_ = TRect(textAt.x(), textAt.y(), textAt.x() + text.width(), textAt.y() + text.height());
}

void TVrCustomBlinkLed::DrawRoundLamp()
{
    TCanvas& c = Canvas();
    const TRect& r = lampRect_;
    c.Pen.Width = 1;
    c.Pen.Mode = pmCopy;
    c.Pen.Style = psSolid;
    c.Pen.Color = clBlack;
    c.Brush.Style = bsSolid;
    c.Brush.Color = clGray;
    c.Ellipse(r);
    // The lit upper-left half of the rim.
    c.SetClipRegion(QRegion(QPolygon({QPoint(r.Left, r.Top), QPoint(r.Left, r.Bottom), QPoint(r.Right, r.Top)})));
    c.Brush.Color = clWhite;
    c.Ellipse(r);
    c.ClearClip();
    c.Pen.Color = LedColor();
    c.Brush.Color = LedColor();
    c.Ellipse(r.Left + 2, r.Top + 2, r.Right - 2, r.Bottom - 2);
}

void TVrCustomBlinkLed::DrawRectLamp()
{
    TCanvas& c = Canvas();
    c.Pen.Width = 1;
    c.Pen.Mode = pmCopy;
    c.Pen.Style = psSolid;
    c.Pen.Color = LedColor();
    c.Brush.Style = bsSolid;
    c.Brush.Color = LedColor();
    c.Rectangle(lampRect_);
    TRect frame = lampRect_;
    DrawFrame3D(c, frame, clWhite, blinkLedType_ == ltLargeRect ? 2 : 1, clGray);
}

void TVrCustomBlinkLed::DrawCaption()
{
    if (Caption().isEmpty())
        return;
    TCanvas& c = Canvas();
    c.Font.Assign(*Font());
    c.Brush.Style = bsClear;
    const int th = c.TextHeight(Caption());
    c.TextOut(captionRect_.Left, captionRect_.Top + (captionRect_.Height() - th) / 2, Caption());
}
