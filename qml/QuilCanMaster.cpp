#include "qml/QuilCanMaster.h"

#include "can/CanBus.h"
#include "can/CanFrameText.h"
#include "can/CanHost.h"
#include "can/CanInputObj.h"
#include "can/SdoBytes.h"

#include <algorithm>

namespace {

TCanMessage Frame(double identifier, const QList<int>& data)
{
    TCanMessage frame;
    frame.ID = std::uint32_t(identifier);
    frame.Length = std::uint8_t(std::min<qsizetype>(data.size(), 8));
    for (int i = 0; i < frame.Length; ++i)
        frame.Data[i] = std::uint8_t(data[i]);
    return frame;
}

QList<int> Bytes(const TCanMessage& frame)
{
    QList<int> data;
    for (int i = 0; i < frame.Length && i < 8; ++i)
        data.append(frame.Data[i]);
    return data;
}

} // namespace

QuilCanMaster::QuilCanMaster(QObject* parent) : QObject(parent) {}

void QuilCanMaster::SetHost(QuilCanHost* value)
{
    if (value == host_)
        return;
    host_ = value;
    emit hostChanged();
}

QString QuilCanMaster::describe(double identifier, const QList<int>& data) const
{
    return DescribeCanFrame(Frame(identifier, data));
}

bool QuilCanMaster::Ready(QuilCanNode* node, const QString& what)
{
    QString refusal;
    if (Busy())
        refusal = QStringLiteral("a transfer is running");
    else if (!host_ || !host_->Host())
        refusal = QStringLiteral("the master has no host with a bus");
    else if (!node || !node->Node())
        refusal = QStringLiteral("no CAN object to address");
    if (refusal.isEmpty())
        return true;
    SetResult(what + QStringLiteral(" refused: ") + refusal);
    return false;
}

void QuilCanMaster::download(QuilCanNode* node, const QString& bytes)
{
    if (!Ready(node, QStringLiteral("Download")))
        return;
    QString error;
    const QByteArray data = ParseSdoBytes(bytes, error);
    if (!error.isEmpty()) {
        SetResult(QStringLiteral("Download refused: ") + error);
        return;
    }
    const auto address = CanId::TAddress::Of(node->Node()->NodeId());
    Start(TSdoTransfer::Download(address, data, Sender(), this),
          QStringLiteral("Downloaded %1 bytes to %2").arg(data.size()).arg(CanAddressText(address)));
}

void QuilCanMaster::upload(QuilCanNode* node)
{
    if (!Ready(node, QStringLiteral("Upload")))
        return;
    const auto address = CanId::TAddress::Of(node->Node()->NodeId());
    Start(TSdoTransfer::Upload(address, Sender(), this),
          QStringLiteral("Uploaded from %1").arg(CanAddressText(address)));
}

TSdoTransfer::SendFunction QuilCanMaster::Sender()
{
    // The host may go while a transfer waits for a reply.
    return [this](const TCanMessage& m) {
        if (!host_ || !host_->Host())
            return false;
        emit sent(double(m.ID), Bytes(m));
        return host_->Host()->Bus()->Write(m);
    };
}

void QuilCanMaster::Start(TSdoTransfer* transfer, const QString& what)
{
    transfer_ = transfer;
    emit busyChanged();
    SetResult(what + QStringLiteral(" ..."));
    connect(host_->Host()->Bus(), &TCanBus::FrameReceived, transfer, &TSdoTransfer::FrameReceived);
    connect(transfer, &TSdoTransfer::Finished, this, [this, what] { Finish(what); });
    transfer->Start();
}

void QuilCanMaster::Finish(const QString& what)
{
    TSdoTransfer* transfer = transfer_;
    if (!transfer)
        return;
    SetResult(transfer->Outcome(what));
    transfer_ = nullptr;
    // Finished is raised from inside the transfer's own calls.
    transfer->deleteLater();
    emit busyChanged();
}

void QuilCanMaster::SetResult(const QString& text)
{
    if (text == result_)
        return;
    result_ = text;
    emit resultChanged();
}
