#include "can/CanFrameText.h"

#include "can/CanIdentifier.h"
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

QString DataBytes(const TCanMessage& frame)
{
    QString text;
    for (int i = 0; i < std::min<int>(frame.Length, 8); ++i)
        text += QStringLiteral(" %1").arg(frame.Data[i], 2, 16, QLatin1Char('0')).toUpper();
    return text;
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

QString CanAddressText(const CanId::TAddress& a)
{
    return QStringLiteral("%1.%2.%3.%4").arg(a.CardNr).arg(a.CardID).arg(a.ComponentNr).arg(a.ComponentID);
}
