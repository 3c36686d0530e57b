// The QML module against the widgets, offscreen on the software scene graph:
// a trend graph of 10 M points repainting one zoom step, as a widget (its
// picture alone, and its paint event's picture read back as a screen would
// show it) and as a KivGraph item (the step through zoomTo, the component's
// paint, the item's picture and a frame of the window drawn as onto the
// screen); and a fader item dragged, per mouse move (the move through the
// window to the component, the new value notified, the item's new picture
// taken) and per move with a frame.

#include "BenchMain.h"
#include "WalkSeries.h"
#include "graph/KivGraph.h"
#include "qml/QuilItem.h"
#include "widgets/GFader.h"

#include <QMouseEvent>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QQuickItem>
#include <QQuickRenderControl>
#include <QQuickRenderTarget>
#include <QQuickWindow>
#include <QSGRendererInterface>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

constexpr int kWidth = 800;
constexpr int kHeight = 400;

void FillWalk(TKivGraph& g, int n)
{
    g.AddSerie(WalkWithDailySine(n));
    g.LimitXMin = 0;
    g.LimitXMax = n;
    g.LimitLeftMin = 0;
    g.LimitLeftMax = 120;
    g.SetVisLeftRect({0, 0, double(n), 120});
}

// Two views a zoom step apart (the second a fifth narrower), taken in turn.
TRect2D ZoomStep(int n, long iteration)
{
    const double span = iteration % 2 ? n * 0.8 : double(n);
    return {(n - span) / 2, 0, (n + span) / 2, 120};
}

// A window on the software scene graph holding one item made from QML. Its
// frames are drawn by a render control into an image standing for the
// screen, as the window's backing store takes them: the whole frame, and
// nothing read back.
struct Scene {
    QQmlEngine engine;
    QQuickRenderControl control;
    std::unique_ptr<QQuickWindow> window;
    QImage screen;
    QQuickItem* item = nullptr;

    Scene(const QByteArray& qml, int width, int height)
        : window(std::make_unique<QQuickWindow>(&control)), screen(width, height, QImage::Format_RGB32)
    {
        engine.addImportPath(QStringLiteral(QUIL_QML_IMPORT_DIR));
        QQmlComponent component(&engine);
        component.setData("import Quil\n" + qml, QUrl());
        item = qobject_cast<QQuickItem*>(component.create());
        if (!item)
            qFatal("QmlBench: %s", qPrintable(component.errorString()));
        window->resize(width, height);
        window->setRenderTarget(QQuickRenderTarget::fromPaintDevice(&screen));
        item->setParentItem(window->contentItem());
        Frame();
    }
    ~Scene() { delete item; }
    QuilItem& Quil() const { return *static_cast<QuilItem*>(item); }
    // The component's paint reaches the item, the item takes its picture, the window draws.
    void Frame()
    {
        QCoreApplication::sendPostedEvents();
        control.polishItems();
        control.beginFrame();
        control.sync();
        control.render();
        control.endFrame();
        benchmark::DoNotOptimize(screen.constBits());
    }
};

void WidgetZoomStep(benchmark::State& state)
{
    const int n = int(state.range(0));
    TKivGraph g;
    g.resize(kWidth, kHeight);
    FillWalk(g, n);
    g.PaintToImage();
    long i = 0;
    for (auto _ : state) {
        g.SetVisLeftRect(ZoomStep(n, ++i));
        g.NeedsRender = true;
        benchmark::DoNotOptimize(g.PaintToImage().constBits());
    }
}
BENCHMARK(WidgetZoomStep)->Name("BM_TrendZoomStepWidget")->Arg(10000000)->Unit(benchmark::kMillisecond);

// The same step as the screen shows it: the widget's paint event drawing its
// picture into a surface that is then read, as the item's frame is.
void WidgetZoomStepShown(benchmark::State& state)
{
    const int n = int(state.range(0));
    TKivGraph g;
    g.resize(kWidth, kHeight);
    FillWalk(g, n);
    g.grab();
    long i = 0;
    for (auto _ : state) {
        g.SetVisLeftRect(ZoomStep(n, ++i));
        g.NeedsRender = true;
        benchmark::DoNotOptimize(g.grab().cacheKey());
    }
}
BENCHMARK(WidgetZoomStepShown)->Name("BM_TrendZoomStepWidgetShown")->Arg(10000000)->Unit(benchmark::kMillisecond);

void QmlZoomStep(benchmark::State& state)
{
    const int n = int(state.range(0));
    Scene scene(QByteArray("KivGraph { width: ") + QByteArray::number(kWidth) + "; height: " +
                    QByteArray::number(kHeight) + " }",
                kWidth, kHeight);
    auto& g = static_cast<TKivGraph&>(*scene.Quil().Component());
    FillWalk(g, n);
    g.DrawGraph();
    scene.Frame();
    long i = 0;
    for (auto _ : state) {
        const TRect2D r = ZoomStep(n, ++i);
        QMetaObject::invokeMethod(scene.item, "zoomTo", Q_ARG(double, r.XMin), Q_ARG(double, r.YMin),
                                  Q_ARG(double, r.XMax), Q_ARG(double, r.YMax));
        scene.Frame();
    }
    state.counters["pictures"] = scene.Quil().pictureCount();
}
BENCHMARK(QmlZoomStep)->Name("BM_TrendZoomStepQml")->Arg(10000000)->Unit(benchmark::kMillisecond);

// A drag back and forth over the fader's track, one pixel a move.
struct FaderDrag {
    Scene scene{"GFader { max: 1000 }", 200, 80};
    QPointF at;
    int dx = 1;

    FaderDrag()
    {
        const auto& fader = static_cast<const TGFader&>(*scene.Quil().Component());
        at = QPointF(fader.GetHeadX() + 4, fader.GetHeadY() + 5);
        Send(QEvent::MouseButtonPress, Qt::LeftButton);
    }
    ~FaderDrag() { Send(QEvent::MouseButtonRelease, Qt::NoButton); }
    void Send(QEvent::Type type, Qt::MouseButtons buttons)
    {
        QMouseEvent e(type, at, at, at, Qt::LeftButton, buttons, Qt::NoModifier);
        QCoreApplication::sendEvent(scene.window.get(), &e);
    }
    void Move()
    {
        if (at.x() >= scene.item->width() - 5 || at.x() <= 5)
            dx = -dx;
        at.rx() += dx;
        Send(QEvent::MouseMove, Qt::LeftButton);
        QCoreApplication::sendPostedEvents();
    }
};

void QmlFaderMove(benchmark::State& state)
{
    FaderDrag drag;
    for (auto _ : state)
        drag.Move();
    state.counters["value"] = drag.scene.item->property("value").toDouble();
}
BENCHMARK(QmlFaderMove)->Name("BM_QmlFaderDragMove")->Unit(benchmark::kMicrosecond);

void QmlFaderMoveWithFrame(benchmark::State& state)
{
    FaderDrag drag;
    for (auto _ : state) {
        drag.Move();
        drag.scene.Frame();
    }
}
BENCHMARK(QmlFaderMoveWithFrame)->Name("BM_QmlFaderDragMoveAndFrame")->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    QQuickWindow::setGraphicsApi(QSGRendererInterface::Software);
    return RunBenchmarks(argc, argv);
}
