#include "widgets/AnalogMeter.h"

#include "framework/Notify.h"
#include "framework/SegmentPainter.h"
#include "scale/IntScaleMap.h"
#include "scale/ScaleLabels.h"
#include "scale/ScaleMap.h"

#include <QtMath>
#include <cmath>

namespace {

constexpr int kMinimumSide = 30;
constexpr int kMaxTicks = 1 << 14;

int Trunc(double v) { return int(std::trunc(v)); }

// The scale runs clockwise over three quarters of a turn from a quarter past straight down.
TScaleMap DialMap(double first, double last) { return TScaleMap::WithExtent(first, last, M_PI / 4, 3 * M_PI / 2); }

// A point at radius r on the scale angle phi (from straight down, towards the left).
QPoint OnDial(double cx, double cy, double phi, double r)
{
    return {Trunc(cx - Trunc(std::sin(phi) * r)), Trunc(Trunc(std::cos(phi) * r) + cy)};
}

} // namespace

TAnalogMeter::TAnalogMeter(QWidget* owner) : TGraphicControl(owner)
{
    scaleFontSize_ = valueFontSize_ = Owner().Font()->Size();
    SetBounds(Left(), Top(), 120, 120);
}

const TControl& TAnalogMeter::Owner() const
{
    const TControl* parent = ParentControl();
    return parent ? *parent : *this;
}

void TAnalogMeter::DialChanged()
{
    dial_.Drop();
    Repaint();
}

void TAnalogMeter::Changed()
{
    NotifyChanged(this);
    Repaint();
}

// ---------------------------------------------------------------- properties

void TAnalogMeter::SetUnitValue(const QString& value)
{
    SetAndNotify(this, &TAnalogMeter::UnitValueChanged, unitValue_, value, [&] { Changed(); });
}

void TAnalogMeter::SetValueDecimals(int value)
{
    value = std::clamp(value, 0, 3);
    SetAndNotify(this, &TAnalogMeter::ValueDecimalsChanged, valueDecimals_, value, [&] {
        dial_.Drop();
        Changed();
    });
}

void TAnalogMeter::SetScaleFontSize(int value)
{
    SetAndNotify(this, &TAnalogMeter::ScaleFontSizeChanged, scaleFontSize_, value, [&] { DialChanged(); });
}

void TAnalogMeter::SetValueFontSize(int value)
{
    SetAndNotify(this, &TAnalogMeter::ValueFontSizeChanged, valueFontSize_, value, [&] { Repaint(); });
}

void TAnalogMeter::SetForeColor(TColor value)
{
    SetAndNotify(this, &TAnalogMeter::ForeColorChanged, foreColor_, value, [&] { DialChanged(); });
}

void TAnalogMeter::SetTickColor(TColor value)
{
    SetAndNotify(this, &TAnalogMeter::TickColorChanged, tickColor_, value, [&] { DialChanged(); });
}

void TAnalogMeter::SetPointerColor(TColor value)
{
    SetAndNotify(this, &TAnalogMeter::PointerColorChanged, pointerColor_, value, [&] { DialChanged(); });
}

void TAnalogMeter::SetShowTicks(bool value)
{
    SetAndNotify(this, &TAnalogMeter::ShowTicksChanged, showTicks_, value, [&] { DialChanged(); });
}

void TAnalogMeter::SetShowValue(bool value)
{
    SetAndNotify(this, &TAnalogMeter::ShowValueChanged, showValue_, value, [&] { Repaint(); });
}

// The position always lies within the scale, so what Position reads is what
// the pointer shows. While a description is read the limits may still
// follow, so Loaded() applies the rule instead.
void TAnalogMeter::SetPosition(int value)
{
    if (!ComponentState().testFlag(csLoading))
        value = std::clamp(value, minPosition_, maxPosition_);
    SetAndNotify(this, &TAnalogMeter::PositionChanged, position_, value, [&] { Changed(); });
}

void TAnalogMeter::SetMinPosition(int value)
{
    const TNotifyOnChange notifyMax(this, &TAnalogMeter::MaxPosition, &TAnalogMeter::MaxPositionChanged);
    const TNotifyOnChange notifyPosition(this, &TAnalogMeter::Position, &TAnalogMeter::PositionChanged);
    SetAndNotify(this, &TAnalogMeter::MinPositionChanged, minPosition_, value, [&] {
        if (minPosition_ > maxPosition_)
            maxPosition_ = minPosition_;
        KeepPositionInScale();
        dial_.Drop();
        Changed();
    });
}

void TAnalogMeter::SetMaxPosition(int value)
{
    const TNotifyOnChange notifyMin(this, &TAnalogMeter::MinPosition, &TAnalogMeter::MinPositionChanged);
    const TNotifyOnChange notifyPosition(this, &TAnalogMeter::Position, &TAnalogMeter::PositionChanged);
    SetAndNotify(this, &TAnalogMeter::MaxPositionChanged, maxPosition_, value, [&] {
        if (maxPosition_ < minPosition_)
            minPosition_ = maxPosition_;
        KeepPositionInScale();
        dial_.Drop();
        Changed();
    });
}

void TAnalogMeter::KeepPositionInScale()
{
    if (ComponentState().testFlag(csLoading) || (position_ >= minPosition_ && position_ <= maxPosition_))
        return;
    position_ = std::clamp(position_, minPosition_, maxPosition_);
    NotifyChanged(this);
}

void TAnalogMeter::SetMajorTicks(int value)
{
    value = std::max(value, 3);
    SetAndNotify(this, &TAnalogMeter::MajorTicksChanged, majorTicks_, value, [&] { DialChanged(); });
}

// A negative count of minor ticks has no meaning; it is taken as none.
void TAnalogMeter::SetMinorTicks(int value)
{
    value = std::max(value, 0);
    SetAndNotify(this, &TAnalogMeter::MinorTicksChanged, minorTicks_, value, [&] { DialChanged(); });
}

void TAnalogMeter::SetMinorTickLength(int value)
{
    SetAndNotify(this, &TAnalogMeter::MinorTickLengthChanged, minorTickLength_, value, [&] { DialChanged(); });
}

void TAnalogMeter::SetMajorTickLength(int value)
{
    SetAndNotify(this, &TAnalogMeter::MajorTickLengthChanged, majorTickLength_, value, [&] { DialChanged(); });
}

// Pen widths run from 1 to 3; 0 (and anything below) draws one pixel wide.
void TAnalogMeter::SetMinorTickWidth(int value)
{
    value = std::clamp(value, 1, 3);
    SetAndNotify(this, &TAnalogMeter::MinorTickWidthChanged, minorTickWidth_, value, [&] { DialChanged(); });
}

void TAnalogMeter::SetMajorTickWidth(int value)
{
    value = std::clamp(value, 1, 3);
    SetAndNotify(this, &TAnalogMeter::MajorTickWidthChanged, majorTickWidth_, value, [&] { DialChanged(); });
}

void TAnalogMeter::Loaded()
{
    TGraphicControl::Loaded();
    const TNotifyOnChange notify(this, &TAnalogMeter::Position, &TAnalogMeter::PositionChanged);
    KeepPositionInScale();
}

void TAnalogMeter::Resize()
{
    dial_.Drop();
    RaiseToMinimumSize();
    TGraphicControl::Resize();
}

// A hidden meter gets no resize event until it is shown, so every drawing
// raises the size first; a picture of a hidden meter is never a clipped one.
void TAnalogMeter::RaiseToMinimumSize()
{
    if (Width() >= kMinimumSide && Height() >= kMinimumSide)
        return;
    SetBounds(Left(), Top(), std::max(Width(), kMinimumSide), std::max(Height(), kMinimumSide));
    dial_.Drop();
}

// ---------------------------------------------------------------- value texts

// Negative values keep their sign in front of the digits of the magnitude:
// -5 with one decimal reads -0,5.
QString TAnalogMeter::ConvertToFloat(int value) const { return ScaleLabels::DecimalComma(value, valueDecimals_); }

// A magnitude below one reads 0, without a sign.
QString TAnalogMeter::ConvertToInteger(int value) const { return ScaleLabels::IntegerPart(value, valueDecimals_); }

// ---------------------------------------------------------------- drawing

// A scale without width (MaxPosition = MinPosition) keeps the pointer at its start.
double TAnalogMeter::PointerAngle() const
{
    if (maxPosition_ <= minPosition_)
        return M_PI / 4;
    const double pos = std::clamp(double(position_), double(minPosition_), double(maxPosition_));
    return DialMap(minPosition_, maxPosition_).Transform(pos);
}

TAnalogMeter::TGeometry TAnalogMeter::Geometry() const
{
    const int w = Width(), h = Height();
    const int R = (std::min(w, h) - 1) / 2;
    const double cx = w / 2, cy = h / 2;
    return {R, cx, cy, Trunc(cy + R)};
}

// The dial also depends on the owner's colour and font, which change without
// telling the meter; they are compared at every paint.
void TAnalogMeter::DropDialIfOwnerChanged()
{
    if (dialOwnerColor_ == Owner().Color() && dialOwnerFont_.SameAs(*Owner().Font()))
        return;
    dial_.Drop();
    dialOwnerColor_ = Owner().Color();
    dialOwnerFont_.Assign(*Owner().Font());
}

void TAnalogMeter::Paint()
{
    RaiseToMinimumSize();
    const TGeometry g = Geometry();
    DropDialIfOwnerChanged();
    dial_.Keep(Width(), Height(), [&](TBitmap& b) { DrawDial(b.Canvas(), g); });
    TCanvas& c = Canvas(); // sized to the control first
    dial_.CopyTo(OffscreenBitmap().Image());
    DrawMoving(c, g);
}

void TAnalogMeter::DrawCirkel(TCanvas& c)
{
    RaiseToMinimumSize();
    const TGeometry g = Geometry();
    DrawDial(c, g);
    DrawMoving(c, g);
}

// The owner's colour, the face, the scale and the hub.
void TAnalogMeter::DrawDial(TCanvas& c, const TGeometry& g)
{
    const double cx = g.cx, cy = g.cy;
    const int R = g.R;
    c.Pen = TPen();
    c.Brush.Style = bsSolid;
    c.Brush.Color = Owner().Color();
    c.FillRect(TRect(0, 0, c.Width(), c.Height()));

    c.Brush.Color = foreColor_;
    c.Pen.Color = clBlack;
    c.Ellipse(Trunc(cx - R), Trunc(cy - R), Trunc(cx + R), Trunc(cy + R));

    if (showTicks_)
        DrawScale(c, g);

    c.Brush.Style = bsSolid;
    c.Brush.Color = pointerColor_;
    c.Pen.Color = foreColor_;
    const int hub = Trunc(R / 7.0 + 0.5);
    c.Ellipse(Trunc(cx - hub), Trunc(cy - hub), Trunc(cx + hub), Trunc(cy + hub));
}

// The pointer, the cap over it and the value text.
void TAnalogMeter::DrawMoving(TCanvas& c, const TGeometry& g)
{
    DrawPointer(c, g);
    c.Brush.Style = bsSolid;
    c.Brush.Color = pointerColor_;
    c.Pen.Color = clBlack;
    const int cap = Trunc(g.R / 7.0);
    c.Ellipse(Trunc(g.cx - cap), Trunc(g.cy - cap), Trunc(g.cx + cap), Trunc(g.cy + cap));
    if (showValue_)
        DrawValue(c, g);
    c.Pen.Color = clBlack;
}

void TAnalogMeter::DrawScale(TCanvas& c, const TGeometry& g)
{
    const double cx = g.cx, cy = g.cy;
    const int R = g.R;
    c.Font.Assign(*Owner().Font());
    c.Font.SetSize(scaleFontSize_);
    c.Font.SetColor(tickColor_);
    // The numbers stand inside the ticks by room for as many nines as the
    // text of MaxPosition has characters.
    const int digits = int(QString::number(maxPosition_).size());
    const int labelDepth = c.TextWidth(QStringLiteral("9")) * digits + majorTickLength_ + 10;
    // Every tick is drawn, however dense; only a count past any dial's use is
    // held back, so that absurd tick counts cannot stall the paint.
    const int64_t wanted = (int64_t(majorTicks_) - 1) * minorTicks_ + majorTicks_;
    const int n = int(std::min<int64_t>(wanted, kMaxTicks));
    const int64_t group = int64_t(minorTicks_) + 1;
    const double labelRadius = R - labelDepth / 2;
    const TScaleMap ticks = DialMap(0, n - 1);
    const TIntScaleMap values(0, n - 1, minPosition_, maxPosition_);
    // The ticks stand on the rim and the numbers well inside them, so all
    // ticks of one width are drawn together: a wide pen then needs one
    // painter for all of them instead of one per tick.
    TSegmentPainter majorTicks(c), minorTicks(c);
    for (int i = 0; i < n; ++i) {
        const bool major = i % group == 0;
        const int length = major ? majorTickLength_ : minorTickLength_;
        const double theta = ticks.Transform(i);
        const double s = std::sin(theta), co = std::cos(theta);
        (major ? majorTicks : minorTicks)
            .Add(QPoint(Trunc(cx - Trunc(s * (R - 1))), Trunc(Trunc(co * (R - 1)) + cy)),
                 QPoint(Trunc(cx - s * (R - length)), Trunc(cy + co * (R - length))));
    }
    c.Pen.Color = tickColor_;
    c.Pen.Width = minorTickWidth_;
    minorTicks.Flush();
    c.Pen.Width = majorTickWidth_;
    majorTicks.Flush();
    c.Brush.Style = bsClear;
    for (int64_t i = 0; i < n; i += group) {
        const double theta = ticks.Transform(double(i));
        const QString text = ConvertToInteger(values.Pixel(i));
        const double lx = cx - std::sin(theta) * labelRadius, ly = cy + std::cos(theta) * labelRadius;
        c.TextOut(Trunc(lx - c.TextWidth(text) / 2), Trunc(ly - c.TextHeight(text) / 2), text);
    }
    c.Pen.Width = 1;
}

void TAnalogMeter::DrawPointer(TCanvas& c, const TGeometry& g)
{
    const double theta = PointerAngle();
    c.Pen.Width = 1;
    c.Pen.Color = pointerColor_;
    c.Brush.Style = bsSolid;
    c.Brush.Color = pointerColor_;
    const double tip = Trunc(3 * g.R * 0.2);
    const double base = g.R / 14.0;
    c.Polygon({OnDial(g.cx, g.cy, theta, tip), OnDial(g.cx, g.cy, theta + M_PI / 2, base),
               OnDial(g.cx, g.cy, theta + 3 * M_PI / 2, base)});
}

void TAnalogMeter::DrawValue(TCanvas& c, const TGeometry& g)
{
    const QString text = ConvertToFloat(position_) + QLatin1Char(' ') + unitValue_;
    // Built aside, so the canvas font (and its measured metrics) stays as it
    // is from one paint to the next.
    TFont font;
    font.Assign(*Owner().Font());
    font.SetColor(pointerColor_);
    font.SetSize(valueFontSize_);
    c.Font.Assign(font);
    c.Brush.Style = bsClear;
    c.TextOut(Trunc(g.cx - c.TextWidth(text) / 2), g.bottom - 2 * c.TextHeight(text), text);
}

// ---------------------------------------------------------------- accessibility

QString TAnalogMeter::AccessibleText() const
{
    const QString text = ConvertToFloat(std::clamp(position_, minPosition_, maxPosition_));
    return unitValue_.isEmpty() ? text : text + QLatin1Char(' ') + unitValue_;
}

QAccessible::State TAnalogMeter::AccessibleState() const
{
    QAccessible::State s;
    s.readOnly = true;
    return s;
}
