#include "qml/QuilCanHost.h"

#include "can/CanBus.h"
#include "can/CanHost.h"
#include "can/CanInputObj.h"
#include "can/QtCanBus.h"
#include "can/SimulatedCanBus.h"
#include "can/SimulatedCanNetwork.h"
#include "framework/Exception.h"
#include "qml/QmlArguments.h"
#include "qml/QuilCanNetwork.h"
#include "qml/QuilCanNode.h"

#include <QQmlInfo>
#include <algorithm>
#include <memory>

namespace {

QString Bytes(const QList<int>& data)
{
    QStringList text;
    for (int b : data)
        text << QString::number(b);
    return text.join(QLatin1Char(' '));
}

} // namespace

QuilCanHost::QuilCanHost(QObject* parent) : QObject(parent) {}

// The nodes go with the host, before the bus they write to.
QuilCanHost::~QuilCanHost() { delete host_; }

void QuilCanHost::SetBus(BusKind value)
{
    if (value == bus_)
        return;
    if (complete_) {
        Report(QStringLiteral("CanHost.bus: the bus is chosen once, before the host is complete"));
        return;
    }
    bus_ = value;
    emit busChanged();
}

void QuilCanHost::SetNetwork(QuilCanNetwork* value)
{
    if (value == network_)
        return;
    if (complete_) {
        Report(QStringLiteral("CanHost.network: the network is chosen once, before the host is complete"));
        return;
    }
    network_ = value;
    emit networkChanged();
}

void QuilCanHost::SetPlugin(const QString& value)
{
    if (value == plugin_)
        return;
    if (complete_) {
        Report(QStringLiteral("CanHost.plugin: the bus is chosen once, before the host is complete"));
        return;
    }
    plugin_ = value;
    emit busChanged();
}

void QuilCanHost::SetInterfaceName(const QString& value)
{
    if (value == interfaceName_)
        return;
    if (complete_) {
        Report(QStringLiteral("CanHost.interfaceName: the bus is chosen once, before the host is complete"));
        return;
    }
    interfaceName_ = value;
    emit busChanged();
}

void QuilCanHost::SetPdoTypeFlag(bool value)
{
    if (value == pdoTypeFlag_)
        return;
    pdoTypeFlag_ = value;
    if (host_)
        host_->SetPdoTypeFlag(value);
    emit pdoTypeFlagChanged();
}

QQmlListProperty<QuilCanNode> QuilCanHost::Nodes()
{
    return QQmlListProperty<QuilCanNode>(this, nullptr, &QuilCanHost::AppendNode, &QuilCanHost::NodeCount,
                                         &QuilCanHost::NodeAt, nullptr);
}

void QuilCanHost::AppendNode(QQmlListProperty<QuilCanNode>* list, QuilCanNode* node)
{
    auto* self = static_cast<QuilCanHost*>(list->object);
    if (!node || self->nodes_.contains(node))
        return;
    self->nodes_.append(node);
    if (self->host_)
        self->Take(node);
}

qsizetype QuilCanHost::NodeCount(QQmlListProperty<QuilCanNode>* list)
{
    return static_cast<QuilCanHost*>(list->object)->nodes_.size();
}

QuilCanNode* QuilCanHost::NodeAt(QQmlListProperty<QuilCanNode>* list, qsizetype index)
{
    return static_cast<QuilCanHost*>(list->object)->nodes_.value(index);
}

void QuilCanHost::componentComplete()
{
    complete_ = true;
    Open();
}

void QuilCanHost::Open()
{
    std::unique_ptr<TCanBus> bus;
    if (bus_ == Simulated) {
        TSimulatedCanNetwork* wire = network_ ? network_->Network() : new TSimulatedCanNetwork(this);
        bus = std::make_unique<TSimulatedCanBus>(wire);
    } else {
        try {
            auto device = std::make_unique<TQtCanBus>(plugin_, interfaceName_);
            connect(device.get(), &TQtCanBus::Connected, this, &QuilCanHost::connectedChanged);
            bus = std::move(device);
        } catch (const Exception& e) {
            Report(QStringLiteral("CanHost: ") + e.Message);
            return;
        }
    }
    connect(bus.get(), &TCanBus::FrameReceived, this, &QuilCanHost::Received);
    connect(bus.get(), &TCanBus::ErrorOccurred, this, [this](const QString& text) { Report(QStringLiteral("CanHost: ") + text); });
    host_ = new TCanHost(std::move(bus));
    host_->SetPdoTypeFlag(pdoTypeFlag_);
    for (QuilCanNode* node : std::as_const(nodes_))
        Take(node);
    emit connectedChanged();
}

void QuilCanHost::Take(QuilCanNode* node)
{
    if (node->Node())
        host_->AddNode(node->Node());
}

bool QuilCanHost::Connected() const
{
    if (!host_)
        return false;
    auto* device = qobject_cast<TQtCanBus*>(host_->Bus());
    return !device || device->IsConnected();
}

void QuilCanHost::Report(const QString& error)
{
    qmlWarning(this) << error;
    if (error == errorString_)
        return;
    errorString_ = error;
    emit errorStringChanged();
}

bool QuilCanHost::send(double identifier, const QList<int>& data)
{
    if (!host_) {
        Report(QStringLiteral("CanHost.send: the host has no bus"));
        return false;
    }
    const bool bytes = std::all_of(data.begin(), data.end(), [](int b) { return b >= 0 && b <= 255; });
    if (data.size() > 8 || !bytes || identifier < 0 || identifier >= double(1u << 29)) {
        Report(QStringLiteral("CanHost.send: a frame has a 29-bit identifier and at most 8 bytes of 0..255 (identifier %1, "
                                  "bytes %2)")
                   .arg(identifier)
                   .arg(Bytes(data)));
        return false;
    }
    TCanMessage frame;
    frame.ID = std::uint32_t(identifier);
    frame.Length = std::uint8_t(data.size());
    for (int i = 0; i < frame.Length && i < 8; ++i)
        frame.Data[i] = std::uint8_t(data[i]);
    return host_->Bus()->Write(frame);
}

void QuilCanHost::Received(const TCanMessage& frame)
{
    QList<int> data;
    for (int i = 0; i < frame.Length && i < 8; ++i)
        data.append(frame.Data[i]);
    emit frameReceived(double(frame.ID), data);
}
