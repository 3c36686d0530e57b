// Closing the demo: the main window's destroy event stops the fan thread and
// writes the eleven settings (budget 30 ms for the whole close, disk syncs
// included). The settings live in a fresh folder on the disk of the temporary
// folder, as a user's would.

#include "BenchMain.h"
#include "app/Generalfunctions.h"
#include "app/GraphForm.h"
#include "app/MainForm.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <memory>

namespace {

struct ShownDemo {
    std::unique_ptr<TMainForm> main = std::make_unique<TMainForm>();
    std::unique_ptr<TGraphForm> panel = std::make_unique<TGraphForm>();
    ShownDemo()
    {
        main->show();
        QCoreApplication::processEvents();
    }
    // In the program's order: the panel goes first, then the main window.
    void Close()
    {
        panel.reset();
        main.reset();
    }
};

// The whole close of a shown demo whose settings key already exists.
void BM_DemoClose(benchmark::State& state)
{
    for (auto _ : state) {
        state.PauseTiming();
        ShownDemo demo;
        state.ResumeTiming();
        demo.Close();
    }
}
BENCHMARK(BM_DemoClose)->Unit(benchmark::kMillisecond)->Iterations(20);

// Only the destroy event's work: stop the thread and write the settings.
void BM_DestroyEventWritesSettings(benchmark::State& state)
{
    ShownDemo demo;
    for (auto _ : state)
        demo.main->FormDestroy(demo.main.get());
    demo.Close();
}
BENCHMARK(BM_DestroyEventWritesSettings)->Unit(benchmark::kMillisecond)->Iterations(20);

// The eleven values as eleven saves (as the close once wrote them), against
// one save of all of them.
const QList<std::pair<QString, QVariant>> ElevenSettings = {
    {QStringLiteral("MAXALARM"), 360},
    {QStringLiteral("MINALARM"), 100},
    {QStringLiteral("BANDBREEDTE"), 60},
    {QStringLiteral("STREEFTEMP"), 185},
    {QStringLiteral("KOELVERSCHIL"), 30},
    {QStringLiteral("VERWARMVERSCHIL"), 30},
    {QStringLiteral("MINPOSITIE"), 10},
    {QStringLiteral("MAXPOSITIE"), 100},
    {QStringLiteral("GEMETENTEMP"), 203},
    {QStringLiteral("OPTIEVENTILATIE"), true},
    {QStringLiteral("OPTIEKOELING"), false},
};

void BM_ElevenSeparateSaves(benchmark::State& state)
{
    for (auto _ : state)
        for (const auto& [name, value] : ElevenSettings)
            WriteRegistryValue(name, value);
}
BENCHMARK(BM_ElevenSeparateSaves)->Unit(benchmark::kMillisecond)->Iterations(20);

void BM_ElevenValuesInOneSave(benchmark::State& state)
{
    for (auto _ : state)
        WriteRegistryValues(ElevenSettings);
}
BENCHMARK(BM_ElevenValuesInOneSave)->Unit(benchmark::kMillisecond)->Iterations(20);

} // namespace

int main(int argc, char** argv)
{
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    return RunBenchmarks(argc, argv);
}
