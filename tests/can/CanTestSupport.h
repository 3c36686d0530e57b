#pragma once
// Frames and recorders shared by the CAN tests.

#include "can/CanCBase.h"
#include "can/SdoCommand.h"

#include <QObject>
#include <initializer_list>
#include <vector>

inline TCanMessage FrameTo(const TCanCBase& node, int type, std::initializer_list<int> data, int priority = 5)
{
    TCanMessage m;
    m.ID = CanId::Compose(node.NodeId(), type, priority);
    m.Length = std::uint8_t(data.size());
    int i = 0;
    for (int b : data)
        m.Data[i++] = std::uint8_t(b);
    return m;
}

// An SDO request with the given command byte and payload bytes 1..n.
inline TCanMessage Request(const TCanCBase& node, int commandByte, std::initializer_list<int> payload = {})
{
    TCanMessage m = FrameTo(node, CanId::SdoRequest, {commandByte});
    for (int b : payload)
        m.Data[m.Length++] = std::uint8_t(b);
    return m;
}

// Copies every SDO reply a node hands to MessageOut.
struct ReplyLog {
    explicit ReplyLog(TCanCBase& node)
    {
        QObject::connect(&node, &TCanCBase::MessageOut, &node, [this](TCanMessage* m) { Frames.push_back(*m); });
    }
    std::vector<TCanMessage> Frames;
    int LastByte() const { return Frames.empty() ? -1 : Frames.back().Data[0]; }
};

// A node that keeps every frame sent through it (a host's transmitter).
class TRecordingTransmitter : public TCanCBase {
public:
    using TCanCBase::TCanCBase;
    void SendMessage(TCanMessage* Message) override { Sent.push_back(*Message); }
    std::vector<TCanMessage> Sent;
};

// The value a PDO carries, as the bytes say (signed 16-bit, little-endian).
inline int PdoValue(const TCanMessage& m) { return std::int16_t(m.Data[0] | (m.Data[1] << 8)); }
