#include "feed/FeedCycle.h"

#include <algorithm>

namespace {

constexpr int kSettleTicks = 6;
constexpr int kHopperFull = 9000;    // the catch bin takes no more above this
constexpr int kTotalWrap = 10000000; // the total counter's range
constexpr int kSensorWeight = 5999;  // the bin sensor is covered above this

} // namespace

bool TFeedCycle::HopperSensor() const { return hopperWeight_ > kSensorWeight; }

void TFeedCycle::HandleTask(int task, int value)
{
    fillWeight = value;
    vijzelNr = task & TaskBits::AugerNumber;
    activateVijzel = (task & TaskBits::RunAuger) != 0;
    losklep = (task & TaskBits::OpenValve) != 0;
    weigherTest = (task & TaskBits::Test) != 0;
    weigherReset = (task & TaskBits::Reset) != 0;
}

int TFeedCycle::Random(int limit)
{
    if (limit <= 0)
        return 0;
    return std::uniform_int_distribution<int>(0, limit - 1)(random_);
}

int TFeedCycle::CalculateFeedTime(int needed)
{
    if (lastFed_ <= 0)
        return feedTime_;
    const int64_t scaled = int64_t(needed) * feedTime_ / lastFed_;
    feedTime_ = int(std::clamp<int64_t>(scaled, 5, 300));
    return feedTime_;
}

void TFeedCycle::Step()
{
    if (weigherReset) {
        activateVijzel = false;
        losklep = false;
        ready_ = true;
        state_ = TState::Idle;
        return;
    }
    if (weigherTest) {
        state_ = TState::Idle;
        ready_ = true;
        return;
    }
    if (weegsignaalIsNul) {
        state_ = TState::Idle;
        ready_ = true;
        losklep = false;
        activateVijzel = false;
        alarm_ = TAlarm::NoWeightSignal;
    } else if (alarm_ == TAlarm::NoWeightSignal) {
        alarm_ = TAlarm::None;
    }
    switch (state_) {
    case TState::Idle:
        if (activateVijzel) {
            startWeight_ = currentWeight_;
            ready_ = false;
            countdown_ = CalculateFeedTime(fillWeight - currentWeight_);
            state_ = TState::Filling;
        }
        if (losklep)
            state_ = TState::ValveOpening;
        break;
    case TState::Filling: FillingStep(); break;
    case TState::Settling:
        // Settling counts its ticks down first and moves on the tick after.
        if (countdown_ > 0)
            --countdown_;
        else
            state_ = TState::Weighed;
        break;
    case TState::Weighed:
        ready_ = true;
        lastFed_ = currentWeight_ - startWeight_;
        state_ = TState::Idle;
        break;
    case TState::ValveOpening:
        countdown_ = valveOpenTime;
        ready_ = false;
        state_ = TState::ValveOpen;
        break;
    case TState::ValveOpen: ValveOpenStep(); break;
    case TState::ValveClosing:
        if (countdown_ > 0)
            --countdown_;
        if (countdown_ <= 0) {
            if (alarm_ == TAlarm::ValveOpenWhileFilling)
                alarm_ = TAlarm::None;
            ready_ = true;
            state_ = TState::Idle;
        }
        break;
    }
}

// A valve that opens while filling ends the fill at once with its alarm; that
// tick does not also apply the end-of-fill test, which would lower FeedTime
// by the same countdown a second time and skip the valve-opening step.
void TFeedCycle::FillingStep()
{
    --countdown_;
    if (losklepOpenTijdensVullen && currentWeight_ > fillWeight / 2) {
        activateVijzel = false;
        feedTime_ -= countdown_;
        ready_ = true;
        lastFed_ = currentWeight_ - startWeight_;
        alarm_ = TAlarm::ValveOpenWhileFilling;
        losklep = true;
        state_ = TState::ValveOpening;
        return;
    }
    if (countdown_ <= 0 || currentWeight_ >= fillWeight) {
        activateVijzel = false;
        feedTime_ -= std::max(countdown_, 0);
        countdown_ = kSettleTicks;
        state_ = TState::Settling;
    }
}

void TFeedCycle::ValveOpenStep()
{
    if (countdown_ > 0)
        --countdown_;
    if (countdown_ > 0)
        return;
    if (losklepSluitNiet) {
        ready_ = true;
        alarm_ = TAlarm::ValveStuckOpen;
    } else if (alarm_ == TAlarm::ValveStuckOpen) {
        alarm_ = TAlarm::None;
        state_ = TState::Idle;
    } else {
        losklep = false;
        countdown_ = kSettleTicks;
        state_ = TState::ValveClosing;
    }
}

void TFeedCycle::Simulate()
{
    if (losklep)
        DischargeBatch();
    if (activateVijzel)
        RunSupply();
    if (afvoerVijzel) {
        dischargeFrame_ = (dischargeFrame_ + 1) % 3;
        hopperWeight_ = std::max(0, hopperWeight_ - (dischargeRate * 10 + Random(dischargeRate * 6)));
    }
}

// What lies above the residue drops into the bin; the residue stays.
void TFeedCycle::DischargeBatch()
{
    const int left = residue * 100;
    const int moved = std::max(0, currentWeight_ - left);
    totalWeight_ = int((int64_t(totalWeight_) + moved) % kTotalWrap);
    if (hopperWeight_ < kHopperFull)
        hopperWeight_ += moved;
    currentWeight_ -= moved;
}

void TFeedCycle::RunSupply()
{
    augerFrame_ = (augerFrame_ + 1) % 3;
    const int amount = aanvoerGeblokkeerd ? 0 : supplyRate * 10 + Random(supplyRate * 6);
    if (!losklep) {
        if (currentWeight_ < maxVulGewicht)
            currentWeight_ += amount;
        currentWeight_ = std::min(currentWeight_, maxVulGewicht);
    } else if (hopperWeight_ < kHopperFull) {
        hopperWeight_ += amount;
    }
}

int TFeedCycle::StatusWord() const
{
    int status = StatusBits::Present | vijzelNr | (int(alarm_) << StatusBits::AlarmShift);
    if (ready_)
        status |= StatusBits::Ready;
    if (activateVijzel)
        status |= StatusBits::AugerRunning;
    if (losklep)
        status |= StatusBits::ValveOpen;
    if (!HopperSensor())
        status |= StatusBits::BinNotFull;
    return status;
}
