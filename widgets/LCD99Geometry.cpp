#include "widgets/LCD99Geometry.h"

#include <cmath>
#include <limits>

namespace {

// Rounds to the nearest integer, ties to even.
int RoundEven(double v) { return int(std::nearbyint(v)); }

bool FitsInt(int64_t v) { return v >= std::numeric_limits<int>::min() && v <= std::numeric_limits<int>::max(); }

// Sizes beyond any screen would only overflow the coordinate arithmetic.
bool Plausible(const TLCD99Options& o)
{
    constexpr int kLimit = 1 << 20;
    for (int v : {o.Width, o.Height, o.DigitSpacing, o.SegmentSize, o.GapX, o.GapY, o.DotSpacing})
        if (v < -kLimit || v > kLimit)
            return false;
    return o.DigitNum >= 1;
}

} // namespace

TLCD99Geometry::TLCD99Geometry(const TLCD99Options& o)
    : dots_(o.DotDisplay), N_(o.DigitNum), T_(o.SegmentSize)
{
    if (!Plausible(o))
        return;
    const int64_t W = o.Width, H = o.Height;
    int64_t wd, hd, lh, lv;
    if (dots_) {
        S_ = o.DigitSpacing;
        const int64_t pitch = int64_t(T_) + o.DotSpacing;
        if (T_ < 1 || pitch < 1 || !FitsInt(pitch))
            return;
        P_ = int(pitch);
        const int64_t n = ((W - 1) / N_ + o.DotSpacing - S_) / pitch;
        const int64_t m = ((H - 1 - T_) / 2) / pitch;
        wd = pitch * n - o.DotSpacing;
        hd = 2 * pitch * m + T_;
        lh = wd;
        lv = hd / 2;
        if (n < 1 || m < 1)
            return;
    } else {
        S_ = o.DigitSpacing + 1;
        gx_ = o.GapX;
        gy_ = o.GapY;
        hd = H - 1;
        wd = (W - S_ - 1 - int64_t(N_) * S_) / N_;
        lh = wd - 2 * int64_t(gx_);
        lv = hd / 2 - 2 * int64_t(gy_);
    }
    if (wd < 1 || hd < 1 || !FitsInt(lh) || !FitsInt(lv) || !FitsInt(int64_t(N_) * (S_ + wd) + S_))
        return;
    Wd_ = int(wd);
    Hd_ = int(hd);
    Lh_ = int(lh);
    Lv_ = int(lv);
    valid_ = true;
}

// Top and bottom bars; a negative t draws the bar upwards from y.
QVector<QPoint> TLCD99Geometry::EndBar(int x, int y, int L, int t) const
{
    const int tip = RoundEven(t / 4.0);
    const QPoint first(x, y + tip);
    return {first,
            QPoint(x + T_ / 2, y),
            QPoint(x + L - T_ / 2, y),
            QPoint(x + L, y + tip),
            QPoint(x + L - T_, y + t),
            QPoint(x + T_, y + t),
            first};
}

QVector<QPoint> TLCD99Geometry::MiddleBar(int x, int y, int L, int t) const
{
    const QPoint first(x, y + RoundEven(t / 2.0));
    return {first,
            QPoint(x + T_, y),
            QPoint(x + L - T_, y),
            QPoint(x + L, y + RoundEven(t / 2.0)),
            QPoint(x + L - T_, y + t),
            QPoint(x + T_, y + t),
            first};
}

// Side bars; a negative t draws the bar to the left of x.
QVector<QPoint> TLCD99Geometry::SideBar(int x, int y, int t, int L) const
{
    const int tip = RoundEven(t / 4.0);
    const QPoint first(x + tip, y);
    return {first,
            QPoint(x, y + T_ / 2),
            QPoint(x, y + L - T_ / 2),
            QPoint(x + tip, y + L),
            QPoint(x + t, y + L - T_),
            QPoint(x + t, y + T_),
            first};
}

QVector<QPoint> TLCD99Geometry::Segment(int x0, int position) const
{
    const int half = Hd_ / 2;
    switch (position) {
    case 1: return EndBar(x0 + gx_, 0, Lh_, T_);
    case 2: return SideBar(x0, gy_, T_, Lv_);
    case 3: return SideBar(x0 + Wd_, gy_, -T_, Lv_);
    case 4: return MiddleBar(x0 + gx_, half - T_ / 2, Lh_, T_);
    case 5: return SideBar(x0, half + gy_, T_, Lv_);
    case 6: return SideBar(x0 + Wd_, half + gy_, -T_, Lv_);
    case 7: return EndBar(x0 + gx_, Hd_, Lh_, -T_);
    default: return {};
    }
}

TRect TLCD99Geometry::ColonDot(int x0, int which) const
{
    const int a = Lh_ / 3, b = Lv_ / 3;
    const int xc = x0 + (Wd_ - a) / 2;
    const int half = Hd_ / 2;
    if (which == 0)
        return TRect(xc, half - 2 * b, xc + a, half - b);
    return TRect(xc, half + b, xc + a, half + 2 * b);
}

TRect TLCD99Geometry::Point(int x0) const
{
    const int f = std::min(S_ - 2, T_);
    const int xp = x0 - (S_ + f) / 2;
    return TRect(xp, Hd_ - f, xp + f, Hd_);
}

QVector<QPoint> TLCD99Geometry::BarDots(int x0, int position) const
{
    const bool horizontal = position == 1 || position == 4 || position == 7;
    const int length = horizontal ? Lh_ : Lv_;
    const int lowerTop = Hd_ / 2 - T_ / 2;
    const int right = x0 + Wd_ - T_;
    QPoint start;
    switch (position) {
    case 1: start = QPoint(x0, 0); break;
    case 2: start = QPoint(x0, 0); break;
    case 3: start = QPoint(right, 0); break;
    case 4: start = QPoint(x0, lowerTop); break;
    case 5: start = QPoint(x0, lowerTop); break;
    case 6: start = QPoint(right, lowerTop); break;
    case 7: start = QPoint(x0, Hd_ - T_); break;
    default: return {};
    }
    QVector<QPoint> dots;
    for (int64_t offset = 0; offset < length; offset += P_)
        dots << (horizontal ? start + QPoint(int(offset), 0) : start + QPoint(0, int(offset)));
    return dots;
}
