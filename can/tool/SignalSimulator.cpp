#include "can/tool/SignalSimulator.h"

#include "can/AnaInObj.h"
#include "can/DigInObj.h"
#include "framework/Timer.h"

#include <cmath>
#include <numbers>

TSignalSimulator::TSignalSimulator(TAnaInObj* analog, TDigInObj* digital, QObject* parent)
    : QObject(parent), analog_(analog), digital_(digital), timer_(new TTimer(this))
{
    timer_->SetInterval(100);
    connect(timer_, &TTimer::OnTimer, this, &TSignalSimulator::Step);
    Step();
}

void TSignalSimulator::Step()
{
    const double seconds = step_ * 0.1;
    analog_->InputValue = 110 + int(std::lround(100.0 * std::sin(2.0 * std::numbers::pi * seconds / 20.0)));
    digital_->CounterInput += 3;
    digital_->LogicInput = (step_ / 20) % 2 == 1;
    ++step_;
}
