#include "widgets/VrThermoMeter.h"

#include "framework/Notify.h"
#include "scale/ScaleMap.h"
#include "scale/ScaleSteps.h"

#include <QPolygon>
#include <cmath>
#include <utility>

namespace {

// More ticks than this cannot be told apart on any screen; such a series
// (or one whose step is zero or not a number) is not drawn.
constexpr double kMaxTicks = 10000;

int TickCount(double range, double step) { return ScaleSteps::StepCount(range, step, kMaxTicks); }

// Decimal logarithm on the scale; the logarithm of 0 counts as that of 5e-200.
double Lg(double v) { return std::log10(v == 0 ? 5e-200 : v); }

// The thermometer has always rounded its positions half to even.
int RoundEven(double v) { return RoundToPixel(v, TRounding::HalfEven); }

} // namespace

TvrThermoMeter::TvrThermoMeter(QWidget* parent)
    : TVrGraphicImageControl(parent), scale_(new TvrThermoMeterScale(this))
{
    SetBounds(Left(), Top(), 100, 230);
    SetColor(clSilver);
    Font()->SetName(QStringLiteral("Arial"));
    Font()->SetSize(10);
    Font()->SetColor(clBlack);
    scale_->setObjectName(QStringLiteral("Scale"));
    scale_->SetColor(clBlack);
    connect(scale_, &TvrThermoMeterScale::OnChange, this, [this] { UpdateControlCanvas(); });
    setPoint_ = CreateMarker();
    peakMin_ = CreateMarker();
    peakMax_ = CreateMarker();
    value_ = CreateMarker();
}

TVrLiniarIndicator* TvrThermoMeter::CreateMarker()
{
    auto* marker = new TVrLiniarIndicator;
    AdoptMarker(marker);
    return marker;
}

void TvrThermoMeter::AdoptMarker(TVrLiniarIndicator* marker)
{
    marker->setParent(this);
    connect(marker, &TVrLiniarIndicator::OnChange, this, &TvrThermoMeter::PeakChanged);
}

void TvrThermoMeter::ReplaceMarker(
    TVrLiniarIndicator*& held, TVrLiniarIndicator* marker, void (TvrThermoMeter::*changed)())
{
    if (!marker || marker == held)
        return;
    // Only a marker nobody owns is taken over; anything else (another
    // component's marker, or another of this meter's four) is copied, so that
    // no marker is ever held, or released, twice.
    TVrLiniarIndicator* adopted = marker;
    if (marker->parent()) {
        adopted = new TVrLiniarIndicator;
        adopted->Assign(*marker);
    }
    AdoptMarker(adopted);
    adopted->setObjectName(held->objectName());
    delete std::exchange(held, adopted);
    UpdateControlCanvas();
    emit(this->*changed)();
}

void TvrThermoMeter::SetDirection(TVrDirection value)
{
    const TNotifyOnChange notify(this, &TvrThermoMeter::Direction, &TvrThermoMeter::DirectionChanged);
    if (value == direction_)
        return;
    if (!ComponentState().testFlag(csLoading))
        SetBounds(Left(), Top(), Height(), Width());
    direction_ = value;
    UpdateControlCanvas();
}

void TvrThermoMeter::SetColorAfter(TColor value)
{
    SetAndNotify(this, &TvrThermoMeter::ColorAfterChanged, colorAfter_, value, [&] { UpdateControlCanvas(); });
}

void TvrThermoMeter::SetColorBefore(TColor value)
{
    SetAndNotify(this, &TvrThermoMeter::ColorBeforeChanged, colorBefore_, value, [&] { UpdateControlCanvas(); });
}

void TvrThermoMeter::SetShowCaption(bool value)
{
    SetAndNotify(this, &TvrThermoMeter::ShowCaptionChanged, showCaption_, value, [&] { UpdateControlCanvas(); });
}

void TvrThermoMeter::PeakChanged(QObject*)
{
    if (!ComponentState().testFlag(csLoading)) {
        const double v = value_->Value();
        if (v > peakMax_->Value())
            peakMax_->StoreValue(v);
        if (v < peakMin_->Value())
            peakMin_->StoreValue(v);
        if (v > scale_->Max() || v < scale_->Min())
            emit OnOutofRange(this);
    }
    UpdateControlCanvas();
}

void TvrThermoMeter::ApplyDesignPresets()
{
    BeginUpdate();
    scale_->SetMax(150);
    scale_->SetMin(50);
    scale_->SetOffset(20);
    scale_->SetStep(20);
    scale_->SetSmallStep(4);
    scale_->SetHeightMax(14);
    scale_->SetHeightMin(8);
    setPoint_->SetValue((scale_->Max() - scale_->Min()) / 3);
    setPoint_->SetVisible(false);
    value_->SetValue(100);
    value_->SetShape(TVrLiniarIndicator::voLine);
    value_->SetColor(clAqua);
    value_->SetVisible(false);
    peakMin_->SetValue(70);
    peakMin_->SetShape(TVrLiniarIndicator::voTriangle);
    peakMin_->SetColor(clYellow);
    peakMax_->SetValue(140);
    peakMax_->SetShape(TVrLiniarIndicator::voTriangle);
    peakMax_->SetColor(clAqua);
    EndUpdate();
}

QString TvrThermoMeter::AccessibleText() const { return QString::number(value_->Value(), 'g', 8); }

TvrThermoMeter::TMeterGeometry TvrThermoMeter::Geometry() const
{
    const int o = scale_->Offset();
    const int m = scale_->HeightMin();
    const bool after = scale_->Position() == TvrThermoMeterScale::voAfter;
    const int along = Vertical() ? Height() : Width();
    const int cross = Vertical() ? Width() : Height();
    return {o, along - 2 * o, after ? cross / 2 + o - m : cross / 2 - o};
}

int TvrThermoMeter::ValueToPixels(double value) const
{
    const double max = scale_->Max(), min = scale_->Min();
    if (max == min)
        return 0;
    const TMeterGeometry g = Geometry();
    if (value > max)
        return g.Start + g.Length;
    if (value < min)
        return g.Start;
    const double start = g.Start, end = double(g.Start) + g.Length;
    const double pos = scale_->ScaleType() == TvrThermoMeterScale::voLinear
                           ? TScaleMap(min, max, start, end).Transform(value)
                           : TScaleMap(Lg(min), Lg(max), start, end).Transform(Lg(value));
    // A value that is not a number (or infinite limits) sits at the origin.
    return std::isfinite(pos) ? RoundEven(pos) : g.Start;
}

int TvrThermoMeter::AxisPosition(double value) const
{
    return Vertical() ? Height() - ValueToPixels(value) : ValueToPixels(value);
}

void TvrThermoMeter::Paint()
{
    TVrGraphicImageControl::Paint();
    TCanvas& c = Canvas();
    c.Font.Assign(*Font());
    c.Pen.Mode = pmCopy;
    c.Pen.Style = psSolid;
    const TMeterGeometry g = Geometry();
    if (showCaption_)
        DrawCaption();
    if (scale_->Visible())
        DrawLabels(g);
    DrawBulb();
    if (scale_->Visible()) {
        DrawColumn();
        DrawTicks(g);
    }
    for (const TVrLiniarIndicator* marker : {setPoint_, peakMin_, peakMax_, value_})
        if (marker->Visible())
            DrawMarker(*marker);
}

void TvrThermoMeter::DrawCaption()
{
    TCanvas& c = Canvas();
    c.Brush.Style = bsClear;
    c.TextOut(Width() / 2 - c.TextWidth(Caption()) / 2, 0, Caption());
}

void TvrThermoMeter::DrawLabels(const TMeterGeometry& g)
{
    Canvas().Brush.Style = bsClear;
    const double min = scale_->Min(), max = scale_->Max(), step = scale_->Step();
    DrawLabel(min, g);
    DrawLabel(max, g);
    const int nb = TickCount(max - min, step);
    for (int k = 1; k < nb; ++k)
        DrawLabel(min + k * step, g);
}

// One label, left-aligned in a one-line rectangle that ends at the control's
// right edge, beside (or above or below) the tick base line.
void TvrThermoMeter::DrawLabel(double value, const TMeterGeometry& g)
{
    TCanvas& c = Canvas();
    const QString text = scale_->LabelText(value);
    const QSize size = c.TextExtent(text);
    const bool after = scale_->Position() == TvrThermoMeterScale::voAfter;
    const int hmax = scale_->HeightMax();
    // The limits sit at the column's ends; inner labels at their values.
    int along = AxisPosition(value);
    if (value == scale_->Min())
        along = Vertical() ? Height() - g.Start : g.Start;
    else if (value == scale_->Max())
        along = Vertical() ? Height() - g.Start - g.Length : g.Start + g.Length;
    int left = 0, top = 0;
    if (Vertical()) {
        left = after ? g.BaseLine + hmax : g.BaseLine - hmax - size.width();
        top = along - size.height() / 2;
    } else {
        left = along - size.width() / 2;
        top = after ? g.BaseLine + hmax : g.BaseLine - hmax - size.height();
    }
    c.TextRect(TRect(left, top, Width(), top + size.height()), left, top, text);
}

void TvrThermoMeter::DrawBulb()
{
    TCanvas& c = Canvas();
    const int o = scale_->Offset();
    const int w = Width(), h = Height();
    c.Pen.Width = 1;
    c.Brush.Style = bsSolid;
    c.Brush.Color = colorBefore_;
    TRect b;
    QPolygon shade;
    if (Vertical()) {
        b = TRect(w / 2 - o / 2, h - o, w / 2 + o / 2, h);
        c.Pen.Color = clGray;
        c.Ellipse(b);
        shade << QPoint(b.Left, b.Top) << QPoint(b.Left, b.Bottom) << QPoint(w / 2, b.Top);
        c.Pen.Color = clWhite;
    } else {
        b = TRect(0, h / 2 - o / 2, o, h / 2 + o / 2);
        c.Pen.Color = clWhite;
        c.Ellipse(b);
        shade << QPoint(b.Right, b.Bottom) << QPoint(b.Left, b.Bottom) << QPoint(b.Right, h / 2);
        c.Pen.Color = clGray;
    }
    c.SetClipRegion(QRegion(shade));
    c.Ellipse(b);
    c.ClearClip();
    // The highlight.
    c.Pen.Color = clWhite;
    c.Brush.Color = clWhite;
    const int x = b.Left + RoundEven(b.Width() / 4.0);
    const int y = b.Top + RoundEven(b.Height() / 4.0);
    const int size = o / 20 + 3;
    c.Ellipse(x, y, x + size, y + size);
}

void TvrThermoMeter::DrawWideLine(TColor color, int width, QPoint from, QPoint to)
{
    // A line that starts where it ends draws nothing, whatever its pen.
    if (from == to)
        return;
    TCanvas& c = Canvas();
    c.Pen.Color = color;
    c.Pen.Width = width;
    c.MoveTo(from.x(), from.y());
    c.LineTo(to.x(), to.y());
    c.Pen.Width = 1;
}

void TvrThermoMeter::DrawColumn()
{
    const int o = scale_->Offset();
    const int w = Width(), h = Height();
    int width = o / 3;
    if (width % 2 != 0)
        ++width;
    if (Vertical()) {
        int c = w / 2;
        if (c % 2 != 0)
            ++c;
        DrawWideLine(clWhite, width + 2, {c, h - o}, {c, o});
        DrawWideLine(clGray, width, {c + 1, h - o}, {c + 1, o});
        DrawWideLine(colorAfter_, width, {c, h - o}, {c, o});
        DrawWideLine(colorBefore_, width, {c, h - ValueToPixels(value_->Value())}, {c, h - o});
    } else {
        int r = h / 2;
        if (r % 2 != 0)
            ++r;
        DrawWideLine(clGray, width + 2, {o, r}, {w - o, r});
        DrawWideLine(clWhite, width, {o, r - 1}, {w - o, r - 1});
        DrawWideLine(colorBefore_, width, {o, r}, {w - o, r});
        DrawWideLine(colorAfter_, width, {ValueToPixels(value_->Value()), r}, {w - o, r});
    }
}

void TvrThermoMeter::DrawTick(double value, int length, const TMeterGeometry& g)
{
    TCanvas& c = Canvas();
    const int pos = AxisPosition(value);
    const int end = g.BaseLine + (scale_->Position() == TvrThermoMeterScale::voAfter ? length : -length);
    if (Vertical()) {
        c.MoveTo(g.BaseLine, pos);
        c.LineTo(end, pos);
    } else {
        c.MoveTo(pos, g.BaseLine);
        c.LineTo(pos, end);
    }
}

void TvrThermoMeter::DrawTicks(const TMeterGeometry& g)
{
    TCanvas& c = Canvas();
    c.Pen.Width = 1;
    c.Pen.Color = scale_->Color();
    const double min = scale_->Min(), max = scale_->Max();
    const double step = scale_->Step(), smallStep = scale_->SmallStep();
    DrawTick(min, scale_->HeightMax(), g);
    const int ns = TickCount(max - min, smallStep);
    for (int k = 1; k < ns; ++k)
        DrawTick(min + k * smallStep, scale_->HeightMin(), g);
    const int nb = TickCount(max - min, step);
    for (int k = 1; k < nb; ++k)
        DrawTick(min + k * step, scale_->HeightMax(), g);
    // The last big tick marks the column's end, whatever the mapping says.
    const int end = g.BaseLine + (scale_->Position() == TvrThermoMeterScale::voAfter ? 1 : -1) * scale_->HeightMax();
    const int top = g.Start + g.Length;
    if (Vertical()) {
        c.MoveTo(g.BaseLine, Height() - top);
        c.LineTo(end, Height() - top);
    } else {
        c.MoveTo(top, g.BaseLine);
        c.LineTo(top, end);
    }
}

void TvrThermoMeter::DrawMarker(const TVrLiniarIndicator& marker)
{
    TCanvas& c = Canvas();
    const int m = scale_->HeightMin();
    const int o = scale_->Offset();
    const bool after = scale_->Position() == TvrThermoMeterScale::voAfter;
    const int p = AxisPosition(marker.Value());
    const int q = (Vertical() ? Width() : Height()) / 2 + (after ? -o : o);
    // Maps (along, across) to canvas coordinates.
    const auto at = [this](int along, int across) { return Vertical() ? QPoint(across, along) : QPoint(along, across); };
    switch (marker.Shape()) {
    case TVrLiniarIndicator::voLine: {
        c.Pen.Width = 1;
        c.Pen.Color = marker.Color();
        const QPoint from = at(p, q - m), to = at(p, q + m);
        c.MoveTo(from.x(), from.y());
        c.LineTo(to.x(), to.y());
        break;
    }
    case TVrLiniarIndicator::voBitmap: {
        const TBitmap& bmp = marker.Bitmap();
        const int across = after ? q + m : q - m;
        const QPoint origin = Vertical() ? QPoint(across, p - bmp.Height() / 2) : QPoint(p - bmp.Width() / 2, across);
        c.Draw(origin.x(), origin.y(), bmp);
        break;
    }
    case TVrLiniarIndicator::voTriangle: {
        c.Pen.Width = 1;
        c.Pen.Color = scale_->Color();
        c.Brush.Style = bsSolid;
        c.Brush.Color = marker.Color();
        const int tip = after ? q + m : q - m, back = after ? q - m : q + m;
        c.Polygon({at(p, tip), at(p - 5, back), at(p + 5, back)});
        break;
    }
    }
}
