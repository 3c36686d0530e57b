#pragma once
// TCanHost: owns a bus and the node objects on it. Every frame the bus
// receives goes to HandleMessage of every node (on the user-interface
// thread); each node's SDO replies and each input object's PDOs go to the
// bus. The input objects read the host's PdoTypeFlag as their owner's.

#include "can/CanMessage.h"
#include "framework/Notify.h"

#include <QObject>
#include <memory>
#include <vector>

class TCanBus;
class TCanBusTransmitter;
class TCanCBase;

class TCanHost : public QObject {
    Q_OBJECT
    Q_PROPERTY(bool PdoTypeFlag READ PdoTypeFlag WRITE SetPdoTypeFlag NOTIFY PdoTypeFlagChanged)

public:
    explicit TCanHost(std::unique_ptr<TCanBus> bus, QObject* parent = nullptr);
    ~TCanHost() override;

    // Takes the node over (the host becomes its owner); a node without a
    // Transmitter gets the host's.
    void AddNode(TCanCBase* node);
    // Hands one received frame to every node.
    void Deliver(const TCanMessage& frame);

    TCanBus* Bus() const { return bus_.get(); }
    TCanBusTransmitter* Transmitter() const { return transmitter_; }
    const std::vector<TCanCBase*>& Nodes() const { return nodes_; }

    bool PdoTypeFlag() const { return pdoTypeFlag_; }
    void SetPdoTypeFlag(bool value) { SetAndNotify(this, &TCanHost::PdoTypeFlagChanged, pdoTypeFlag_, value); }

private:
    void Forget(QObject* node);

    std::unique_ptr<TCanBus> bus_;
    TCanBusTransmitter* transmitter_;
    std::vector<TCanCBase*> nodes_;
    bool pdoTypeFlag_ = true;

signals:
    // Property notifications (see framework/Notify.h).
    void PdoTypeFlagChanged();
};
