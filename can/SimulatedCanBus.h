#pragma once
// TSimulatedCanBus: one attachment to an in-process simulated wire, for tests
// and for programs without CAN hardware.

#include "can/CanBus.h"

#include <QPointer>

class TSimulatedCanNetwork;

class TSimulatedCanBus : public TCanBus {
    Q_OBJECT

public:
    explicit TSimulatedCanBus(TSimulatedCanNetwork* network, QObject* parent = nullptr);
    ~TSimulatedCanBus() override;

    bool Write(const TCanMessage& frame) override;

private:
    QPointer<TSimulatedCanNetwork> network_;
};
