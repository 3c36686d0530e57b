#pragma once
// Runs the feed weigher's cycle on its own, as a feeding computer would: after
// every tick at rest it starts a fill, and after a fill it opens the valve,
// a few ticks of rest between. Faults switched on at the weigher show how the
// cycle stalls or ends early.

#include <QObject>
#include <QPointer>

class TFWS;

class TFeedCycleDriver : public QObject {
    Q_OBJECT

public:
    static constexpr int kRestTicks = 6;

    TFeedCycleDriver(TFWS* weigher, QObject* parent = nullptr);

    bool Running() const { return running_; }
    void SetRunning(bool on) { running_ = on; }
    // What follows one tick of the weigher.
    void AfterTick();

private:
    QPointer<TFWS> weigher_;
    bool running_ = true;
    bool filled_ = false; // the last step started was a fill
    int rest_ = 0;
};
