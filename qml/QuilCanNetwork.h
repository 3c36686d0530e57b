#pragma once
// SimulatedCanNetwork in QML: an in-process CAN wire. Hosts given the same
// network hear each other's frames (never their own), from the event loop.

#include <QObject>
#include <QtQml/qqmlregistration.h>

class TSimulatedCanNetwork;

class QuilCanNetwork : public QObject {
    Q_OBJECT
    QML_NAMED_ELEMENT(SimulatedCanNetwork)

public:
    explicit QuilCanNetwork(QObject* parent = nullptr);

    TSimulatedCanNetwork* Network() const { return network_; }
    // Delivers every frame on the wire now instead of from the event loop.
    Q_INVOKABLE void flush();

private:
    TSimulatedCanNetwork* network_;
};
