// Fuzz target for the CAN nodes: any bytes become a sequence of frames,
// time-outs, polls and buffer lengths for an analog and a digital input object
// on one host. No crash, no sanitizer report, every reply a well-formed
// frame, and SdoIndex never leaves SdoData (0..256: the next position to
// write or read). Anything else is a finding.
//
// Each record is 14 bytes: an operation byte, a 32-bit little-endian word, a
// length byte and 8 data bytes. Operation bit 0 picks the node; bits 1-2 the
// kind: 0 an SDO request to it, 1 a PDO to it, 2 a frame with the word as its
// raw identifier, 3 an event picked by bits 3-4 (SdoTimer tick, poll,
// SdoLength = the word's low 16 bits taken signed, new reading = the word).

#include "can/AnaInObj.h"
#include "can/CanHost.h"
#include "can/DigInObj.h"
#include "can/SimulatedCanBus.h"
#include "can/SimulatedCanNetwork.h"
#include "framework/Dialogs.h"
#include "framework/Timer.h"

#include <QCoreApplication>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>

namespace {

constexpr std::size_t RecordSize = 14;

void Finding(const char* what)
{
    std::fprintf(stderr, "finding: %s\n", what);
    std::abort();
}

void CheckNode(const TCanCBase& node)
{
    if (node.SdoIndex() < 0 || node.SdoIndex() > TCanCBase::SdoDataSize)
        Finding("SdoIndex left SdoData");
    if (!node.SdoBusy() && node.SdoIndex() != 0)
        Finding("an idle node kept a transfer position");
}

void CheckReply(const TCanMessage* reply)
{
    if (reply->Length < 1 || reply->Length > 8)
        Finding("reply length outside 1..8");
    if (CanId::Type.Of(reply->ID) != CanId::SdoReply || (reply->ID & ~CanId::ExtendedMask) != 0)
        Finding("reply identifier not an SDO reply");
}

void Event(TCanInputObj& node, int which, std::uint32_t word)
{
    switch (which) {
    case 0: node.OnTTimeOut(node.SdoTimer()); break;
    case 1: node.OnPollTime(node.PollTimer); break;
    case 2: node.SdoLength = std::int16_t(word & 0xFFFF); break;
    default:
        if (auto* analog = qobject_cast<TAnaInObj*>(&node))
            analog->InputValue = int(word);
        else if (auto* digital = qobject_cast<TDigInObj*>(&node)) {
            digital->CounterInput = int(word);
            digital->LogicInput = word & 1;
        }
    }
}

} // namespace

// Freed blocks are held back to catch late use; a smaller hold keeps a long
// run's memory low while every block freed by the last input is still caught.
// Each input builds and frees a host, two nodes and their timers, so the
// default hold of 256 MB filled up within minutes.
extern "C" const char* __asan_default_options() { return "quarantine_size_mb=32"; }

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    static int argc = 1;
    static char name[] = "can_node_fuzzer";
    static char* argv[] = {name, nullptr};
    new QCoreApplication(argc, argv);
    Dialogs::SetSink([](Dialogs::MessageKind, const QString&, const QString&) {});
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    TSimulatedCanNetwork network;
    TCanHost host(std::make_unique<TSimulatedCanBus>(&network));
    TCanInputObj* nodes[2] = {new TAnaInObj, new TDigInObj};
    for (TCanInputObj* node : nodes) {
        host.AddNode(node);
        QObject::connect(node, &TCanCBase::MessageOut, node, &CheckReply);
    }
    for (std::size_t at = 0; at + RecordSize <= size; at += RecordSize) {
        const uint8_t* r = data + at;
        TCanInputObj& node = *nodes[r[0] & 1];
        const std::uint32_t word = r[1] | r[2] << 8 | r[3] << 16 | std::uint32_t(r[4]) << 24;
        const int kind = (r[0] >> 1) & 3;
        if (kind == 3) {
            Event(node, (r[0] >> 3) & 3, word);
        } else {
            TCanMessage frame;
            frame.ID = kind == 2 ? word
                                 : CanId::Compose(node.NodeId(), kind == 0 ? CanId::SdoRequest : CanId::Pdo, int(word & 7));
            frame.Length = r[5];
            for (int i = 0; i < 8; ++i)
                frame.Data[i] = r[6 + i];
            host.Deliver(frame);
        }
        CheckNode(*nodes[0]);
        CheckNode(*nodes[1]);
        network.Flush();
    }
    return 0;
}
