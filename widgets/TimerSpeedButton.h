#pragma once
// TTimerSpeedButton: a speed button that repeats its click while held (first
// after 400 ms, then every 100 ms, and once more on release over it) and can
// show a focus frame. Its click comes after its mouse-up event, so a handler
// of the release has run before the click it causes.

#include "framework/SpeedButton.h"
#include "widgets/RepeatTimer.h"

class TTimerSpeedButton : public TSpeedButton {
    Q_OBJECT
public:
    enum TTimeBtnStateFlag { tbFocusRect = 0x1, tbAllowTimer = 0x2 };
    Q_DECLARE_FLAGS(TTimeBtnState, TTimeBtnStateFlag)
    Q_FLAG(TTimeBtnState)

private:
    Q_PROPERTY(TTimeBtnState TimeBtnState READ TimeBtnState WRITE SetTimeBtnState NOTIFY TimeBtnStateChanged)
    Q_CLASSINFO("default:TimeBtnState", "[]")

public:
    static constexpr int kRepeatDelay = 400;
    static constexpr int kRepeatInterval = 100;

    explicit TTimerSpeedButton(QWidget* parent = nullptr);

    TTimeBtnState TimeBtnState() const { return state_; }
    void SetTimeBtnState(TTimeBtnState value);
    // The button's click, as a release over it or a repeat raises it.
    void Click() override;
    // The repeat timer, from the first press with tbAllowTimer until the button goes.
    TTimer* RepeatTimer() const { return repeat_.Timer(); }

protected:
    void Paint() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void TimerExpired();

private:
    TTimeBtnState state_;
    bool held_ = false;         // the left button went down here and is not yet up
    bool releasing_ = false;    // inside the release of the left button
    bool clickPending_ = false; // the release clicked; raised after the mouse-up event
    TRepeatTimer repeat_{this, [this] { TimerExpired(); }};

signals:
    // Property notifications (see framework/Notify.h).
    void TimeBtnStateChanged();
};

Q_DECLARE_OPERATORS_FOR_FLAGS(TTimerSpeedButton::TTimeBtnState)
