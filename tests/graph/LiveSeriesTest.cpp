// Live series: appends and drops keep the index and the gaps right (the fast
// renderer still draws what the plain walk draws), memory stays within the
// retention, and follow mode enters and leaves as a chart recorder would.

#include "GraphProbe.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <random>
#include <string>
#include <utility>

namespace {

int DifferentPixels(const QImage& a, const QImage& b)
{
    int count = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            count += a.pixel(x, y) != b.pixel(x, y);
    return count;
}

// A graph of one live series, painted by each renderer in a view given as
// fractions of the data held.
struct LiveGraph {
    TKivGraph g;
    TSeries* s = new TSeries;
    LiveGraph(TAxisType axis, int width, bool markers)
    {
        g.resize(800, 400);
        g.XAxisType = axis;
        g.SetLineWidth(width);
        g.ShowMarkers = markers;
        g.SetGridStyle(TKivGraph::gsNone);
        s->Color = clBlue;
        g.AddSerie(s);
        g.LimitXMin = -1000000;
        g.LimitXMax = 100000000;
        g.LimitLeftMin = -100000;
        g.LimitLeftMax = 100000;
    }
    std::pair<QImage, QImage> Both(double from, double to)
    {
        const double x0 = s->Points.front().X, x1 = s->Points.back().X, w = std::max(x1 - x0, 1.0);
        double y0 = s->Points.front().Y, y1 = y0;
        for (const TPoint2D& p : s->Points) {
            y0 = std::min(y0, p.Y);
            y1 = std::max(y1, p.Y);
        }
        g.SetVisLeftRect({x0 + from * w, y0 - 1, x0 + to * w, y1 + 1});
        g.ReferenceRenderer = false;
        g.NeedsRender = true;
        const QImage fast = g.PaintToImage().copy();
        g.ReferenceRenderer = true;
        g.NeedsRender = true;
        return {fast, g.PaintToImage().copy()};
    }
};

// Points one X unit apart on average (minutes), several on a unit now and
// then, with holes of more than an hour now and then.
struct Source {
    std::mt19937 rng;
    double x = 0, y = 50;
    explicit Source(unsigned seed) : rng(seed) {}
    TPoint2D Next()
    {
        std::uniform_int_distribution<int> pick(0, 300);
        std::normal_distribution<double> step(0, 2);
        const int p = pick(rng);
        x += p == 0 ? 75 : (p < 100 ? 0.25 : 1);
        y += step(rng);
        if (p == 1)
            y = std::round(y); // ties of lowest and highest
        return {x, y};
    }
};

struct Sequence {
    const char* name;
    TAxisType axis;
    int width;
    bool markers;
    size_t retainCount;
    double retainSpan;
};

const Sequence kSequences[] = {
    {"plain axis, width 1", atNumber, 1, false, 0, 0},
    {"minutes with holes, width 1", atMinutes, 1, false, 0, 0},
    {"minutes with holes, width 3", atMinutes, 3, false, 9000, 0},
    {"minutes, markers", atMinutes, 1, true, 0, 0},
    {"minutes, markers, width 3", atMinutes, 3, true, 0, 3000},
    {"retained span, width 1", atMinutes, 1, false, 0, 6000},
};

// A random non-empty range [a, b) of the positions of `size` points.
std::pair<int64_t, int64_t> RandomRange(std::mt19937& rng, int64_t size)
{
    std::uniform_int_distribution<int64_t> pos(0, size - 1);
    int64_t a = pos(rng), b = pos(rng) + 1;
    if (a >= b)
        std::swap(a, b), ++b;
    return {a, b};
}

} // namespace

TEST(LiveSeries, AfterAppendsAndDropsTheFastRendererDrawsWhatTheWalkDraws)
{
    for (const Sequence& q : kSequences) {
        LiveGraph live(q.axis, q.width, q.markers);
        live.s->RetainCount = q.retainCount;
        live.s->RetainSpan = q.retainSpan;
        Source source(unsigned(q.width * 31 + q.retainCount + int(q.retainSpan)));
        std::mt19937 rng(17);
        std::uniform_int_distribution<int> op(0, 9), amount(1, 700);
        std::vector<TPoint2D> block;
        for (int step = 0; step < 25; ++step) {
            const int o = op(rng);
            if (o < 4) { // one by one
                for (int n = amount(rng) * 4; n > 0; --n)
                    ASSERT_TRUE(live.s->Append(source.Next()));
            } else if (o < 7) { // a block
                block.clear();
                for (int n = amount(rng) * 4; n > 0; --n)
                    block.push_back(source.Next());
                ASSERT_TRUE(live.s->Append(block.data(), block.size()));
            } else if (o < 9) {
                live.s->DropFront(size_t(amount(rng)) * (q.markers ? 1 : 3));
            } else if (live.s->Points.empty()) {
                live.s->Append(source.Next());
            }
            if (live.s->Points.size() < 2)
                continue;
            live.g.PointsAppended(live.s);
            const double views[][2] = {{0, 1}, {0.61, 0.62}, {-0.2, 0.3}, {0.9, 1.3}};
            for (const auto& v : views) {
                if (q.markers && v[1] - v[0] > 0.1)
                    continue; // markers on every point of a dense whole view add time, not cases
                const auto [fast, reference] = live.Both(v[0], v[1]);
                ASSERT_EQ(DifferentPixels(fast, reference), 0)
                    << q.name << ", step " << step << ", view " << v[0] << ".." << v[1] << ", "
                    << live.s->Points.size() << " points from position " << live.s->Points.FirstPosition();
            }
        }
        if (q.retainCount > 0)
            EXPECT_LE(live.s->Points.size(), q.retainCount) << q.name;
        if (q.retainSpan > 0)
            EXPECT_LE(live.s->Points.back().X - live.s->Points.front().X, q.retainSpan) << q.name;
    }
}

TEST(LiveSeries, AFrameDrawnFromTheKeptColumnsEqualsAPaintFromScratch)
{
    struct Run {
        const char* name;
        int width;
        bool markers;
        double span; // the view's width, X units
        int frames;
    };
    const Run runs[] = {{"width 1", 1, false, 6000, 80}, {"width 3, markers", 3, true, 3000, 30}};
    for (const Run& r : runs) {
        LiveGraph live(atMinutes, r.width, r.markers);
        live.s->RetainCount = 12000;
        Source source(23);
        for (int i = 0; i < 12000; ++i)
            live.s->Append(source.Next());
        const double y = live.s->Points.back().Y;
        live.g.SetVisLeftRect({0, y - 400, r.span, y + 400});
        live.g.SetFollow(true);
        live.g.PaintToImage();
        std::mt19937 rng(29);
        std::uniform_int_distribution<int> gained(0, 20), event(0, 12);
        for (int frame = 0; frame < r.frames; ++frame) {
            const TRect2D v = live.g.VisLeftRect();
            const double third = (v.XMax - v.XMin) / 3;
            switch (event(rng)) {
            case 0: // the user pans back: the view jumps and stays
                live.g.SetFollow(false);
                live.g.SetVisLeftRect({v.XMin - 2 * third, v.YMin, v.XMax - 2 * third, v.YMax});
                break;
            case 1: // a narrower view, following again
                live.g.SetVisLeftRect({v.XMin + third, v.YMin, v.XMax, v.YMax});
                live.g.SetFollow(true);
                break;
            case 2:
                live.s->DropFront(700);
                break;
            default:
                break;
            }
            for (int n = gained(rng); n > 0; --n)
                live.s->Append(source.Next());
            live.g.PointsAppended(live.s);
            const QImage kept = live.g.PaintToImage().copy();
            live.s->Invalidate(); // the index and the columns built anew
            live.g.NeedsRender = live.g.NeedsBackground = true;
            ASSERT_EQ(DifferentPixels(kept, live.g.PaintToImage()), 0)
                << r.name << ", frame " << frame << ", view " << live.g.VisLeftRect().XMin << ".." << live.g.VisLeftRect().XMax;
        }
    }
}

TEST(LiveSeries, TheIndexFindsTheExtremesOfAnyRangeAfterAppendsAndDrops)
{
    TSeries s;
    Source source(4);
    std::mt19937 rng(5);
    s.Index(); // kept from the start, not built at the end
    for (int round = 0; round < 40; ++round) {
        for (int n = 0; n < 7000; ++n)
            s.Append(source.Next());
        s.DropFront(size_t(std::uniform_int_distribution<int>(0, 9000)(rng)));
        const TSeriesIndex& index = s.Index();
        for (int t = 0; t < 20; ++t) {
            const auto [a, b] = RandomRange(rng, int64_t(s.Points.size()));
            int64_t lo = a, hi = a;
            for (int64_t i = a; i < b; ++i) {
                lo = s.Points[size_t(i)].Y < s.Points[size_t(lo)].Y ? i : lo;
                hi = s.Points[size_t(i)].Y > s.Points[size_t(hi)].Y ? i : hi;
            }
            const TSeriesIndex::Extremes e = index.Range(s.Points, a, b);
            ASSERT_EQ(e.Lowest, lo) << "round " << round << ", " << a << ".." << b;
            ASSERT_EQ(e.Highest, hi) << "round " << round << ", " << a << ".." << b;
        }
    }
}

// Where a line ends in a pixel column, the fast renderer passes over the
// points that end it on one pixel by whole index blocks: long plateaus (and
// failed readings, +infinity to the index) across chunks and drops.
TEST(LiveSeries, TheIndexFindsTheRunOfValuesThatEndsARange)
{
    TSeries s;
    s.Index();
    std::mt19937 rng(6);
    std::uniform_int_distribution<int> hold(1, 3000), level(0, 10), widen(0, 2), drop(0, 20000);
    double x = 0;
    for (int round = 0; round < 40; ++round) {
        for (int plateau = 0; plateau < 6; ++plateau) {
            const int l = level(rng);
            const double y = l == 10 ? std::nan("") : double(l);
            for (int n = hold(rng); n > 0; --n)
                s.Append({x++, y});
        }
        s.DropFront(size_t(drop(rng)));
        if (s.Points.empty())
            continue;
        const TSeriesIndex& index = s.Index();
        for (int t = 0; t < 20; ++t) {
            const auto [a, b] = RandomRange(rng, int64_t(s.Points.size()));
            const double end = TSeriesIndex::Key(s.Points[size_t(b - 1)].Y);
            const double lo = end - widen(rng), hi = end + widen(rng); // an interval of Keys
            const auto inside = [&](double key) { return key >= lo && key <= hi; };
            int64_t run = b;
            while (run > a && inside(TSeriesIndex::Key(s.Points[size_t(run - 1)].Y)))
                --run;
            ASSERT_EQ(index.TrailingRun(s.Points, a, b, inside), run) << "round " << round << ", " << a << ".." << b;
        }
    }
}

TEST(LiveSeries, RetentionBoundsTheMemoryOfAnEndlessFeed)
{
    TSeries s;
    s.RetainCount = 100000;
    s.Index();
    for (int i = 0; i < 3000000; ++i)
        s.Append({double(i), double(i % 977)});
    EXPECT_EQ(s.Points.size(), 100000u);
    EXPECT_EQ(s.Points.front().X, 2900000);
    const size_t own = 100000 * sizeof(TPoint2D);
    EXPECT_LE(s.Points.Bytes(), own + 2 * TPointStore::ChunkSize * sizeof(TPoint2D));
    EXPECT_LE(s.CacheBytes(), own / 12); // the index: a twentieth, with room to grow
}

TEST(LiveSeries, AppendRefusesPointsBeforeTheNewestAndLeavesTheSeriesAsItWas)
{
    TSeries s;
    ASSERT_TRUE(s.Append({10, 1}));
    ASSERT_TRUE(s.Append({10, 2})); // the same X is in order
    const TPoint2D block[] = {{11, 0}, {9, 0}};
    const TPoint2D nan[] = {{std::nan(""), 0}};
    EXPECT_FALSE(s.Append({9.5, 3}));
    EXPECT_FALSE(s.Append(block, 2));
    EXPECT_FALSE(s.Append(nan, 1));
    EXPECT_FALSE(s.Append(nan[0]));
    ASSERT_EQ(s.Points.size(), 2u);
    EXPECT_EQ(s.Points.back().Y, 2);
}

TEST(LiveSeries, PointsReplacedWholeAreIndexedAnew)
{
    // The same number of points again after a clear, or an assignment,
    // must not be drawn from the index of the old ones.
    LiveGraph live(atNumber, 1, false);
    Source source(8);
    for (int i = 0; i < 20000; ++i)
        live.s->Append(source.Next());
    live.Both(0, 1);
    const auto refill = [&](int how) {
        std::vector<TPoint2D> points;
        for (size_t i = 0; i < live.s->Points.size(); ++i)
            points.push_back({live.s->Points[i].X, 100 - live.s->Points[i].Y});
        if (how == 0) {
            live.s->Points.clear();
            for (const TPoint2D& p : points)
                live.s->Points.push_back(p);
        } else if (how == 1) {
            live.s->Points = points;
        } else {
            live.s->Points.resize(points.size() / 2); // cut from the back, then filled again
            for (size_t i = points.size() / 2; i < points.size(); ++i)
                live.s->Points.push_back(points[i]);
            for (size_t i = 0; i < points.size() / 2; ++i)
                live.s->Points[i] = points[i];
        }
    };
    for (int how = 0; how < 3; ++how) {
        refill(how);
        live.g.PointsAppended(live.s);
        const auto [fast, reference] = live.Both(0, 1);
        EXPECT_EQ(DifferentPixels(fast, reference), 0) << "refill " << how;
    }
}

// ---- follow mode ----------------------------------------------------------------

namespace {

// 400 x 300, X limits 0..100000, a live series one point per X unit up to 5000.
struct FollowGraph {
    ProbeGraph g;
    TSeries* s = new TSeries;
    FollowGraph()
    {
        g.resize(400, 300);
        g.AddSerie(s);
        g.LimitXMin = 0;
        g.LimitXMax = 100000;
        g.LimitLeftMin = 0;
        g.LimitLeftMax = 100;
        Feed(5000);
        g.SetVisLeftRect({1000, 0, 2000, 100});
        g.PaintToImage();
    }
    void Feed(int n)
    {
        for (int i = 0; i < n; ++i)
            s->Append({s->Points.empty() ? 0 : s->Points.back().X + 1, 50});
        g.PointsAppended(s);
    }
    QPoint At(double fx, double fy) const
    {
        const TRect& p = g.PlotRect();
        return QPoint(p.Left + int(fx * (p.Right - p.Left)), p.Top + int(fy * (p.Bottom - p.Top)));
    }
};

} // namespace

TEST(FollowMode, TheViewKeepsItsWidthAndEndsAtTheNewestPoint)
{
    FollowGraph f;
    f.g.SetFollow(true);
    EXPECT_TRUE(f.g.Following());
    EXPECT_EQ(f.g.VisLeftRect(), (TRect2D{3999, 0, 4999, 100}));
    f.Feed(500);
    EXPECT_EQ(f.g.VisLeftRect(), (TRect2D{4499, 0, 5499, 100}));
    EXPECT_TRUE(f.g.NeedsRender);
    f.g.LimitXMax = 5200; // the view stops at the limit, its width kept
    f.Feed(500);
    EXPECT_EQ(f.g.VisLeftRect(), (TRect2D{4200, 0, 5200, 100}));
    f.g.SetFollow(false);
    f.g.LimitXMax = 100000;
    f.Feed(10);
    EXPECT_EQ(f.g.VisLeftRect().XMax, 5200);
}

TEST(FollowMode, ZoomPanAndBandLeaveItAndTheZoomOutClickReturns)
{
    struct Action {
        const char* name;
        void (*act)(FollowGraph&);
        bool leaves;
    };
    const Action actions[] = {
        {"rubber band zoom", [](FollowGraph& f) { f.g.Drag(mbLeft, f.At(0.2, 0.2), f.At(0.6, 0.7)); }, true},
        {"pan", [](FollowGraph& f) { f.g.Drag(mbRight, f.At(0.6, 0.5), f.At(0.3, 0.5)); }, true},
        {"band still being drawn", [](FollowGraph& f) {
             f.g.MouseDown(mbLeft, ssLeft, f.At(0.2, 0.2).x(), f.At(0.2, 0.2).y());
             for (int i = 1; i <= 3; ++i)
                 f.g.MouseMove(ssLeft, f.At(0.2 + 0.1 * i, 0.5).x(), f.At(0.2, 0.5).y());
         }, true},
        {"click without a band", [](FollowGraph& f) { f.g.Click(mbLeft, f.At(0.5, 0.5)); }, false},
    };
    for (const Action& a : actions) {
        FollowGraph f;
        f.g.SetFollow(true);
        a.act(f);
        EXPECT_EQ(f.g.Following(), !a.leaves) << a.name;
        const TRect2D held = f.g.VisLeftRect();
        f.Feed(300);
        if (a.leaves)
            EXPECT_EQ(f.g.VisLeftRect(), held) << a.name << ": the view stays while left";
        else
            EXPECT_EQ(f.g.VisLeftRect().XMax, 5299) << a.name;
        f.g.KivGraphWndProc(TKivGraph::THookMessage::Button, QPoint()); // ends a band under way
        f.g.Click(mbRight, f.At(0.5, 0.5)); // zoom out
        EXPECT_TRUE(f.g.Following()) << a.name;
        EXPECT_EQ(f.g.VisLeftRect().XMax, 5299) << a.name;
        f.Feed(1);
        EXPECT_EQ(f.g.VisLeftRect().XMax, 5300) << a.name;
    }
}

TEST(FollowMode, AZoomOutClickDoesNotStartItWhereTheHostDidNotAskForIt)
{
    FollowGraph f;
    f.g.Click(mbRight, f.At(0.5, 0.5));
    EXPECT_FALSE(f.g.Following());
    f.Feed(10);
    EXPECT_EQ(f.g.VisLeftRect(), (TRect2D{500, 0, 2500, 100}));
}
