#include "can/CanBusTransmitter.h"

#include "can/CanBus.h"

TCanBusTransmitter::TCanBusTransmitter(TCanBus* bus, QObject* owner) : TCanCBase(owner), bus_(bus) {}

void TCanBusTransmitter::SendMessage(TCanMessage* Message) { bus_->Write(*Message); }
