#pragma once
// TCanBus: where a host's frames come from and go to. Received frames are
// reported on the thread that owns the bus (the user-interface thread).

#include "can/CanMessage.h"

#include <QObject>
#include <QString>

class TCanBus : public QObject {
    Q_OBJECT

public:
    using QObject::QObject;
    // Queues one frame for the bus; false (and ErrorOccurred) when it cannot.
    virtual bool Write(const TCanMessage& frame) = 0;

signals:
    void FrameReceived(const TCanMessage& frame);
    void ErrorOccurred(const QString& text);
};
