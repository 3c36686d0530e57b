#include "can/CanHost.h"

#include "can/CanBus.h"
#include "can/CanBusTransmitter.h"

#include <algorithm>

TCanHost::TCanHost(std::unique_ptr<TCanBus> bus, QObject* parent)
    : QObject(parent), bus_(std::move(bus)), transmitter_(new TCanBusTransmitter(bus_.get(), this))
{
    connect(bus_.get(), &TCanBus::FrameReceived, this, &TCanHost::Deliver);
}

// The nodes go before the bus they write to.
TCanHost::~TCanHost()
{
    const std::vector<TCanCBase*> nodes = nodes_;
    for (TCanCBase* node : nodes)
        delete node;
    delete transmitter_;
}

void TCanHost::AddNode(TCanCBase* node)
{
    if (std::find(nodes_.begin(), nodes_.end(), node) != nodes_.end())
        return;
    node->setParent(this);
    if (!node->Transmitter)
        node->Transmitter = transmitter_;
    nodes_.push_back(node);
    connect(node, &TCanCBase::MessageOut, bus_.get(), [bus = bus_.get()](TCanMessage* reply) { bus->Write(*reply); });
    connect(node, &QObject::destroyed, this, &TCanHost::Forget);
}

void TCanHost::Forget(QObject* node)
{
    nodes_.erase(std::remove(nodes_.begin(), nodes_.end(), node), nodes_.end());
}

void TCanHost::Deliver(const TCanMessage& frame)
{
    // One copy per frame, so no node sees or keeps the bus's own record. A
    // handler may delete a node: the list is walked by index.
    TCanMessage copy = frame;
    for (std::size_t i = 0; i < nodes_.size(); ++i)
        nodes_[i]->HandleMessage(&copy);
}
