#pragma once
// TFeedCycle: the feed weigher's batch cycle and its simulated weights, apart
// from any picture. A supply auger fills the weigh hopper up to the fill
// weight, the weight settles, the discharge valve (Losklep) drops the batch
// into the catch bin and a discharge auger empties the bin. One Step and one
// Simulate per tick; StatusWord reports the state to the host, HandleTask
// takes the host's task word. Weights are in hundredths of the display unit.

#include <cstdint>
#include <random>

class TFeedCycle {
public:
    enum class TState {
        Idle = 0,          // waiting for the auger or the valve
        Filling = 1,       // the supply auger runs for the computed time
        Settling = 2,      // the auger stopped; the weight comes to rest
        Weighed = 3,       // the delivered weight is booked
        ValveOpening = 10, // the valve was asked to open
        ValveOpen = 11,    // the batch falls; the valve stays open its time
        ValveClosing = 12, // the valve closed; the hopper comes to rest
    };
    enum class TAlarm { None = 0, ValveOpenWhileFilling = 1, ValveStuckOpen = 2, NoWeightSignal = 3 };

    // The task word a host sends.
    struct TaskBits {
        static constexpr int AugerNumber = 0x000F;
        static constexpr int RunAuger = 0x0010;
        static constexpr int OpenValve = 0x0020;
        static constexpr int Test = 0x4000;
        static constexpr int Reset = 0x8000;
    };
    // The status word it reads back: the auger number in the low bits, the
    // alarm from bit 9.
    struct StatusBits {
        static constexpr int AugerNumber = 0x000F;
        static constexpr int AugerRunning = 0x0010;
        static constexpr int ValveOpen = 0x0020;
        static constexpr int BinNotFull = 0x0040;
        static constexpr int Ready = 0x0180;
        static constexpr int AlarmShift = 9;
        static constexpr int Present = 0x8000;
    };

    // --- what the host and the published properties set
    bool losklep = false;
    bool weigherTest = false;
    bool weigherReset = false;
    bool activateVijzel = false;
    bool afvoerVijzel = false;
    bool aanvoerGeblokkeerd = false;
    bool losklepOpenTijdensVullen = false;
    bool losklepSluitNiet = false;
    bool weegsignaalIsNul = false;
    int vijzelNr = 0;
    int maxVulGewicht = 3500;
    int fillWeight = 3000;
    // --- simulation settings
    int supplyRate = 3;
    int dischargeRate = 3;
    int valveOpenTime = 0;
    int residue = 0;

    // --- the cycle's state
    TState State() const { return state_; }
    bool Ready() const { return ready_; }
    int Countdown() const { return countdown_; }
    int FeedTime() const { return feedTime_; }
    int LastFed() const { return lastFed_; }
    TAlarm Alarm() const { return alarm_; }
    int CurrentWeight() const { return currentWeight_; }
    int HopperWeight() const { return hopperWeight_; }
    int TotalWeight() const { return totalWeight_; }
    // The bin's level sensor, read from the weight in the bin.
    bool HopperSensor() const;
    // Which picture of each auger turns (0..2).
    int AugerFrame() const { return augerFrame_; }
    int DischargeFrame() const { return dischargeFrame_; }

    void HandleTask(int task, int value);
    // One step of the cycle, then one of the weights.
    void Step();
    void Simulate();
    int StatusWord() const;
    // The auger run time, in ticks, for the weight still needed, scaled by
    // the delivery of the previous fill.
    int CalculateFeedTime(int needed);
    void Seed(unsigned value) { random_.seed(value); }

private:
    void FillingStep();
    void ValveOpenStep();
    void DischargeBatch();
    void RunSupply();
    int Random(int limit);

    TState state_ = TState::Idle;
    bool ready_ = true;
    int startWeight_ = 0;
    int lastFed_ = 0;
    int countdown_ = 0;
    int feedTime_ = 300;
    int currentWeight_ = 0;
    int hopperWeight_ = 0;
    int totalWeight_ = 0;
    TAlarm alarm_ = TAlarm::None;
    int augerFrame_ = 0;
    int dischargeFrame_ = 0;
    std::mt19937 random_{std::random_device{}()};
};
