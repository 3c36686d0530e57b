#include "can/SimulatedCanBus.h"

#include "can/SimulatedCanNetwork.h"

TSimulatedCanBus::TSimulatedCanBus(TSimulatedCanNetwork* network, QObject* parent)
    : TCanBus(parent), network_(network)
{
    network_->Join(this);
}

TSimulatedCanBus::~TSimulatedCanBus()
{
    if (network_)
        network_->Leave(this);
}

bool TSimulatedCanBus::Write(const TCanMessage& frame)
{
    if (!network_) {
        emit ErrorOccurred(QStringLiteral("simulated CAN bus: its network is gone, frame not sent"));
        return false;
    }
    network_->Post(this, frame);
    return true;
}
