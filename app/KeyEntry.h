#pragma once
// TKeyEntry: one key of the front panel: its picture, its LED, the integer it
// edits or shows and the limits of that integer.

#include <cstdint>
#include <functional>

class TImage;
class TVrBlinkLed;

struct TKeyEntry {
    enum Role : uint8_t { SetpointKey = 0, ArrowUp = 1, ArrowDown = 2 };
    enum LedStates : uint8_t { LedOff = 0, LedAlarm = 1, LedSelected = 2 };

    bool Alarm = false;   // the entry's temperature alarm is active (alarm keys only)
    int PointNumber = -1; // the diagram point of the setpoint
    // The integer the key edits in place (setpoint keys). The two arrow keys
    // show a live value of the diagram instead, through LiveValue.
    int* Value = nullptr;
    std::function<int()> LiveValue;
    int* LowerLimit = nullptr;
    int* UpperLimit = nullptr;
    TVrBlinkLed* Led = nullptr;
    uint8_t LedState = LedOff;
    uint8_t DecimalsMode = 2; // 1: a whole number, 2: tenths
    uint8_t KeyRole = SetpointKey;
    TImage* KeyImage = nullptr;

    int CurrentValue() const { return Value ? *Value : LiveValue(); }
};
