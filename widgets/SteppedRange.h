#pragma once
// TSteppedRange: value, range and step actions of a control that the user
// steps through a range (the fader, the spin control), as a slider base
// holds them once. An action names what the user asked for (a single step, a
// page, a limit); TriggerAction carries it out by the control's own value
// rule, since those differ (clamp order, events on unchanged values, whether
// a click sees the value before its clamp). A held button or track repeats an
// action through SetRepeatAction: a first delay, then the control's interval,
// each tick through RepeatTick, until the control stops or releases it. Keys
// become actions by one table (KeyAction).

#include "widgets/RepeatTimer.h"

#include <cstdint>

class TSteppedRange {
public:
    enum class TStepAction { None, SingleStepAdd, SingleStepSub, PageStepAdd, PageStepSub, ToMinimum, ToMaximum };
    enum class TOrientation { Horizontal, Vertical };

    int Value() const { return value_; }
    int Min() const { return min_; }
    int Max() const { return max_; }
    // The action a held button or track repeats; None when nothing repeats.
    TStepAction RepeatAction() const { return repeatAction_; }
    // The repeat timer exists only while an action repeats or pauses at a limit.
    TTimer* RepeatTimer() const { return repeat_.Timer(); }

    // The arrow, page and limit keys: Right/Up, Left/Down step by one along
    // the orientation; a horizontal range pages down with Prior and runs to
    // its minimum with Home, a vertical one the other way round.
    static TStepAction KeyAction(uint16_t key, TOrientation orientation);
    // +1, -1, +page, -page for the step actions, 0 for the others.
    static int64_t StepOf(TStepAction action, int64_t page);

protected:
    TSteppedRange(QObject* owner, int min, int max, int value);
    virtual ~TSteppedRange() = default;
    TSteppedRange(const TSteppedRange&) = delete;
    TSteppedRange& operator=(const TSteppedRange&) = delete;

    virtual void TriggerAction(TStepAction action) = 0;
    // The interval of every repeat after the first.
    virtual int RepeatInterval() const = 0;
    // One repeat: by default the repeated action once more.
    virtual void RepeatTick() { TriggerAction(repeatAction_); }

    // Repeats `action` after `delay` ms (the caller has triggered it once).
    void SetRepeatAction(TStepAction action, int delay);
    // Pauses the repeat, keeping its timer (a spin control at its limit).
    void PauseRepeat() { repeat_.Stop(); }
    // Ends the repeat and frees its timer.
    void ReleaseRepeat();
    // A tick of the repeat timer.
    void TimerExpired();

    // The classic clamp order: first down to Max, then up to Min, so a range
    // with Max at or below Min holds Min.
    int ClampedDownThenUp(int64_t value) const;

    int value_;
    int min_;
    int max_;

private:
    TStepAction repeatAction_ = TStepAction::None;
    TRepeatTimer repeat_;
};
