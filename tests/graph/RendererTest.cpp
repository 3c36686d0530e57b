// The fast line renderer against the plain walk over every point: the same
// pixels for every shape of data, view, line width and marker setting.

#include "framework/SegmentPainter.h"
#include "GraphTestData.h"
#include "graph/KivGraph.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <random>
#include <string>

namespace {

struct Case {
    const char* name;
    TSeries* (*make)();
    TAxisType axis;
};

struct View {
    const char* name;
    double from, to; // fractions of the data's X range
    double yFrom, yTo;
};

TSeries* Walk() { return GraphTestData::RandomWalk(200000, 7); }
TSeries* SparseWalk() { return GraphTestData::RandomWalk(700, 8, 0, 3); }
TSeries* Sine() { return GraphTestData::NoisySine(150000, 9, 5); }
TSeries* Minutes() { return GraphTestData::MinutesWithHoles(1440 * 3, 20, 10); }
TSeries* SparseMinutes() { return GraphTestData::MinutesWithHoles(1440 * 2, 1, 11); }
// A sensor that fails now and then: a Y that is not a number is drawn at the top.
TSeries* WalkWithFailures()
{
    TSeries* s = GraphTestData::RandomWalk(200000, 12);
    for (size_t i = 500; i < s->Points.size(); i += 997)
        s->Points[i].Y = std::nan("");
    return s;
}

// Plateaus of up to a few columns, ending on a new lowest value, a step up
// and a last run a hair lower still: where the line ends, the last pixel is
// then painted only by the points before the step.
TSeries* Plateaus()
{
    auto* s = new TSeries;
    std::mt19937 rng(13);
    std::uniform_int_distribution<int> hold(1, 600);
    std::normal_distribution<double> step(0, 3);
    double y = 50, lowest = y;
    int i = 0;
    while (i < 150000) {
        y += step(rng);
        lowest = std::min(lowest, y);
        for (int n = hold(rng); n > 0; --n)
            s->Points.push_back({double(i++), y});
    }
    for (const auto& [count, value] : {std::pair{20, lowest - 5}, {20, lowest + 5}, {30, lowest - 5.001}})
        for (int n = 0; n < count; ++n)
            s->Points.push_back({double(i++), value});
    return s;
}

const Case kCases[] = {
    {"random walk", Walk, atNumber},        {"sparse walk", SparseWalk, atNumber},
    {"noisy sine", Sine, atNumber},         {"walk on a minutes axis", Walk, atMinutes},
    {"minutes with holes", Minutes, atMinutes}, {"sparse minutes with holes", SparseMinutes, atMinutes},
    {"walk with failed readings", WalkWithFailures, atNumber}, {"plateaus", Plateaus, atNumber},
};

const View kViews[] = {
    {"whole", 0, 1, 0, 1},
    {"middle", 0.43, 0.47, 0.2, 0.8},
    {"deep middle", 0.5, 0.5004, 0.3, 0.7},
    {"past the left end", -0.3, 0.2, 0, 1},
    {"past the right end", 0.85, 1.4, 0.1, 0.9},
};

// Renders the series in the view once by each renderer.
std::pair<QImage, QImage> RenderBoth(const Case& c, const View& v, int lineWidth, bool markers)
{
    TKivGraph g;
    g.resize(800, 400);
    g.XAxisType = c.axis;
    g.SetLineWidth(lineWidth);
    g.ShowMarkers = markers;
    g.SetGridStyle(TKivGraph::gsNone);
    TSeries* s = c.make();
    s->Color = clBlue;
    g.AddSerie(s);
    const double x0 = s->Points.front().X, x1 = s->Points.back().X;
    double y0 = s->Points.front().Y, y1 = y0;
    for (const auto& p : s->Points) {
        y0 = std::min(y0, p.Y);
        y1 = std::max(y1, p.Y);
    }
    g.LimitXMin = int(x0 - (x1 - x0)) - 1;
    g.LimitXMax = int(x1 + (x1 - x0)) + 1;
    g.LimitLeftMin = int(y0) - 1;
    g.LimitLeftMax = int(y1) + 1;
    const double w = x1 - x0, h = y1 - y0;
    g.SetVisLeftRect({x0 + v.from * w, y0 + v.yFrom * h, x0 + v.to * w, y0 + v.yTo * h});
    const QImage fast = g.PaintToImage().copy();
    g.ReferenceRenderer = true;
    g.NeedsRender = true;
    return {fast, g.PaintToImage().copy()};
}

int DifferentPixels(const QImage& a, const QImage& b)
{
    int count = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            count += a.pixel(x, y) != b.pixel(x, y);
    return count;
}

} // namespace

TEST(FastRenderer, DrawsTheSamePixelsAsTheWalkOverEveryPoint)
{
    for (const Case& c : kCases)
        for (const View& v : kViews)
            for (int width : {1, 3})
                for (bool markers : {false, true}) {
                    if (markers && std::string(c.name).find("sparse") == std::string::npos && width == 3)
                        continue; // wide markers on dense data add time, not cases
                    const auto [fast, reference] = RenderBoth(c, v, width, markers);
                    EXPECT_EQ(DifferentPixels(fast, reference), 0)
                        << c.name << ", " << v.name << ", width " << width << (markers ? ", markers" : "");
                }
}

TEST(FastRenderer, DrawsSomethingInEveryView)
{
    // Guards the comparison above against two equally empty pictures.
    const auto [fast, reference] = RenderBoth(kCases[0], kViews[1], 1, false);
    int blue = 0;
    for (int y = 0; y < fast.height(); ++y)
        for (int x = 0; x < fast.width(); ++x)
            blue += fast.pixel(x, y) == qRgb(0, 0, 255);
    EXPECT_GT(blue, 1000);
}

namespace {
int Coordinate(std::mt19937& rng, std::uniform_int_distribution<int>& near, std::uniform_int_distribution<int>& far,
           std::uniform_int_distribution<int>& pick)
{
    return pick(rng) == 0 ? far(rng) / 1000 : near(rng);
}
} // namespace

TEST(SegmentPainter, ThinSegmentsMatchLineToInsideAClipEvenFromFarAway)
{
    std::mt19937 rng(3);
    std::uniform_int_distribution<int> near(-40, 140), far(-3000000, 3000000), pick(0, 3);
    QImage a(100, 100, QImage::Format_RGB32), b(100, 100, QImage::Format_RGB32);
    a.fill(Qt::white);
    b.fill(Qt::white);
    TCanvas ca(&a), cb(&b);
    for (TCanvas* c : {&ca, &cb}) {
        c->Pen.Color = clRed;
        c->SetClipRect(TRect(10, 20, 90, 70));
    }
    TSegmentPainter painter(cb);
    for (int i = 0; i < 3000; ++i) {
        const auto coord = [&] { return pick(rng) == 0 ? far(rng) / 1000 : near(rng); };
        const QPoint p(coord(), coord()), q(coord(), coord());
        ca.MoveTo(p.x(), p.y());
        ca.LineTo(q.x(), q.y());
        painter.Add(p, q);
    }
    for (int i = 0; i < 300; ++i) { // up and down a column, as a dense curve goes
        const int x = near(rng) / 2;
        QPoint p(x, Coordinate(rng, near, far, pick));
        ca.MoveTo(p.x(), p.y());
        for (int k = 0; k < 4; ++k) {
            const QPoint q(x, Coordinate(rng, near, far, pick));
            ca.LineTo(q.x(), q.y());
            painter.Add(p, q);
            p = q;
        }
    }
    painter.Flush();
    EXPECT_EQ(DifferentPixels(a, b), 0);
}

TEST(SeriesIndex, FindsTheFirstLowestAndHighestPointOfAnyRange)
{
    std::unique_ptr<TSeries> s(GraphTestData::RandomWalk(300000, 5));
    for (size_t i = 0; i < s->Points.size(); i += 7)
        s->Points[i].Y = std::round(s->Points[i].Y); // ties
    const TSeriesIndex& index = s->Index();
    std::mt19937 rng(6);
    std::uniform_int_distribution<int64_t> pos(0, int64_t(s->Points.size()));
    for (int t = 0; t < 300; ++t) {
        int64_t a = pos(rng), b = pos(rng);
        if (t % 3 == 0)
            b = a + t; // short ranges too
        b = std::min<int64_t>(b, int64_t(s->Points.size()));
        if (a > b)
            std::swap(a, b);
        if (a == b)
            continue;
        int64_t lo = a, hi = a;
        for (int64_t i = a; i < b; ++i) {
            lo = s->Points[size_t(i)].Y < s->Points[size_t(lo)].Y ? i : lo;
            hi = s->Points[size_t(i)].Y > s->Points[size_t(hi)].Y ? i : hi;
        }
        const TSeriesIndex::Extremes e = index.Range(s->Points, a, b);
        ASSERT_EQ(e.Lowest, lo) << a << ".." << b;
        ASSERT_EQ(e.Highest, hi) << a << ".." << b;
    }
    EXPECT_LT(index.Bytes(), s->Points.size() * sizeof(TPoint2D) / 10);
}
