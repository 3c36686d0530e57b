#pragma once
// TCanBusTransmitter: the host's node whose SendMessage puts frames on the
// host's bus; the input objects send their PDOs through it.

#include "can/CanCBase.h"

class TCanBus;

class TCanBusTransmitter : public TCanCBase {
    Q_OBJECT

public:
    explicit TCanBusTransmitter(TCanBus* bus, QObject* owner = nullptr);
    void SendMessage(TCanMessage* Message) override;

private:
    TCanBus* bus_;
};
