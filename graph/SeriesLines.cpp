#include "graph/SeriesLines.h"

#include "framework/SegmentPainter.h"

#include <algorithm>
#include <cmath>

struct TSeriesLines::Walk {
    int64_t first = 0;      // first point with X >= XMin
    int64_t last = 0;       // first point with X > XMax (end of the visible points)
    bool preMoved = false;  // the point before the view starts the line
    bool postLined = false; // the line is drawn on to the point after the view
};

TSeriesLines::TSeriesLines(TCanvas& canvas, const TRect& plot, const TRect2D& view, int divisor, bool markers)
    : canvas_(canvas), plot_(plot), view_(view), divisor_(divisor), markers_(markers),
      xMap_(TScaleMap::WithExtent(view.XMin, view.XMax, 0, plot.Width())),
      yMap_(TScaleMap::WithExtent(view.YMin, view.YMax, 0, plot.Height()))
{
}

bool TSeriesLines::GapBefore(const TSeries& series, int64_t i) const
{
    return divisor_ > 0 && i > 0
        && TSeries::Bucket(series.Points[size_t(i)].X, divisor_) - TSeries::Bucket(series.Points[size_t(i - 1)].X, divisor_) > 1;
}

void TSeriesLines::Marker(QPoint p)
{
    const int half = canvas_.Pen.Width + 2;
    const int width = canvas_.Pen.Width;
    canvas_.Pen.Width = 1;
    canvas_.Rectangle(p.x() - half, p.y() - half, p.x() + half, p.y() + half);
    canvas_.Pen.Width = width;
}

void TSeriesLines::SinglePixel(QPoint p)
{
    if (p.x() >= plot_.Left && p.x() <= plot_.Right && p.y() >= plot_.Top && p.y() <= plot_.Bottom)
        canvas_.SetPixel(p.x(), p.y(), canvas_.Pen.Color);
}

void TSeriesLines::DrawReference(const TSeries& series)
{
    const auto& pts = series.Points;
    const size_t n = pts.size();
    bool penDown = false;
    int64_t remembered = 0;
    for (size_t i = 0; i < n; ++i) {
        const double x = pts[i].X;
        const QPoint p = Pixel(pts[i]);
        const int64_t bucket = divisor_ > 0 ? TSeries::Bucket(x, divisor_) : 0;
        if (x < view_.XMin) {
            if (i + 1 < n && pts[i + 1].X > view_.XMin) {
                canvas_.MoveTo(p.x(), p.y());
                penDown = true;
            }
            if (i + 1 < n && divisor_ > 0)
                remembered = bucket;
        } else if (x > view_.XMax) {
            if (!penDown || divisor_ == 0)
                break;
            if (bucket - remembered > 1)
                canvas_.MoveTo(p.x(), p.y());
            else
                canvas_.LineTo(p.x(), p.y());
            break;
        } else {
            if (n == 1)
                SinglePixel(p);
            else if (!penDown || (divisor_ > 0 && bucket - remembered > 1))
                canvas_.MoveTo(p.x(), p.y());
            else
                canvas_.LineTo(p.x(), p.y());
            if (markers_)
                Marker(p);
            penDown = true;
            remembered = bucket;
        }
    }
}

TSeriesLines::Walk TSeriesLines::Locate(const TSeries& series) const
{
    const auto& pts = series.Points;
    Walk w;
    const auto begin = pts.begin();
    const auto firstIn = std::partition_point(begin, pts.end(), [&](const TPoint2D& p) { return p.X < view_.XMin; });
    const auto pastIn = std::partition_point(firstIn, pts.end(), [&](const TPoint2D& p) { return p.X <= view_.XMax; });
    w.first = firstIn - begin;
    w.last = pastIn - begin;
    const int64_t n = int64_t(pts.size());
    w.preMoved = w.first > 0 && w.first < n && pts[size_t(w.first)].X > view_.XMin;
    const bool penDown = w.preMoved || w.last > w.first;
    w.postLined = w.last < n && penDown && divisor_ > 0 && !GapBefore(series, w.last);
    return w;
}

void TSeriesLines::AddNode(std::vector<QPoint>& nodes, QPoint p)
{
    if (nodes.empty() || nodes.back() != p)
        nodes.push_back(p);
}

// The first point past the column, looked for first where the previous
// column's width puts it (evenly spaced data needs two probes), then by
// galloping and halving.
int64_t TSeriesLines::ColumnEnd(const TSeries& series, int64_t from, int64_t last, int column, int64_t guess) const
{
    const TPointStore& pts = series.Points;
    const auto inColumn = [&](int64_t i) { return PixelX(pts[size_t(i)].X) <= column; };
    int64_t lo = from; // known in the column
    const int64_t g = std::min(from + std::max<int64_t>(guess, 1), last);
    if (g > lo + 1 && inColumn(g - 1)) {
        if (g == last || !inColumn(g))
            return g;
        lo = g;
    }
    int64_t step = 1;
    while (lo + step < last && inColumn(lo + step)) {
        lo += step;
        step *= 2;
    }
    const int64_t hi = std::min(lo + step, last);
    return std::partition_point(pts.begin() + lo + 1, pts.begin() + hi, [&](const TPoint2D& p) { return PixelX(p.X) <= column; })
        - pts.begin();
}

// A one-pixel segment paints its start, not its end, and a segment between
// two points on one pixel paints nothing. So where the line ends in a column,
// the pixel of its last point is painted only if a point before the run of
// points on that pixel which ends the line lies there too (or the line
// crosses it): the extremes are taken over the points before that run, and
// the point before the run and the last point are nodes of their own. Then
// the nodes paint what the points do: the run of pixels between the
// extremes before the final run, and the segment into it.
void TSeriesLines::AddColumn(const TSeries& series, int64_t first, int64_t last, bool lineEnds, std::vector<QPoint>& nodes)
{
    const TPointStore& pts = series.Points;
    if (last - first > 4 && !index_)
        index_ = &series.Index();
    int64_t reduced = last; // the points [first, reduced) are reduced to their extremes
    if (lineEnds && last - first > 4) {
        const int y = PixelY(pts[size_t(last - 1)].Y);
        reduced = index_->TrailingRun(pts, first, last, [&](double key) { return PixelY(key) == y; });
    }
    if (reduced - first <= 4) {
        for (int64_t i = first; i < reduced; ++i)
            AddNode(nodes, Pixel(pts[size_t(i)]));
    } else {
        const TColumnCache::Column& c = series.Columns().Extremes(pts, *index_, first + base_, reduced + base_);
        // Every point of the column lies on its pixel column: the extremes need only their values.
        const QPoint start = Pixel(pts[size_t(first)]);
        const QPoint low(start.x(), PixelY(c.low)), high(start.x(), PixelY(c.high));
        AddNode(nodes, start);
        AddNode(nodes, c.lowest <= c.highest ? low : high);
        AddNode(nodes, c.lowest <= c.highest ? high : low);
        AddNode(nodes, Pixel(pts[size_t(reduced - 1)]));
    }
    if (reduced < last)
        AddNode(nodes, Pixel(pts[size_t(last - 1)]));
}

// lineEnds: the line ends at the run's last point (a gap follows, or the
// series ends there and nothing past the view is drawn to).
void TSeriesLines::DrawRun(const TSeries& series, int64_t first, int64_t last, bool lineEnds, std::vector<QPoint>& nodes)
{
    int64_t width = 1;
    for (int64_t i = first; i < last;) {
        const int column = PixelX(series.Points[size_t(i)].X);
        const int64_t kept = series.Columns().GuessEnd(i + base_);
        series.Columns().PrefetchAhead(series.Points, index_);
        const int64_t end = ColumnEnd(series, i, last, column, kept >= 0 ? kept - base_ - i : width);
        AddColumn(series, i, end, end == last && lineEnds, nodes);
        width = end - i;
        i = end;
    }
}

// A run of two or more points whose pixels all coincide is a zero-length
// line: nothing for a thin pen, a dot for a wide one, as LineTo would draw.
void TSeriesLines::Stroke(TSegmentPainter& segments, const std::vector<QPoint>& nodes, int64_t points) const
{
    if (nodes.size() == 1 && points >= 2)
        segments.Add(nodes[0], nodes[0]);
    for (size_t i = 1; i < nodes.size(); ++i)
        segments.Add(nodes[i - 1], nodes[i]);
}

void TSeriesLines::Draw(const TSeries& series)
{
    const auto& pts = series.Points;
    if (pts.empty())
        return;
    const Walk w = Locate(series);
    if (pts.size() == 1) {
        if (w.last > w.first) {
            SinglePixel(Pixel(pts[0]));
            if (markers_)
                Marker(Pixel(pts[0]));
        }
        return;
    }
    // Gaps and kept columns are by position; the walk counts from the first point held.
    const int64_t base = pts.FirstPosition();
    base_ = base;
    index_ = nullptr;
    series.Columns().Begin(pts);
    const std::span<const int64_t> gaps = divisor_ > 0 ? series.Gaps(divisor_) : std::span<const int64_t>();
    auto gap = std::lower_bound(gaps.begin(), gaps.end(), w.first + base);
    TSegmentPainter segments(canvas_);
    std::vector<QPoint> nodes;
    int64_t runPoints = 0;
    if (w.preMoved) {
        nodes.push_back(Pixel(pts[size_t(w.first - 1)]));
        runPoints = 1;
    }
    for (int64_t start = w.first; start < w.last;) {
        if (gap != gaps.end() && *gap - base == start) { // the pen is lifted before this point
            Stroke(segments, nodes, runPoints);
            nodes.clear();
            runPoints = 0;
            ++gap;
        }
        const int64_t end = (gap != gaps.end() && *gap - base < w.last) ? *gap - base : w.last;
        DrawRun(series, start, end, end < w.last || !w.postLined, nodes);
        runPoints += end - start;
        start = end;
    }
    if (w.postLined) {
        AddNode(nodes, Pixel(pts[size_t(w.last)]));
        ++runPoints;
    }
    Stroke(segments, nodes, runPoints);
    segments.Flush();
    if (markers_)
        DrawMarkers(series, w.first, w.last);
}

void TSeriesLines::DrawMarkers(const TSeries& series, int64_t first, int64_t last)
{
    const int half = canvas_.Pen.Width + 2;
    QPoint previous(INT32_MIN, INT32_MIN);
    for (int64_t i = first; i < last; ++i) {
        const QPoint p = Pixel(series.Points[size_t(i)]);
        if (p == previous)
            continue;
        previous = p;
        if (p.y() + half >= plot_.Top && p.y() - half <= plot_.Bottom)
            Marker(p);
    }
}
