#include "qml/QuilCanNetwork.h"

#include "can/SimulatedCanNetwork.h"

QuilCanNetwork::QuilCanNetwork(QObject* parent) : QObject(parent), network_(new TSimulatedCanNetwork(this)) {}

void QuilCanNetwork::flush() { network_->Flush(); }
