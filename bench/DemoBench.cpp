// The demo as the user meets it: building both windows and showing them up to
// the first painted main window (budget 300 ms, counting the program's own
// start as well), and a full paint of the shown main window with all its
// controls.

#include "BenchMain.h"
#include "app/GraphForm.h"
#include "app/MainForm.h"
#include "diagram/LvdVentDiagram.h"
#include "framework/Application.h"

#include <QCoreApplication>
#include <QEvent>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <memory>

namespace {

// Notes the first paint of a widget.
class PaintWatch : public QObject {
public:
    bool Painted = false;
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() == QEvent::Paint)
            Painted = true;
        return false;
    }
};

struct Demo {
    std::unique_ptr<TMainForm> main = std::make_unique<TMainForm>();
    std::unique_ptr<TGraphForm> panel = std::make_unique<TGraphForm>();
    ~Demo()
    {
        panel.reset();
        main.reset();
    }
};

void BM_DemoStartToFirstPaint(benchmark::State& state)
{
    for (auto _ : state) {
        auto demo = std::make_unique<Demo>();
        PaintWatch watch;
        demo->main->installEventFilter(&watch);
        demo->main->show();
        while (!watch.Painted)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
        state.PauseTiming();
        demo->main->removeEventFilter(&watch);
        demo.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_DemoStartToFirstPaint)->Unit(benchmark::kMillisecond)->Iterations(10);

void BM_MainWindowFullPaint(benchmark::State& state)
{
    Demo demo;
    demo.main->show();
    QCoreApplication::processEvents();
    QImage target(demo.main->size(), QImage::Format_RGB32);
    for (auto _ : state) {
        // The diagram and every other control repaint, as after a change.
        demo.main->Diagram->SetVentIndex(demo.main->Diagram->VentIndex() + 1);
        QPainter p(&target);
        demo.main->render(&p);
        benchmark::DoNotOptimize(target.constBits());
    }
}
BENCHMARK(BM_MainWindowFullPaint)->Unit(benchmark::kMillisecond)->Repetitions(3)->ReportAggregatesOnly(true);

} // namespace

int main(int argc, char** argv)
{
    QTemporaryDir settings; // the demo reads and writes its settings here
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(settings.path()));
    return RunBenchmarks(argc, argv);
}
