// quil-trend's load of a large log: 10 M rows of 4 columns (the time and three
// series), generated once into a temporary file, read whole into series as
// the loading thread does (budget: 3 s). Unix seconds with point decimals and
// ISO 8601 date-times with comma decimals and ';'.

#include "BenchMain.h"
#include "graph/Series.h"
#include "trend/LogReader.h"

#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <charconv>
#include <cstdio>
#include <ctime>
#include <memory>
#include <string>

namespace {

constexpr int64_t kRows = 10'000'000;

void AppendNumber(std::string& out, double v, char decimal)
{
    char text[32];
    const auto end = std::to_chars(text, text + sizeof text, v, std::chars_format::fixed, 3).ptr;
    for (char* p = text; p != end; ++p)
        out += *p == '.' ? decimal : *p;
}

// One second per row from 2025-12-09 00:00 UTC; values wander as sensors do.
QString Generate(const QTemporaryDir& dir, bool iso)
{
    const QString path = dir.filePath(iso ? QStringLiteral("iso.csv") : QStringLiteral("unix.csv"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return {};
    const char sep = iso ? ';' : ',', decimal = iso ? ',' : '.';
    std::string text = iso ? "time;temp;hum;co2\n" : "time,temp,hum,co2\n";
    const int64_t start = 1765238400;
    for (int64_t i = 0; i < kRows; ++i) {
        const int64_t t = start + i;
        if (iso) {
            const std::time_t tt = std::time_t(t);
            std::tm tm{};
            gmtime_r(&tt, &tm);
            char stamp[32];
            text.append(stamp, std::strftime(stamp, sizeof stamp, "%Y-%m-%dT%H:%M:%SZ", &tm));
        } else {
            text += std::to_string(t);
        }
        text += sep;
        AppendNumber(text, 20 + double(i % 1000) / 100, decimal);
        text += sep;
        AppendNumber(text, 60 - double(i % 777) / 50, decimal);
        text += sep;
        AppendNumber(text, 800 + double(i % 4001) / 10, decimal);
        text += '\n';
        if (text.size() > (8 << 20)) {
            file.write(text.data(), qint64(text.size()));
            text.clear();
        }
    }
    file.write(text.data(), qint64(text.size()));
    return path;
}

void Load(benchmark::State& state, bool iso)
{
    QTemporaryDir dir;
    const QString path = Generate(dir, iso);
    if (path.isEmpty()) {
        state.SkipWithError("cannot write the log file");
        return;
    }
    for (auto _ : state) {
        TLogReader reader(path, {});
        if (!reader.Open()) {
            state.SkipWithError("cannot open the log file");
            return;
        }
        auto series = reader.MakeSeries();
        std::vector<TSeries*> targets;
        for (auto& s : series)
            targets.push_back(s.get());
        if (!reader.ReadRows(targets, true) || reader.RowsRead() != kRows) {
            state.SkipWithError(qPrintable(reader.Fault().Text()));
            return;
        }
        benchmark::DoNotOptimize(series.back()->Points.back());
    }
    state.SetItemsProcessed(state.iterations() * kRows);
    state.SetBytesProcessed(state.iterations() * QFile(path).size());
}

void BM_TrendLoad10MUnixSeconds(benchmark::State& state) { Load(state, false); }
void BM_TrendLoad10MIsoComma(benchmark::State& state) { Load(state, true); }

BENCHMARK(BM_TrendLoad10MUnixSeconds)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_TrendLoad10MIsoComma)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

int main(int argc, char** argv) { return RunBenchmarks(argc, argv); }
