#include "can/QtCanBus.h"

#include "can/CanIdentifier.h"
#include "framework/Exception.h"

#include <QCanBus>
#include <QCanBusDevice>
#include <algorithm>

TQtCanBus::TQtCanBus(const QString& plugin, const QString& interfaceName, QObject* parent) : TCanBus(parent)
{
    QString reason;
    device_.reset(QCanBus::instance()->createDevice(plugin, interfaceName, &reason));
    if (!device_)
        throw Exception(QStringLiteral("CAN plugin '%1', interface '%2': %3").arg(plugin, interfaceName, reason));
    connect(device_.get(), &QCanBusDevice::framesReceived, this, &TQtCanBus::ReadFrames);
    connect(device_.get(), &QCanBusDevice::errorOccurred, this, [this](QCanBusDevice::CanBusError) {
        emit ErrorOccurred(device_->errorString());
    });
    connect(device_.get(), &QCanBusDevice::stateChanged, this, [this](QCanBusDevice::CanBusDeviceState state) {
        if (state == QCanBusDevice::ConnectedState)
            emit Connected();
    });
    if (!device_->connectDevice())
        throw Exception(QStringLiteral("CAN plugin '%1', interface '%2': cannot connect: %3")
                            .arg(plugin, interfaceName, device_->errorString()));
}

TQtCanBus::~TQtCanBus()
{
    if (device_)
        device_->disconnectDevice();
}

bool TQtCanBus::IsConnected() const { return device_->state() == QCanBusDevice::ConnectedState; }

bool TQtCanBus::Write(const TCanMessage& frame) { return device_->writeFrame(ToQtFrame(frame)); }

QCanBusFrame TQtCanBus::ToQtFrame(const TCanMessage& frame)
{
    const int length = std::min<int>(frame.Length, 8);
    QCanBusFrame result(frame.ID & CanId::ExtendedMask,
                        QByteArray(reinterpret_cast<const char*>(frame.Data), length));
    result.setExtendedFrameFormat(true);
    return result;
}

std::optional<TCanMessage> TQtCanBus::FromQtFrame(const QCanBusFrame& frame)
{
    if (frame.frameType() != QCanBusFrame::DataFrame || !frame.hasExtendedFrameFormat() || frame.hasFlexibleDataRateFormat())
        return std::nullopt;
    TCanMessage result;
    result.ID = frame.frameId() & CanId::ExtendedMask;
    const QByteArray payload = frame.payload();
    result.Length = std::uint8_t(std::min<qsizetype>(payload.size(), 8));
    std::copy_n(payload.constData(), result.Length, result.Data);
    return result;
}

void TQtCanBus::ReadFrames()
{
    while (device_->framesAvailable()) {
        const QCanBusFrame read = device_->readFrame();
        emit BusFrameReceived(read);
        if (const auto frame = FromQtFrame(read))
            emit FrameReceived(*frame);
    }
}
