#include "widgets/VrPalette.h"

#include "framework/Notify.h"

TVrPalette::TVrPalette(TColor low, TColor high, QObject* parent) : QObject(parent), low_(low), high_(high) {}

void TVrPalette::SetLow(TColor value)
{
    SetAndNotify(this, &TVrPalette::LowChanged, low_, value, [&] { emit OnChange(this); });
}

void TVrPalette::SetHigh(TColor value)
{
    SetAndNotify(this, &TVrPalette::HighChanged, high_, value, [&] { emit OnChange(this); });
}

void TVrPalette::Assign(const TVrPalette& other)
{
    if (other.low_ == low_ && other.high_ == high_)
        return;
    low_ = other.low_;
    high_ = other.high_;
    emit OnChange(this);
}
