#include "can/CanInputObj.h"

#include "framework/Timer.h"

#include <QVariant>

#include <climits>
#include <cstdlib>

TCanInputObj::TCanInputObj(QObject* owner) : TCanCBase(owner), PollTimer(new TTimer(this))
{
    PollTimer->SetInterval(100);
    connect(PollTimer, &TTimer::OnTimer, this, &TCanInputObj::OnPollTime);
    SdoLength = 30;
}

void TCanInputObj::HandleMessage(TCanMessage* Message) { MessageIn(Message); }

int TCanInputObj::SdoWord(int at) const
{
    const int low = SdoData[std::size_t(at)] & 0xFF;
    const int high = static_cast<std::int8_t>(SdoData[std::size_t(at + 1)] & 0xFF);
    return low + 256 * high;
}

void TCanInputObj::RunEvents(bool functionSet)
{
    if (EventsOff != 0 || !functionSet)
        return;
    SendEvents();
    if (PollCount < INT_MAX)
        ++PollCount;
}

void TCanInputObj::SendEvent()
{
    LastSentValue = Value;
    PollCount = 0;
    SendPDO();
}

void TCanInputObj::SendEvents()
{
    if (EventMask & EventHigh) {
        if (Value >= HighLimit) {
            if (!HighSent) {
                HighSent = true;
                SendEvent();
            }
        } else {
            HighSent = false;
        }
    }
    if (EventMask & EventLow) {
        if (Value <= LowLimit) {
            if (!LowSent) {
                LowSent = true;
                SendEvent();
            }
        } else {
            LowSent = false;
        }
    }
    if ((EventMask & EventDelta) && std::llabs(qint64(Value) - LastSentValue) >= DeltaLimit)
        SendEvent();
    if ((EventMask & EventInterval) && PollCount >= IntervalLimit)
        SendEvent();
}

bool TCanInputObj::PdoTypeFlag() const
{
    return parent() && parent()->property("PdoTypeFlag").toBool();
}

void TCanInputObj::SendPDO()
{
    if (!Transmitter)
        return;
    TCanMessage pdo;
    pdo.ID = CanId::Compose(NodeId(), PdoTypeFlag() ? CanId::Pdo : CanId::PdoUntyped, Prioriteit());
    pdo.Length = 2;
    pdo.Data[0] = std::uint8_t(Value & 0xFF);
    pdo.Data[1] = std::uint8_t((Value >> 8) & 0xFF);
    Transmitter->SendMessage(&pdo);
}
