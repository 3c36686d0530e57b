#include "can/AnaInObj.h"

#include <algorithm>
#include <climits>
#include <cmath>

TAnaInObj::TAnaInObj(QObject* owner) : TCanInputObj(owner)
{
    EventMask = 12;
    HighLimit = 200;
    LowLimit = 0;
    DeltaLimit = 5;
    IntervalLimit = 100;
    SetCardID(2);
    SetComponentID(2);
}

void TAnaInObj::WriteProperties()
{
    ConfigWord0 = ConfigWord(0);
    Function = ConfigWord(1);
    AdcLow = ConfigWord(2);
    AdcHigh = ConfigWord(3);
    ScaleLow = ConfigWord(4);
    ScaleHigh = ConfigWord(5);
    EventMask = ConfigWord(6);
    HighLimit = ConfigWord(7);
    LowLimit = ConfigWord(8);
    DeltaLimit = ConfigWord(9);
    IntervalLimit = ConfigWord(10);
    EventsOff = ConfigWord(11);
}

void TAnaInObj::OnPollTime(QObject*)
{
    if (SdoReceived) {
        const int previous = Function;
        WriteProperties();
        SdoReceived = false;
        if (Function != previous)
            emit OnFunctionChange(this, Function);
        emit OnSdoRec(this);
    }
    Convert();
    RunEvents((Function & 0x0F) != 0);
}

void TAnaInObj::Convert()
{
    switch (Function & 0x0F) {
    case 1: TempCelsius(); break;
    case 2: TempFahren(); break;
    case 3: ADC_Scale(); break;
    case 4: ADC_ScaleNoLimit(); break;
    case 15: ADCBin(); break;
    default: break;
    }
}

void TAnaInObj::TempCelsius() { Value = std::clamp(InputValue, -1000, 1000); }

void TAnaInObj::TempFahren() { Value = InputValue; }

void TAnaInObj::ADCBin() { Value = InputValue; }

// Computed in floating point, quotient first, truncated toward zero. A result
// outside the int range (wild configuration words) is held at its bound.
int TAnaInObj::Scaled() const
{
    if (AdcHigh == AdcLow || ScaleHigh == ScaleLow)
        return -9999;
    const double quotient = double(ScaleHigh - ScaleLow) / double(AdcHigh - AdcLow);
    const double value = std::trunc(quotient * (double(InputValue) - double(AdcLow)) + double(ScaleLow));
    return int(std::clamp(value, double(INT_MIN), double(INT_MAX)));
}

void TAnaInObj::ADC_ScaleNoLimit() { Value = Scaled(); }

void TAnaInObj::ADC_Scale()
{
    Value = Scaled();
    if (InputValue < AdcLow)
        Value = ScaleLow;
    if (InputValue > AdcHigh)
        Value = ScaleHigh;
}
