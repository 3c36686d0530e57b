#include "can/SimulatedCanNetwork.h"

#include "can/SimulatedCanBus.h"

#include <algorithm>

void TSimulatedCanNetwork::Leave(TSimulatedCanBus* bus)
{
    buses_.erase(std::remove(buses_.begin(), buses_.end(), bus), buses_.end());
}

void TSimulatedCanNetwork::Post(const TSimulatedCanBus* from, const TCanMessage& frame)
{
    queue_.push_back({from, frame});
    if (flushQueued_)
        return;
    flushQueued_ = true;
    QMetaObject::invokeMethod(this, &TSimulatedCanNetwork::Flush, Qt::QueuedConnection);
}

void TSimulatedCanNetwork::Flush()
{
    flushQueued_ = false;
    while (!queue_.empty()) {
        const Pending_ next = queue_.front();
        queue_.pop_front();
        // A receiver may leave while frames are delivered: walk a copy.
        const std::vector<TSimulatedCanBus*> receivers = buses_;
        for (TSimulatedCanBus* bus : receivers)
            if (bus != next.From && std::find(buses_.begin(), buses_.end(), bus) != buses_.end())
                emit bus->FrameReceived(next.Frame);
    }
}
