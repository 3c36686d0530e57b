#pragma once
// TQtCanBus: a bus on Qt's CAN bus API, so a host runs on SocketCAN (can0,
// vcan0) or on the virtualcan plugin (several programs on one machine). The
// device lives on the thread that creates the bus, so frames arrive there.

#include "can/CanBus.h"

#include <QCanBusFrame>
#include <memory>
#include <optional>

class QCanBusDevice;

class TQtCanBus : public TCanBus {
    Q_OBJECT

public:
    // Creates and connects the device; throws Exception naming the plugin,
    // the interface and Qt's reason when that fails.
    TQtCanBus(const QString& plugin, const QString& interfaceName, QObject* parent = nullptr);
    ~TQtCanBus() override;

    bool Write(const TCanMessage& frame) override;
    // Some plugins (virtualcan) connect in the background: frames can be
    // written once the device is connected, announced by Connected().
    bool IsConnected() const;

    static QCanBusFrame ToQtFrame(const TCanMessage& frame);
    // Only extended data frames carry node identifiers; anything else is none.
    static std::optional<TCanMessage> FromQtFrame(const QCanBusFrame& frame);

signals:
    void Connected();
    // Every frame read from the device, standard and remote ones included;
    // the extended data frames among them also come as FrameReceived.
    void BusFrameReceived(const QCanBusFrame& frame);

private:
    void ReadFrames();

    std::unique_ptr<QCanBusDevice> device_;
};
