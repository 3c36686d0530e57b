#include "widgets/FaderBasePainter.h"

#include "scale/IntScaleMap.h"
#include "widgets/GFader.h"

#include <cmath>

namespace {

constexpr TColor kLight = 0xE0E0E0;

} // namespace

TFaderBasePainter::TFaderBasePainter(const TGFader& fader, TCanvas& canvas)
    : f_(fader), c_(canvas), vertical_(fader.Vertical()), W_(fader.Width()), H_(fader.Height()),
      hw_(fader.headSize_.width()), hh_(fader.headSize_.height()), EX_(fader.emptyXZone_), EY_(fader.emptyYZone_),
      L_(fader.longMarksLen_), S_(fader.shortMarksLen_), P_(fader.marksPos_)
{
    const bool headAway = fader.faderPlace_; // head at the top or on the left
    headAcross_ = vertical_ ? fader.GetHeadX() : fader.GetHeadY();
    headAcrossSize_ = vertical_ ? hw_ : hh_;
    if (!headAway) {
        headSide_ = headAcross_ - P_ - 1;
        farSide_ = headSide_ - L_;
    } else {
        farSide_ = headAcross_ + headAcrossSize_ + P_ + L_ - 1;
        headSide_ = farSide_ - L_;
    }
    if (vertical_) {
        grooveStart_ = EY_ + hh_ / 2 - 1;
        grooveEnd_ = H_ - EY_ - hh_ / 2 + 3;
        grooveAcross_ = headAcross_ + (hw_ - 1) / 2 - (headAway ? 1 : 0);
    } else {
        grooveStart_ = EX_ + hw_ / 2 - 3;
        grooveEnd_ = W_ - EX_ - hw_ / 2 + 2;
        grooveAcross_ = headAcross_ + (hh_ - 1) / 2 - (headAway ? 1 : 0);
    }
}

void TFaderBasePainter::Span(int along0, int across0, int along1, int across1, TColor color)
{
    const QPoint a = Pt(std::min(along0, along1), std::min(across0, across1));
    const QPoint b = Pt(std::max(along0, along1), std::max(across0, across1));
    c_.Brush.Color = color;
    c_.FillRect(TRect(a.x(), a.y(), b.x() + 1, b.y() + 1));
}

void TFaderBasePainter::FillBox(int along0, int across0, int along1, int across1, TColor color)
{
    const QPoint a = Pt(along0, across0), b = Pt(along1, across1);
    c_.Brush.Color = color;
    c_.FillRect(TRect(a.x(), a.y(), b.x(), b.y()));
}

void TFaderBasePainter::Paint()
{
    c_.Pen = TPen();
    c_.Brush.Style = bsSolid;
    c_.Brush.Color = clBtnFace;
    c_.FillRect(TRect(0, 0, W_, H_));
    const std::vector<int> ticks = TickPositions();
    switch (f_.markType_) {
    case TGFader::mtMarks: PaintTicks(ticks); break;
    case TGFader::mtRamp: PaintRamp(ticks); break;
    case TGFader::mtStepRamp: PaintStepBars(ticks); break;
    case TGFader::mtNone: break;
    }
    PaintGroove();
    if (f_.labels_)
        PaintLabels();
}

// Tick i along the track; tick 0 lies at the Min end of a horizontal fader and
// at the Max end (the top) of a vertical one.
std::vector<int> TFaderBasePainter::TickPositions() const
{
    const int n = f_.numMarks_;
    const int64_t track = vertical_ ? H_ - 2 * EY_ - hh_ : W_ - 2 * EX_ - hw_;
    const int first = vertical_ ? EY_ + hh_ / 2 : EX_ + hw_ / 2 - 1;
    const TIntScaleMap map(0, n, first, first + track);
    std::vector<int> ticks;
    ticks.reserve(size_t(n) + 1);
    for (int i = 0; i <= n; ++i)
        ticks.push_back(map.Pixel(i));
    return ticks;
}

void TFaderBasePainter::PaintTicks(const std::vector<int>& ticks)
{
    const int towardsHead = headSide_ > farSide_ ? 1 : -1;
    // Every MarkAccent-th tick from tick 0 is long; with MarkAccent 0 only tick 0 is.
    for (size_t i = 0; i < ticks.size(); ++i) {
        const bool isLong = f_.markAccent_ == 0 ? i == 0 : i % f_.markAccent_ == 0;
        int from = farSide_, to = headSide_;
        if (!isLong) {
            if (f_.marksReverse_) {
                from = headSide_;
                to = headSide_ - towardsHead * S_;
            } else {
                to = farSide_ + towardsHead * S_;
            }
        }
        Span(ticks[i], from, ticks[i], to, clGray);
        if (f_.mark3D_) {
            const QPoint a = Pt(ticks[i], std::min(from, to)) + QPoint(1, 1);
            const QPoint b = Pt(ticks[i], std::max(from, to)) + QPoint(1, 1);
            c_.Brush.Color = kLight;
            c_.FillRect(TRect(a.x(), a.y(), b.x() + 1, b.y() + 1));
        }
    }
}

// A wedge over the scale whose height grows from nothing at one end to the
// long tick length at the other: outline, light shadow, coloured edge, filled.
void TFaderBasePainter::PaintRamp(const std::vector<int>& ticks)
{
    const int minEnd = vertical_ ? ticks.back() + 1 : ticks.front() - 1;
    const int maxEnd = vertical_ ? ticks.front() : ticks.back();
    const int tip = headSide_ + (farSide_ > headSide_ ? L_ : -L_);
    const int tipAlong = f_.rampReverse_ ? minEnd : maxEnd;
    const QVector<QPoint> wedge = {Pt(minEnd, headSide_), Pt(maxEnd, headSide_), Pt(tipAlong, tip), Pt(minEnd, headSide_)};
    const auto outline = [&](QPoint offset, TColor color) {
        QVector<QPoint> moved;
        for (const QPoint& p : wedge)
            moved.append(p + offset);
        c_.Pen.Color = color;
        c_.Polyline(moved);
    };
    outline(QPoint(0, 0), clGray);
    outline(QPoint(2, 2), kLight);
    outline(QPoint(1, 1), f_.rampColor_);
    if (L_ < 2 || std::abs(maxEnd - minEnd) < 2)
        return; // no inside to fill
    // The seed is the coloured wedge's centroid; the fill is held to its box
    // so that a wedge too thin to close cannot flood the whole base.
    const QPoint seed = (wedge[0] + wedge[1] + wedge[2]) / 3 + QPoint(1, 1);
    const QRect box = QPolygon(wedge).boundingRect().translated(1, 1);
    c_.SetClipRect(TRect::FromQRect(box));
    c_.Brush.Color = f_.rampColor_;
    c_.FloodFill(seed.x(), seed.y(), f_.rampColor_, fsBorder);
    c_.ClearClip();
}

// NumSteps + 1 bars of StepsWidth, growing from nothing to the long tick
// length towards Max (towards Min with RampReverse); they stand on the lower
// (right) edge of the scale, or hang from the upper (left) one with MarksReverse.
void TFaderBasePainter::PaintStepBars(const std::vector<int>& ticks)
{
    const int start = vertical_ ? ticks.back() + 1 : ticks.front();
    const int end = vertical_ ? ticks.front() : ticks.back() + 1;
    // More bars than pixels along the scale cannot be told apart; the count is
    // held there so that an absurd NumSteps cannot stall the paint.
    const int n = std::min(f_.numSteps_, std::max(std::abs(end - start), 1));
    if (n < 0)
        return;
    const int sw = f_.stepsWidth_;
    const int low = std::min(headSide_, farSide_), high = std::max(headSide_, farSide_);
    for (int j = 0; j <= n; ++j) {
        const double offset = n == 0 ? 0.0 : double(j) * (std::abs(end - start) - sw) / n;
        const int a0 = vertical_ ? int(std::trunc(start - offset)) - sw : int(std::trunc(start + offset));
        const int k = f_.rampReverse_ ? n - j : j;
        const double height = double(k) * L_ / (n + 1);
        int c0, c1;
        if (f_.marksReverse_) {
            c0 = low;
            c1 = int(std::trunc(low + height));
        } else {
            c1 = high + 1;
            c0 = int(std::trunc(c1 - height));
        }
        FillBox(a0, c0, a0 + sw, c1, f_.rampColor_);
        if (!f_.mark3D_)
            continue;
        const QPoint tl = Pt(a0, c0), br = Pt(a0 + sw, c1);
        c_.Brush.Color = clGray;
        c_.FillRect(TRect(tl.x() - 1, tl.y() - 1, tl.x(), br.y()));
        c_.FillRect(TRect(tl.x() - 1, tl.y() - 1, br.x(), tl.y()));
        c_.Brush.Color = kLight;
        c_.FillRect(TRect(br.x(), tl.y() - 1, br.x() + 1, br.y() + 1));
        c_.FillRect(TRect(tl.x() - 1, br.y(), br.x() + 1, br.y() + 1));
    }
}

// Four pixels across: a light outer edge, a black inner edge and a grey floor.
void TFaderBasePainter::PaintGroove()
{
    const int s = grooveStart_, e = grooveEnd_, g = grooveAcross_;
    c_.Pen.Color = kLight;
    c_.MoveTo(Pt(s, g + 3).x(), Pt(s, g + 3).y());
    for (const QPoint p : {Pt(e, g + 3), Pt(e, g), Pt(e - 1, g)})
        c_.LineTo(p.x(), p.y());
    c_.Pen.Color = clBlack;
    for (const QPoint p : {Pt(s, g), Pt(s, g + 2), Pt(s + 1, g + 2)})
        c_.LineTo(p.x(), p.y());
    c_.Pen.Color = clGray;
    for (const QPoint p : {Pt(s + 1, g + 1), Pt(e, g + 1)})
        c_.LineTo(p.x(), p.y());
}

void TFaderBasePainter::Label(int x, int y, const QString& text)
{
    c_.Brush.Style = bsClear;
    if (f_.font3D_) {
        c_.Font.SetColor(kLight);
        c_.TextOut(x + 1, y + 1, text);
        c_.Font.SetColor(f_.labelsFont_->Color());
    }
    c_.TextOut(x, y, text);
    c_.Brush.Style = bsSolid;
}

void TFaderBasePainter::PaintLabels()
{
    c_.Font.Assign(*f_.labelsFont_);
    const TFont& font = *f_.labelsFont_;
    const int th = font.TextHeight();
    const QString& lo = f_.labelMin_;
    const QString& hi = f_.labelMax_;
    if (!vertical_) {
        const int y = f_.faderPlace_ ? H_ - EY_ - th : EY_;
        Label(EX_ + hw_ / 2 - 10, y, lo);
        Label(grooveEnd_ + 5 - font.TextWidth(hi), y, hi);
        return;
    }
    const auto x = [&](const QString& text) { return f_.faderPlace_ ? W_ - EX_ - font.TextWidth(text) : EX_; };
    Label(x(hi), EY_ + hh_ / 2 - 4, hi);
    Label(x(lo), grooveEnd_ - th + 1, lo);
}
