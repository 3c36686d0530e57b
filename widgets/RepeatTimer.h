#pragma once
// TRepeatTimer: the auto-repeat rule shared by held buttons and tracks. The
// first repeat comes after a longer delay, every further one after a shorter
// interval; each control keeps its own two figures. The message-driven timer
// underneath is created by the first Start() and lives until Release() or the
// owner's end.

#include <QObject>
#include <functional>

class TTimer;

class TRepeatTimer {
public:
    // onTick runs for every tick of the timer; it starts with Continue().
    TRepeatTimer(QObject* owner, std::function<void()> onTick);
    ~TRepeatTimer();
    TRepeatTimer(const TRepeatTimer&) = delete;
    TRepeatTimer& operator=(const TRepeatTimer&) = delete;

    // Arms the timer (creating it when there is none): the first tick comes after delayMs.
    void Start(int delayMs);
    // Called first in every tick: further ticks come after intervalMs. False
    // when there is no timer (a tick delivered after Release()).
    bool Continue(int intervalMs);
    // Stops ticking and keeps the timer.
    void Stop();
    // Frees the timer. Safe inside a tick: it goes once control is back in the event loop.
    void Release();

    // The timer while one exists, else null.
    TTimer* Timer() const { return timer_; }

private:
    QObject* owner_;
    std::function<void()> onTick_;
    TTimer* timer_ = nullptr;
};
