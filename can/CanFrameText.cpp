#include "can/CanFrameText.h"

#include "can/CanIdentifier.h"
#include "can/QtCanBus.h"
#include "can/SdoCommand.h"

#include <algorithm>

namespace {

QString TypeName(int type)
{
    switch (type) {
    case CanId::SdoRequest: return QStringLiteral("SDO request");
    case CanId::SdoReply: return QStringLiteral("SDO reply  ");
    case CanId::Pdo: return QStringLiteral("PDO        ");
    default: return QStringLiteral("PDO type 0 ");
    }
}

QString HexBytes(const std::uint8_t* data, int length)
{
    QString text;
    for (int i = 0; i < length; ++i)
        text += QStringLiteral(" %1").arg(data[i], 2, 16, QLatin1Char('0')).toUpper();
    return text;
}

QString DataBytes(const TCanMessage& frame) { return HexBytes(frame.Data, std::min<int>(frame.Length, 8)); }

QString FrameKind(const QCanBusFrame& frame)
{
    const QString format = frame.hasExtendedFrameFormat() ? QStringLiteral("extended") : QStringLiteral("standard");
    switch (frame.frameType()) {
    case QCanBusFrame::DataFrame:
        return frame.hasFlexibleDataRateFormat() ? format + QStringLiteral(" FD") : format;
    case QCanBusFrame::RemoteRequestFrame: return format + QStringLiteral(" remote");
    case QCanBusFrame::ErrorFrame: return QStringLiteral("error frame");
    default: return QStringLiteral("invalid frame");
    }
}

QString Detail(const TCanMessage& frame, int type)
{
    if (type == CanId::SdoRequest || type == CanId::SdoReply) {
        const std::uint8_t byte = frame.Data[0];
        return QStringLiteral("toggle %1, %2 bytes, %3")
            .arg(Sdo::Toggle(byte) ? 1 : 0)
            .arg(Sdo::Count(byte))
            .arg(Sdo::CommandName(Sdo::CommandOf(byte), type == CanId::SdoRequest));
    }
    if (frame.Length < 2)
        return QStringLiteral("short PDO");
    return QStringLiteral("value %1").arg(int(std::int16_t(frame.Data[0] | (frame.Data[1] << 8))));
}

} // namespace

QString DescribeCanFrame(const TCanMessage& frame)
{
    const CanId::TAddress a = CanId::TAddress::Of(frame.ID);
    const int type = CanId::Type.Of(frame.ID);
    return QStringLiteral("%1 %2 prio %3 node %4 [%5]%6 | %7")
        .arg(frame.ID, 8, 16, QLatin1Char('0'))
        .arg(TypeName(type))
        .arg(CanId::Priority.Of(frame.ID))
        .arg(CanAddressText(a).leftJustified(11))
        .arg(frame.Length)
        .arg(DataBytes(frame).leftJustified(24))
        .arg(Detail(frame, type));
}

QString DescribeBusFrame(const QCanBusFrame& frame)
{
    if (const auto message = TQtCanBus::FromQtFrame(frame))
        return DescribeCanFrame(*message);
    const QByteArray payload = frame.payload();
    // A remote frame carries no bytes, only the length it asks for.
    const int length = frame.frameType() == QCanBusFrame::RemoteRequestFrame ? 0 : int(payload.size());
    const int width = frame.hasExtendedFrameFormat() ? 8 : 3;
    return QStringLiteral("%1 %2 not addressed to a node [%3]%4")
        .arg(QStringLiteral("%1").arg(frame.frameId(), width, 16, QLatin1Char('0')).rightJustified(8))
        .arg(FrameKind(frame).leftJustified(11))
        .arg(payload.size())
        .arg(HexBytes(reinterpret_cast<const std::uint8_t*>(payload.constData()), length));
}

QString CanAddressText(const CanId::TAddress& a)
{
    return QStringLiteral("%1.%2.%3.%4").arg(a.CardNr).arg(a.CardID).arg(a.ComponentNr).arg(a.ComponentID);
}
