#include "framework/SegmentPainter.h"

#include <QPainter>
#include <algorithm>
#include <cstdlib>

namespace {

int64_t FloorDiv(int64_t a, int64_t b)
{
    const int64_t q = a / b;
    return (a % b != 0 && ((a < 0) != (b < 0))) ? q - 1 : q;
}

// The canvas's one-pixel line, stepped along its major axis: at step n the
// minor coordinate has moved floor((2 * minor * n + major) / (2 * major)).
struct LineSteps {
    int64_t x0, y0, major, minor;
    int sx, sy;
    bool xMajor;

    int64_t Minor(int64_t n) const { return FloorDiv(2 * minor * n + major, 2 * major); }
    int64_t X(int64_t n) const { return x0 + sx * (xMajor ? n : Minor(n)); }
    int64_t Y(int64_t n) const { return y0 + sy * (xMajor ? Minor(n) : n); }
};

// First n in [lo, hi] for which pred holds, pred being false then true; hi + 1 if never.
template <class Pred>
int64_t FirstTrue(int64_t lo, int64_t hi, Pred pred)
{
    int64_t a = lo, b = hi + 1;
    while (a < b) {
        const int64_t m = a + (b - a) / 2;
        if (pred(m))
            b = m;
        else
            a = m + 1;
    }
    return a;
}

// The steps whose coordinate c(n), monotone with direction s, lies in [lo, hi].
template <class Coord>
void Restrict(int64_t& first, int64_t& last, int s, int64_t lo, int64_t hi, Coord c)
{
    if (first > last)
        return;
    if (s > 0) {
        first = FirstTrue(first, last, [&](int64_t n) { return c(n) >= lo; });
        last = FirstTrue(first, last, [&](int64_t n) { return c(n) > hi; }) - 1;
    } else {
        first = FirstTrue(first, last, [&](int64_t n) { return c(n) <= hi; });
        last = FirstTrue(first, last, [&](int64_t n) { return c(n) < lo; }) - 1;
    }
}

} // namespace

TSegmentPainter::TSegmentPainter(TCanvas& canvas) : canvas_(canvas) {}

TSegmentPainter::Mode TSegmentPainter::ChooseMode() const
{
    const TPen& pen = canvas_.Pen;
    if (pen.Style != psSolid || pen.Mode != pmCopy)
        return Mode::Canvas;
    if (pen.Width > 1)
        return Mode::Wide;
    const QRegion region = canvas_.ClipRegion();
    if (canvas_.HasClip() && region.rectCount() > 1)
        return Mode::Canvas;
    return Mode::Thin;
}

void TSegmentPainter::Flush()
{
    switch (ChooseMode()) {
    case Mode::Thin: {
        const QRect image = canvas_.Image().rect();
        clip_ = canvas_.HasClip() ? canvas_.ClipRegion().boundingRect().intersected(image) : image;
        const uint32_t px = ColorToPixel(canvas_.Pen.Color);
        if (!clip_.isEmpty())
            DrawThinChains(px);
        break;
    }
    case Mode::Wide: {
        QPainter p(&canvas_.Image());
        if (canvas_.HasClip())
            p.setClipRegion(canvas_.ClipRegion());
        p.setPen(QPen(ColorToQColor(canvas_.Pen.Color), canvas_.Pen.Width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        for (const QLine& s : segments_)
            p.drawLine(s);
        break;
    }
    case Mode::Canvas:
        for (const QLine& s : segments_) {
            canvas_.MoveTo(s.x1(), s.y1());
            canvas_.LineTo(s.x2(), s.y2());
        }
        break;
    }
    segments_.clear();
}

// A dense curve goes up and down within one pixel column, segment after
// segment: each paints its start and not its end, so a chain of them paints
// one unbroken run of the column, drawn once instead of pixel by pixel over
// and over. (Only the set of pixels counts for a one-pixel copy pen.)
void TSegmentPainter::DrawThinChains(uint32_t px)
{
    const size_t n = segments_.size();
    for (size_t i = 0; i < n;) {
        const QLine& s = segments_[i];
        if (s.x1() != s.x2() || s.y1() == s.y2()) { // also a zero-length one, which paints nothing
            DrawThin(s, px);
            ++i;
            continue;
        }
        int top = std::min(s.y1(), s.y2() + (s.y2() > s.y1() ? 0 : 1));
        int bottom = std::max(s.y1(), s.y2() - (s.y2() > s.y1() ? 1 : 0));
        size_t j = i + 1;
        for (; j < n; ++j) {
            const QLine& t = segments_[j];
            if (t.x1() != s.x1() || t.x2() != s.x1() || t.p1() != segments_[j - 1].p2() || t.y1() == t.y2())
                break;
            top = std::min(top, std::min(t.y1(), t.y2() + (t.y2() > t.y1() ? 0 : 1)));
            bottom = std::max(bottom, std::max(t.y1(), t.y2() - (t.y2() > t.y1() ? 1 : 0)));
        }
        DrawColumn(s.x1(), top, bottom, px);
        i = j;
    }
}

void TSegmentPainter::DrawColumn(int x, int top, int bottom, uint32_t px)
{
    top = std::max(top, clip_.top());
    bottom = std::min(bottom, clip_.bottom());
    if (x < clip_.left() || x > clip_.right() || top > bottom)
        return;
    QImage& image = canvas_.Image();
    const qsizetype stride = image.bytesPerLine();
    uchar* p = image.bits() + top * stride + qsizetype(x) * 4;
    for (int y = top; y <= bottom; ++y, p += stride)
        *reinterpret_cast<uint32_t*>(p) = px;
}

void TSegmentPainter::DrawThin(QLine s, uint32_t px)
{
    const int64_t dx = int64_t(s.x2()) - s.x1(), dy = int64_t(s.y2()) - s.y1();
    LineSteps line{s.x1(), s.y1(), 0, 0, dx >= 0 ? 1 : -1, dy >= 0 ? 1 : -1, std::abs(dx) >= std::abs(dy)};
    line.major = line.xMajor ? std::abs(dx) : std::abs(dy);
    line.minor = line.xMajor ? std::abs(dy) : std::abs(dx);
    if (line.major == 0)
        return; // a zero-length LineTo paints nothing
    int64_t first = 0, last = line.major - 1;
    // A segment whose ends both lie inside is inside whole: most of a dense
    // curve's segments are, and need no search for their visible steps.
    if (!clip_.contains(s.p1()) || !clip_.contains(s.p2())) {
        Restrict(first, last, line.sx, clip_.left(), clip_.right(), [&](int64_t n) { return line.X(n); });
        Restrict(first, last, line.sy, clip_.top(), clip_.bottom(), [&](int64_t n) { return line.Y(n); });
        if (first > last)
            return;
    }
    QImage& image = canvas_.Image();
    uchar* bits = image.bits();
    const qsizetype stride = image.bytesPerLine();
    // Minor offset stepped incrementally: quotient and remainder of
    // (2 * minor * n + major) by 2 * major.
    const int64_t denominator = 2 * line.major, increment = 2 * line.minor;
    const int64_t numerator = increment * first + line.major;
    int64_t q = first == 0 ? 0 : FloorDiv(numerator, denominator), r = numerator - q * denominator;
    for (int64_t n = first; n <= last; ++n) {
        const int64_t x = line.x0 + line.sx * (line.xMajor ? n : q);
        const int64_t y = line.y0 + line.sy * (line.xMajor ? q : n);
        reinterpret_cast<uint32_t*>(bits + y * stride)[x] = px;
        r += increment;
        if (r >= denominator) {
            r -= denominator;
            ++q;
        }
    }
}
