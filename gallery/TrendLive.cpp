#include "gallery/TrendLive.h"

#include "graph/KivGraph.h"

#include <algorithm>
#include <climits>

namespace {

const TColor kColors[TTrendLiveFeed::SeriesCount] = {clRed, clBlue, clGreen, clFuchsia, clTeal, clMaroon, clNavy, clOlive};

} // namespace

TTrendLiveFeed::TTrendLiveFeed(TKivGraph& graph, QObject* parent) : QObject(parent), graph_(graph)
{
    graph_.LimitXMin = 0;
    graph_.LimitXMax = INT_MAX; // the view may follow the clock as far as it runs
    for (int k = 0; k < SeriesCount; ++k) {
        auto* s = new TSeries;
        s->Name = QStringLiteral("Sensor %1").arg(k + 1);
        s->Color = kColors[k];
        s->MinY = 0;
        s->MaxY = 100;
        s->RetainSpan = RetainSeconds;
        graph_.AddSerie(s);
        series_.push_back(s);
        levels_.push_back(15 + k * 10);
    }
    graph_.LimitLeftMin = 0;
    graph_.LimitLeftMax = 100;
    graph_.SetVisLeftRect({0, 0, 10, 100});
    graph_.SetFollow(true);
    timer_.setInterval(16); // a frame at 60 Hz
    connect(&timer_, &QTimer::timeout, this, [this] { FeedUntil(clockOffset_ + clock_.nsecsElapsed() / 1e9); });
}

void TTrendLiveFeed::Run(bool on)
{
    if (on == Running())
        return;
    if (on) {
        clock_.start();
        timer_.start();
    } else {
        clockOffset_ += clock_.nsecsElapsed() / 1e9;
        timer_.stop();
    }
}

void TTrendLiveFeed::FeedUntil(double seconds)
{
    const long long due = std::max(fed_, (long long)(seconds * RateHz));
    std::normal_distribution<double> step(0.0, 0.3);
    std::vector<TPoint2D> block;
    for (size_t k = 0; k < series_.size(); ++k) {
        block.clear();
        for (long long i = fed_; i < due; ++i) {
            levels_[k] = std::clamp(levels_[k] + step(rng_), 0.0, 100.0);
            block.push_back({double(i) / RateHz, levels_[k]});
        }
        series_[k]->Append(block.data(), block.size());
        graph_.PointsAppended(series_[k]);
    }
    fed_ = due;
    graph_.update();
}
