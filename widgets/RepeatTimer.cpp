#include "widgets/RepeatTimer.h"

#include "framework/Timer.h"

TRepeatTimer::TRepeatTimer(QObject* owner, std::function<void()> onTick) : owner_(owner), onTick_(std::move(onTick)) {}

TRepeatTimer::~TRepeatTimer() { Release(); }

void TRepeatTimer::Start(int delayMs)
{
    if (!timer_) {
        timer_ = new TTimer(owner_);
        timer_->SetEnabled(false);
        QObject::connect(timer_, &TTimer::OnTimer, owner_, [this] { onTick_(); });
    }
    timer_->SetEnabled(false);
    timer_->SetInterval(delayMs);
    timer_->SetEnabled(true);
}

bool TRepeatTimer::Continue(int intervalMs)
{
    if (!timer_)
        return false;
    timer_->SetInterval(intervalMs);
    return true;
}

void TRepeatTimer::Stop()
{
    if (timer_)
        timer_->SetEnabled(false);
}

void TRepeatTimer::Release()
{
    if (!timer_)
        return;
    timer_->SetEnabled(false);
    QObject::disconnect(timer_, nullptr, owner_, nullptr);
    timer_->deleteLater();
    timer_ = nullptr;
}
