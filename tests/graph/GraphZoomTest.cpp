// Rubber-band zoom, zoom-out click, pan, the animated zoom on its thread and
// the window-procedure hook.

#include "GraphProbe.h"
#include "framework/Thread.h"
#include "graph/ZoomThread.h"

#include <QCoreApplication>
#include <QSignalSpy>
#include <gtest/gtest.h>

#include <chrono>
#include <thread>

namespace {

// 400 x 300 over X 0..1000, Y 0..100, showing 200..600 x 20..80.
struct ZoomGraph {
    ProbeGraph g;
    QSignalSpy clicks{&g, &TKivGraph::OnGraphClick};
    ZoomGraph()
    {
        g.resize(400, 300);
        g.LimitXMin = 0;
        g.LimitXMax = 1000;
        g.LimitLeftMin = 0;
        g.LimitLeftMax = 100;
        g.SetVisLeftRect({200, 20, 600, 80});
        g.PaintToImage(); // lays the plot out
        g.views.clear();
    }
    QPoint Centre() const
    {
        const TRect& p = g.PlotRect();
        return QPoint((p.Left + p.Right) / 2, (p.Top + p.Bottom) / 2);
    }
};

// Runs the message loop until the graph's zoom thread is gone (or 3 s passed).
void RunZoom(TKivGraph& g)
{
    const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(3);
    while (g.ZoomThread() && std::chrono::steady_clock::now() < until) {
        QCoreApplication::processEvents();
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
}

} // namespace

TEST(GraphZoom, AClickWithoutMovingFiresOnGraphClickAndDoesNotZoom)
{
    ZoomGraph z;
    z.g.Click(mbLeft, z.Centre());
    EXPECT_EQ(z.clicks.count(), 1);
    EXPECT_EQ(z.g.VisLeftRect(), (TRect2D{200, 20, 600, 80}));
    EXPECT_EQ(z.g.MouseState(), 0);
}

TEST(GraphZoom, ABandOfTenByTenPixelsDoesNothing)
{
    ZoomGraph z;
    z.g.Drag(mbLeft, z.Centre(), z.Centre() + QPoint(10, 10));
    EXPECT_EQ(z.clicks.count(), 0);
    EXPECT_TRUE(z.g.views.empty());
}

TEST(GraphZoom, ABandIsShownWhileHeldAndZoomsAtOnceWithZoomTimeZero)
{
    ZoomGraph z;
    const QImage before = z.g.PaintToImage().copy();
    const TRect& p = z.g.PlotRect();
    const QPoint from(p.Left + p.Width() / 4, p.Top + p.Height() / 4), to(p.Left + p.Width() * 3 / 4, p.Top + p.Height() * 3 / 4);
    z.g.MouseDown(mbLeft, ssLeft, from.x(), from.y());
    for (int i = 1; i <= 3; ++i)
        z.g.MouseMove(ssLeft, to.x(), to.y());
    // The band is drawn in XOR over the picture while the button is held.
    EXPECT_NE(z.g.PaintToImage().pixel(from.x() + 5, from.y()), before.pixel(from.x() + 5, from.y()));
    z.g.MouseUp(mbLeft, {}, to.x(), to.y());
    const TRect2D v = z.g.VisLeftRect();
    EXPECT_NEAR(v.XMin, 200 + 400.0 * (from.x() - p.Left) / p.Width(), 1e-9);
    EXPECT_NEAR(v.XMax, 200 + 400.0 * (to.x() - p.Left) / p.Width(), 1e-9);
    EXPECT_NEAR(v.YMax, 20 + 60.0 * (p.Bottom - from.y()) / p.Height(), 1e-9);
    EXPECT_EQ(z.g.ZoomThread(), nullptr);
}

TEST(GraphZoom, ABandThatAdjustZoomWidensBackToTheViewDoesNotZoom)
{
    ZoomGraph z;
    z.g.LimitXMin = z.g.LimitXMax = 500; // a view of no width: it opens to the narrowest span
    z.g.DrawGraphic();
    z.g.PaintToImage();
    const TRect2D narrowest = z.g.VisLeftRect();
    ASSERT_NEAR(narrowest.XMax - narrowest.XMin, 0.1, 1e-12);
    z.g.views.clear();
    // Tall and narrow: widened to 0.1 in X, its Y grows by as much and exceeds the view.
    z.g.Drag(mbLeft, z.Centre() - QPoint(8, 100), z.Centre() + QPoint(8, 100));
    EXPECT_TRUE(z.g.views.empty());
    EXPECT_EQ(z.g.VisLeftRect(), narrowest);
}

TEST(GraphZoom, ARightClickDoublesTheSpansWithinTheLimits)
{
    ZoomGraph z;
    z.g.Click(mbRight, z.Centre());
    EXPECT_EQ(z.g.VisLeftRect(), (TRect2D{0, 0, 800, 100})); // 0..800 and -10..110 clamped
    z.g.Click(mbRight, z.Centre());
    EXPECT_EQ(z.g.VisLeftRect(), (TRect2D{0, 0, 1000, 100}));
}

TEST(GraphZoom, ARightDragPansAndStopsAtTheLimit)
{
    ZoomGraph z;
    const TRect& p = z.g.PlotRect();
    z.g.Drag(mbRight, z.Centre(), z.Centre() - QPoint(p.Width() / 4, 0)); // drag left: later X
    EXPECT_NEAR(z.g.VisLeftRect().XMin, 300, 400.0 / p.Width() * 2);
    EXPECT_NEAR(z.g.VisLeftRect().XMax, 700, 400.0 / p.Width() * 2);
    EXPECT_EQ(z.g.VisLeftRect().YMin, 20); // zoom-out click not taken: it moved
    z.g.Drag(mbRight, z.Centre(), z.Centre() + QPoint(p.Width(), 0)); // far right: earlier X
    EXPECT_EQ(z.g.VisLeftRect().XMin, 0);
    // Released mid-drag: the pan stops when the right button is no longer held.
    z.g.views.clear();
    z.g.MouseDown(mbRight, ssRight, 100, 100);
    for (int i = 0; i < 4; ++i)
        z.g.MouseMove({}, 100 + i * 10, 100);
    EXPECT_TRUE(z.g.views.empty());
    EXPECT_EQ(z.g.MouseState(), 0);
}

TEST(GraphZoom, WithZoomTime500TheViewMovesInStepsForHalfASecond)
{
    ZoomGraph z;
    z.g.ZoomTime = 500;
    z.g.RenderTime = 0;
    const auto start = std::chrono::steady_clock::now();
    z.g.Click(mbRight, z.Centre());
    ASSERT_NE(z.g.ZoomThread(), nullptr);
    z.g.Click(mbRight, z.Centre()); // ignored while the animation runs
    RunZoom(z.g);
    const double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    EXPECT_EQ(z.g.ZoomThread(), nullptr);
    EXPECT_GE(ms, 450);
    ASSERT_GE(z.g.views.size(), 3u);
    for (size_t i = 1; i < z.g.views.size(); ++i)
        EXPECT_LE(z.g.views[i].XMin, z.g.views[i - 1].XMin);
    EXPECT_EQ(z.g.VisLeftRect(), (TRect2D{0, 0, 800, 100}));
}

TEST(GraphZoom, StepsInterpolateFromStartToTarget)
{
    const TRect2D from{0, 0, 100, 10}, to{50, 5, 60, 6};
    EXPECT_EQ(TZoomThread::Step(from, to, 200, 0), from);
    EXPECT_EQ(TZoomThread::Step(from, to, 200, 100), (TRect2D{25, 2.5, 80, 8}));
    EXPECT_EQ(TZoomThread::Step(from, to, 200, 200), to);
}

TEST(GraphZoom, AGraphDestroyedDuringAnAnimationStopsItsThread)
{
    for (int wait : {0, 30}) {
        auto* z = new ZoomGraph;
        z->g.ZoomTime = 500;
        z->g.Click(mbRight, z->Centre());
        ASSERT_NE(z->g.ZoomThread(), nullptr);
        const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(wait);
        while (std::chrono::steady_clock::now() < until)
            QCoreApplication::processEvents();
        delete z; // terminates, waits for and frees the thread
    }
    QCoreApplication::processEvents();
}

TEST(GraphZoom, TheHookCancelsTheActionOutsideThePlotAndOnButtons)
{
    ZoomGraph z;
    z.g.MouseDown(mbRight, ssRight, z.Centre().x(), z.Centre().y());
    ASSERT_EQ(z.g.MouseState(), 3);
    const QPoint origin = z.g.mapToGlobal(QPoint(0, 0));
    z.g.KivGraphWndProc(TKivGraph::THookMessage::MouseMove, origin + z.Centre() + QPoint(4, 0));
    EXPECT_EQ(z.g.MouseState(), 3);
    EXPECT_EQ(z.g.PanAnchor(), z.Centre() + QPoint(4, 0));
    z.g.KivGraphWndProc(TKivGraph::THookMessage::MouseMove, origin + QPoint(1, 1));
    EXPECT_EQ(z.g.MouseState(), 0);
    z.g.MouseDown(mbLeft, ssLeft, z.Centre().x(), z.Centre().y());
    ASSERT_EQ(z.g.MouseState(), 4);
    z.g.KivGraphWndProc(TKivGraph::THookMessage::Button, origin + z.Centre());
    EXPECT_EQ(z.g.MouseState(), 0);
}

TEST(GraphZoom, ABandZoomsFrom15PixelsInEitherDirection)
{
    const struct {
        QPoint size;
        bool zooms;
    } rows[] = {{{14, 14}, false}, {{15, 3}, true}, {{3, 15}, true}, {{14, 0}, false}};
    for (const auto& r : rows) {
        ZoomGraph z;
        z.g.Drag(mbLeft, z.Centre(), z.Centre() + r.size);
        EXPECT_EQ(!z.g.views.empty(), r.zooms) << r.size.x() << " x " << r.size.y();
    }
}

// Y pans within the limits widened by a tenth of each (20 .. 100 here: 18 .. 110).
TEST(GraphZoom, APanStopsATenthBeyondEachYLimit)
{
    for (int direction : {-1, 1}) {
        ZoomGraph z;
        z.g.LimitLeftMin = 20;
        const int h = z.g.PlotRect().Height();
        z.g.Drag(mbRight, z.Centre(), z.Centre() + QPoint(0, direction * h));
        const TRect2D v = z.g.VisLeftRect();
        if (direction < 0) {
            EXPECT_EQ(v.YMin, 18);
            EXPECT_EQ(v.YMax, 80);
        } else {
            EXPECT_EQ(v.YMin, 20);
            EXPECT_EQ(v.YMax, 110);
        }
        EXPECT_EQ(v.XMin, 200);
    }
}
