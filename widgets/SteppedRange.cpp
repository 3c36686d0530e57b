#include "widgets/SteppedRange.h"

#include "framework/Types.h"

TSteppedRange::TSteppedRange(QObject* owner, int min, int max, int value)
    : value_(value), min_(min), max_(max), repeat_(owner, [this] { TimerExpired(); })
{
}

TSteppedRange::TStepAction TSteppedRange::KeyAction(uint16_t key, TOrientation orientation)
{
    const bool vertical = orientation == TOrientation::Vertical;
    switch (key) {
    case VK::Left: return vertical ? TStepAction::None : TStepAction::SingleStepSub;
    case VK::Right: return vertical ? TStepAction::None : TStepAction::SingleStepAdd;
    case VK::Up: return vertical ? TStepAction::SingleStepAdd : TStepAction::None;
    case VK::Down: return vertical ? TStepAction::SingleStepSub : TStepAction::None;
    case VK::Prior: return vertical ? TStepAction::PageStepAdd : TStepAction::PageStepSub;
    case VK::Next: return vertical ? TStepAction::PageStepSub : TStepAction::PageStepAdd;
    case VK::Home: return vertical ? TStepAction::ToMaximum : TStepAction::ToMinimum;
    case VK::End: return vertical ? TStepAction::ToMinimum : TStepAction::ToMaximum;
    default: return TStepAction::None;
    }
}

int64_t TSteppedRange::StepOf(TStepAction action, int64_t page)
{
    switch (action) {
    case TStepAction::SingleStepAdd: return 1;
    case TStepAction::SingleStepSub: return -1;
    case TStepAction::PageStepAdd: return page;
    case TStepAction::PageStepSub: return -page;
    default: return 0;
    }
}

void TSteppedRange::SetRepeatAction(TStepAction action, int delay)
{
    repeatAction_ = action;
    repeat_.Start(delay);
}

void TSteppedRange::ReleaseRepeat()
{
    repeatAction_ = TStepAction::None;
    repeat_.Release();
}

void TSteppedRange::TimerExpired()
{
    if (repeat_.Continue(RepeatInterval()))
        RepeatTick();
}

int TSteppedRange::ClampedDownThenUp(int64_t value) const
{
    if (value > max_)
        value = max_;
    if (value < min_)
        value = min_;
    return int(value);
}
