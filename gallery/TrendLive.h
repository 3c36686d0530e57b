#pragma once
// Live data for the trend graph: eight sensor series sampled at 1 kHz each,
// fed from a timer with every sample due since the last tick, the last
// minute retained, the graph in follow mode. Stops with Run(false) and goes
// on where the clock stands.

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <random>
#include <vector>

class TKivGraph;
class TSeries;

class TTrendLiveFeed : public QObject {
    Q_OBJECT

public:
    static constexpr int SeriesCount = 8;
    static constexpr int RateHz = 1000;
    static constexpr double RetainSeconds = 60;

    explicit TTrendLiveFeed(TKivGraph& graph, QObject* parent = nullptr);
    void Run(bool on);
    bool Running() const { return timer_.isActive(); }
    // Appends every sample due up to the given time (seconds since start).
    void FeedUntil(double seconds);

private:
    TKivGraph& graph_;
    std::vector<TSeries*> series_;
    std::vector<double> levels_;
    std::mt19937 rng_{7};
    QTimer timer_;
    QElapsedTimer clock_;
    double clockOffset_ = 0; // seconds fed before the last Run(true)
    long long fed_ = 0;      // samples per series so far
};
