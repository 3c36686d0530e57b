#include "framework/Timer.h"

#include "framework/Application.h"
#include "framework/Notify.h"

#include <QMetaMethod>

TTimer::TTimer(QObject* parent) : QObject(parent)
{
    connect(&timer_, &QTimer::timeout, this, [this] {
        // A failing handler is reported like any other, and the timer goes on.
        try {
            emit OnTimer(this);
        } catch (const std::exception& e) {
            TApplication::HandleException(e);
        }
    });
    Update();
}

void TTimer::SetEnabled(bool value)
{
    SetAndNotify(this, &TTimer::EnabledChanged, enabled_, value, [&] { Update(); });
}

void TTimer::SetInterval(int ms)
{
    SetAndNotify(this, &TTimer::IntervalChanged, interval_, ms, [&] { Update(); });
}

void TTimer::connectNotify(const QMetaMethod& signal)
{
    if (signal == QMetaMethod::fromSignal(&TTimer::OnTimer))
        Update();
}

void TTimer::Update()
{
    timer_.stop();
    if (enabled_ && interval_ > 0 && isSignalConnected(QMetaMethod::fromSignal(&TTimer::OnTimer)))
        timer_.start(interval_);
}
