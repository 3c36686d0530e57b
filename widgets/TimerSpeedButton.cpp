#include "widgets/TimerSpeedButton.h"

#include "framework/FocusRect.h"
#include "framework/Notify.h"
#include "framework/Timer.h"

#include <QMouseEvent>

TTimerSpeedButton::TTimerSpeedButton(QWidget* parent) : TSpeedButton(parent) {}

void TTimerSpeedButton::SetTimeBtnState(TTimeBtnState value)
{
    SetAndNotify(this, &TTimerSpeedButton::TimeBtnStateChanged, state_, value, [&] {
        if (!state_.testFlag(tbAllowTimer))
            repeat_.Stop();
        Invalidate();
    });
}

void TTimerSpeedButton::Paint()
{
    TSpeedButton::Paint();
    if (!state_.testFlag(tbFocusRect))
        return;
    const int shift = Pressed() ? 1 : 0;
    DrawFocusRect(Canvas(), TRect(3 + shift, 3 + shift, Width() - 3 + shift, Height() - 3 + shift));
}

void TTimerSpeedButton::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    if (Button == mbLeft)
        held_ = true;
    TSpeedButton::MouseDown(Button, Shift, X, Y);
    if (Button == mbLeft && state_.testFlag(tbAllowTimer))
        repeat_.Start(kRepeatDelay);
}

void TTimerSpeedButton::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    if (Button == mbLeft)
        held_ = false;
    TSpeedButton::MouseUp(Button, Shift, X, Y);
    if (Button == mbLeft)
        repeat_.Stop();
}

// The framework raises a control's click before its release; a speed button
// raises it after, once the mouse-up event has been handled.
void TTimerSpeedButton::mouseReleaseEvent(QMouseEvent* event)
{
    releasing_ = true;
    TSpeedButton::mouseReleaseEvent(event);
    releasing_ = false;
    if (std::exchange(clickPending_, false))
        TSpeedButton::Click();
}

void TTimerSpeedButton::Click()
{
    if (releasing_) {
        clickPending_ = true;
        return;
    }
    TSpeedButton::Click();
}

// Repeats only while the button is shown down under a held mouse: dragged
// off the button it pauses, back on it goes on.
void TTimerSpeedButton::TimerExpired()
{
    if (!repeat_.Continue(kRepeatInterval))
        return;
    if (held_ && Pressed())
        Click();
}
