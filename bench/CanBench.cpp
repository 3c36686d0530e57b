// Frames through CAN nodes: MessageIn of one node over a mixed stream (nine in
// ten frames for other nodes, the rest PDOs and configuration segments that
// are answered), and a host handing every frame of a wire to 64 nodes. A
// 1 Mbit/s bus carries at most about 12,000 frames per second.

#include "BenchMain.h"
#include "can/AnaInObj.h"
#include "can/CanHost.h"
#include "can/SimulatedCanBus.h"
#include "can/SimulatedCanNetwork.h"

#include <benchmark/benchmark.h>
#include <memory>
#include <random>
#include <vector>

namespace {

TCanMessage Frame(std::uint32_t nodeBits, int type, std::initializer_list<int> data)
{
    TCanMessage m;
    m.ID = CanId::Compose(nodeBits, type, 5);
    for (int b : data)
        m.Data[m.Length++] = std::uint8_t(b);
    return m;
}

// The frames for one node: a 26-byte download and a 30-entry upload, each
// request followed by a PDO. The sequence leaves the node idle, so it repeats.
std::vector<TCanMessage> OwnFrames(std::uint32_t node)
{
    const std::initializer_list<int> requests[] = {
        {0x71, 1, 2, 3, 4, 5, 6, 7}, {0xF2, 1, 2, 3, 4, 5, 6, 7}, {0x72, 1, 2, 3, 4, 5, 6, 7},
        {0xD3, 1, 2, 3, 4, 5},       {0x06},                      {0x87},
        {0x07},                      {0x87},                      {0x07}};
    std::vector<TCanMessage> frames;
    for (const auto& request : requests) {
        frames.push_back(Frame(node, CanId::SdoRequest, request));
        frames.push_back(Frame(node, CanId::Pdo, {0x34, 0x12}));
    }
    return frames;
}

// Nine frames for nodes at `other` and up before each frame for the `own` nodes.
std::vector<TCanMessage> MixedStream(const std::vector<std::uint32_t>& own, std::uint32_t other)
{
    std::mt19937 random(7);
    std::vector<TCanMessage> stream;
    for (std::uint32_t node : own)
        for (const TCanMessage& m : OwnFrames(node)) {
            for (int i = 0; i < 9; ++i) {
                const int type = int(random() % 4);
                stream.push_back(Frame((other + std::uint32_t(random() % 64)) & CanId::AddressMask, type,
                                       {int(random() & 0x7F), 1, 2, 3, 4, 5, 6, 7}));
            }
            stream.push_back(m);
        }
    return stream;
}

void BM_MessageInMixedStream(benchmark::State& state)
{
    TAnaInObj node;
    std::int64_t replies = 0;
    QObject::connect(&node, &TCanCBase::MessageOut, &node, [&replies](TCanMessage*) { ++replies; });
    std::vector<TCanMessage> stream = MixedStream({node.NodeId()}, 0x100000u);
    for (auto _ : state)
        for (TCanMessage& m : stream)
            node.MessageIn(&m);
    benchmark::DoNotOptimize(replies);
    state.SetItemsProcessed(state.iterations() * std::int64_t(stream.size()));
    state.counters["replies"] = double(replies);
}
BENCHMARK(BM_MessageInMixedStream);

void BM_HostTo64Nodes(benchmark::State& state)
{
    TSimulatedCanNetwork network;
    TCanHost host(std::make_unique<TSimulatedCanBus>(&network));
    TSimulatedCanBus master(&network);
    std::int64_t answered = 0;
    QObject::connect(&master, &TCanBus::FrameReceived, [&answered](const TCanMessage&) { ++answered; });
    std::vector<std::uint32_t> addresses;
    for (int i = 0; i < 64; ++i) {
        auto* node = new TAnaInObj;
        node->SetCardNr(i % 32);
        node->SetComponentNr(i / 32);
        host.AddNode(node);
        addresses.push_back(node->NodeId());
    }
    const std::vector<std::uint32_t> some(addresses.begin(), addresses.begin() + 4);
    const std::vector<TCanMessage> stream = MixedStream(some, 0x200000u);
    for (auto _ : state) {
        for (const TCanMessage& m : stream)
            master.Write(m);
        network.Flush(); // the nodes' replies reach the master too
    }
    state.SetItemsProcessed(state.iterations() * std::int64_t(stream.size()));
    state.counters["replies"] = double(answered);
}
BENCHMARK(BM_HostTo64Nodes);

} // namespace

int main(int argc, char** argv) { return RunBenchmarks(argc, argv); }
