// TFeedCycle apart from the display: the named states of a fill and a
// discharge, the status word's named bits, and the display's kept background
// leaving a host's copy of an earlier picture alone.

#include "feed/FWS.h"
#include "feed/FeedCycle.h"
#include "framework/Timer.h"

#include <gtest/gtest.h>

using S = TFeedCycle::TState;

TEST(FeedCycle, AFillAndADischargeWalkTheNamedStates)
{
    TFeedCycle cycle;
    cycle.Seed(1);
    cycle.HandleTask(TFeedCycle::TaskBits::RunAuger | 4, 1000);
    std::vector<S> seen{cycle.State()};
    for (int tick = 0; tick < 400 && (seen.size() < 2 || cycle.State() != S::Idle); ++tick) {
        cycle.Step();
        cycle.Simulate();
        if (cycle.State() != seen.back())
            seen.push_back(cycle.State());
    }
    EXPECT_EQ(seen, (std::vector<S>{S::Idle, S::Filling, S::Settling, S::Weighed, S::Idle}));
    EXPECT_GE(cycle.CurrentWeight(), 1000);
    const int ready = TFeedCycle::StatusBits::Present | TFeedCycle::StatusBits::Ready | TFeedCycle::StatusBits::BinNotFull | 4;
    EXPECT_EQ(cycle.StatusWord(), ready);

    cycle.losklep = true;
    seen = {cycle.State()};
    for (int tick = 0; tick < 100 && (seen.size() < 2 || cycle.State() != S::Idle); ++tick) {
        cycle.Step();
        if (cycle.State() == S::ValveOpen)
            EXPECT_EQ(cycle.StatusWord() & TFeedCycle::StatusBits::ValveOpen, TFeedCycle::StatusBits::ValveOpen);
        cycle.Simulate();
        if (cycle.State() != seen.back())
            seen.push_back(cycle.State());
    }
    EXPECT_EQ(seen, (std::vector<S>{S::Idle, S::ValveOpening, S::ValveOpen, S::ValveClosing, S::Idle}));
    EXPECT_EQ(cycle.CurrentWeight(), 0);
    EXPECT_GE(cycle.HopperWeight(), 1000);
}

TEST(FeedCycle, AHostsCopyOfThePictureStaysAsItWas)
{
    TFWS w;
    w.FeedTimer().SetEnabled(false);
    w.Seed(1);
    w.HandleTask(TFeedCycle::TaskBits::RunAuger, 3000);
    w.OnFeedTimer();
    const QImage held = w.WorkBitmap().Image();
    const QImage before = held.copy();
    for (int tick = 0; tick < 5; ++tick)
        w.OnFeedTimer();
    EXPECT_EQ(held, before);
    EXPECT_NE(w.WorkBitmap().Image(), before) << "the weight grew";
}
