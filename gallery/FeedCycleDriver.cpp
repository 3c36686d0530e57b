#include "gallery/FeedCycleDriver.h"

#include "feed/FWS.h"

TFeedCycleDriver::TFeedCycleDriver(TFWS* weigher, QObject* parent) : QObject(parent), weigher_(weigher)
{
    connect(weigher, &TFWS::OnSendMessage, this, &TFeedCycleDriver::AfterTick);
}

void TFeedCycleDriver::AfterTick()
{
    TFWS* w = weigher_;
    if (!running_ || !w)
        return;
    const bool atRest = w->CycleState() == 0 && w->Ready() && !w->ActivateVijzel() && !w->Losklep();
    if (!atRest) {
        rest_ = kRestTicks;
        return;
    }
    if (rest_ > 0) {
        --rest_;
        return;
    }
    if (filled_)
        w->SetLosklep(true);
    else
        w->SetActivateVijzel(true);
    filled_ = !filled_;
}
