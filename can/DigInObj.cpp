#include "can/DigInObj.h"

#include "framework/Timer.h"

#include <algorithm>
#include <climits>

TDigInObj::TDigInObj(QObject* owner) : TCanInputObj(owner)
{
    SetCardID(2);
    SetComponentID(3);
    DesigningChanged();
}

void TDigInObj::DesigningChanged() { PollTimer->SetEnabled(!(ComponentState() & csDesigning)); }

void TDigInObj::WriteProperties()
{
    CounterDecrement = SdoWord(0);
    ConfigWord0 = ConfigWord(0);
    FunctionWord = ConfigWord(1);
    ConfigWord2 = ConfigWord(2);
    ConfigWord3 = ConfigWord(3);
    EventMask = ConfigWord(4);
    HighLimit = ConfigWord(5);
    LowLimit = ConfigWord(6);
    DeltaLimit = ConfigWord(7);
    IntervalLimit = ConfigWord(8);
    EventsOff = ConfigWord(9);
    Function = FunctionWord & 0x0F;
}

// Counting functions: a configuration write either takes the decrement off
// the counter (option bit 1) or makes an armed interval event fire at once.
void TDigInObj::ApplyCounterOption()
{
    if (!(Function & 2))
        return;
    if (ConfigWord0 & 2)
        CounterInput = int(std::clamp<qint64>(qint64(CounterInput) - CounterDecrement, 0, INT_MAX));
    else
        PollCount = 32000;
}

void TDigInObj::OnPollTime(QObject*)
{
    if (SdoReceived) {
        const int previous = Function;
        WriteProperties();
        SdoReceived = false;
        ApplyCounterOption();
        if (Function != previous)
            emit OnFunctionChange(this, Function);
        emit OnSdoRec(this);
    }
    Convert();
    RunEvents(Function != 0);
}

void TDigInObj::Convert()
{
    switch (Function) {
    case 1: LogicIn(); break;
    case 2:
    case 7: CounterIn(); break;
    case 3: FreqIn(); break;
    case 4: RVsensIn(); break;
    case 5: DigWindSpeedIn(); break;
    default: break;
    }
}

void TDigInObj::LogicIn() { Value = LogicInput ? 1 : 0; }
void TDigInObj::CounterIn() { Value = CounterInput; }
void TDigInObj::FreqIn() { Value = CounterInput; }
void TDigInObj::RVsensIn() { Value = CounterInput; }
void TDigInObj::DigWindSpeedIn() { Value = CounterInput; }
