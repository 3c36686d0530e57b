#pragma once
// TSimulatedCanNetwork: an in-process wire joining simulated buses. A frame
// written on one bus reaches every other bus of the wire, never its writer,
// from the event loop (as a real bus delivers later, never inside the write),
// or at once when Flush() is called.

#include "can/CanMessage.h"

#include <QObject>
#include <deque>
#include <vector>

class TSimulatedCanBus;

class TSimulatedCanNetwork : public QObject {
    Q_OBJECT

public:
    using QObject::QObject;

    // Delivers every pending frame, also those written while delivering.
    void Flush();
    bool Pending() const { return !queue_.empty(); }

private:
    friend class TSimulatedCanBus;
    void Join(TSimulatedCanBus* bus) { buses_.push_back(bus); }
    void Leave(TSimulatedCanBus* bus);
    void Post(const TSimulatedCanBus* from, const TCanMessage& frame);

    struct Pending_ {
        const TSimulatedCanBus* From;
        TCanMessage Frame;
    };
    std::vector<TSimulatedCanBus*> buses_;
    std::deque<Pending_> queue_;
    bool flushQueued_ = false;
};
