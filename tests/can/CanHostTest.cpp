// The host with its buses, the master's transfers across a simulated wire,
// frame texts, palette registration and window descriptions.

#include "CanTestSupport.h"
#include "support/TestSupport.h"
#include "can/AnaInObj.h"
#include "can/CanFrameText.h"
#include "can/CanHost.h"
#include "can/DigInObj.h"
#include "can/QtCanBus.h"
#include "can/RegisterCan.h"
#include "can/SdoTransfer.h"
#include "can/SimulatedCanBus.h"
#include "can/SimulatedCanNetwork.h"
#include "framework/ComponentRegistry.h"
#include "framework/StreamReader.h"
#include "framework/StreamWriter.h"
#include "framework/Timer.h"
#include "can/CanBusTransmitter.h"

#include <QSignalSpy>
#include <gtest/gtest.h>
#include <memory>

namespace {

// A host with an analog input on one side of a simulated wire, a master on the other.
struct WireFixture : ::testing::Test {
    TSimulatedCanNetwork network;
    TCanHost host{std::make_unique<TSimulatedCanBus>(&network)};
    TSimulatedCanBus master{&network};
    TAnaInObj* analog = new TAnaInObj;
    std::vector<TCanMessage> seen;

    WireFixture()
    {
        host.AddNode(analog);
        QObject::connect(&master, &TCanBus::FrameReceived, [this](const TCanMessage& m) { seen.push_back(m); });
    }
    TSdoTransfer* Bind(TSdoTransfer* transfer)
    {
        QObject::connect(&master, &TCanBus::FrameReceived, transfer, &TSdoTransfer::FrameReceived);
        return transfer;
    }
    TSdoTransfer::SendFunction Send()
    {
        return [this](const TCanMessage& m) { return master.Write(m); };
    }
};

const CanId::TAddress AnalogAddress{0, 2, 0, 2};

} // namespace

TEST_F(WireFixture, DownloadedConfigurationArrivesAndPdosFollow)
{
    EXPECT_EQ(analog->parent(), &host);
    EXPECT_EQ(analog->Transmitter, static_cast<TCanCBase*>(host.Transmitter()));
    QByteArray bytes(26, 0);
    const int words[12] = {0, 3, 10, 210, 0, 100, 4, 200, 0, 0, 100, 0};
    for (int k = 0; k < 12; ++k)
        bytes[2 * k + 2] = char(words[k]);
    std::unique_ptr<TSdoTransfer> download(Bind(TSdoTransfer::Download(AnalogAddress, bytes, Send())));
    QSignalSpy finished(download.get(), &TSdoTransfer::Finished);
    download->Start();
    network.Flush();
    ASSERT_EQ(download->CurrentState(), TSdoTransfer::State::Done) << download->ErrorString().toStdString();
    EXPECT_EQ(finished.size(), 1);
    EXPECT_EQ(seen.size(), 4u); // the four replies
    EXPECT_TRUE(analog->SdoReceived);

    analog->InputValue = 110;
    analog->OnPollTime(analog->PollTimer);
    network.Flush();
    ASSERT_EQ(seen.size(), 5u);
    EXPECT_EQ(CanId::Type.Of(seen.back().ID), CanId::Pdo);
    EXPECT_EQ(PdoValue(seen.back()), 50);

    std::unique_ptr<TSdoTransfer> upload(Bind(TSdoTransfer::Upload(AnalogAddress, Send())));
    upload->Start();
    network.Flush();
    ASSERT_EQ(upload->CurrentState(), TSdoTransfer::State::Done) << upload->ErrorString().toStdString();
    EXPECT_EQ(upload->Data().left(26), bytes);
    EXPECT_EQ(upload->Data().size(), 30);
}

TEST_F(WireFixture, MasterNamesAbortsAndTimeOuts)
{
    analog->SdoLength = 300;
    std::unique_ptr<TSdoTransfer> upload(Bind(TSdoTransfer::Upload(AnalogAddress, Send())));
    upload->Start();
    network.Flush();
    EXPECT_EQ(upload->CurrentState(), TSdoTransfer::State::Failed);
    EXPECT_TRUE(upload->ErrorString().contains(QStringLiteral("node 0.2.0.2 aborted the start upload")))
        << upload->ErrorString().toStdString();
    EXPECT_TRUE(upload->ErrorString().contains(QStringLiteral("SdoError 10")));

    std::unique_ptr<TSdoTransfer> lost(Bind(TSdoTransfer::Download({1, 2, 3, 4}, QByteArray(3, 1), Send())));
    lost->Start();
    network.Flush();
    EXPECT_EQ(lost->CurrentState(), TSdoTransfer::State::Running);
    EXPECT_TRUE(lost->Timer()->Enabled());
    lost->TimeOut();
    EXPECT_EQ(lost->ErrorString(),
              QStringLiteral("no reply from node 1.2.3.4 within 100 ms to the download first segment (toggle 0)"));

    std::unique_ptr<TSdoTransfer> tooLong(TSdoTransfer::Download(AnalogAddress, QByteArray(257, 1), Send()));
    EXPECT_EQ(tooLong->CurrentState(), TSdoTransfer::State::Failed);
    EXPECT_TRUE(tooLong->ErrorString().contains(QStringLiteral("257")));
}

TEST(CanMaster, ShortDownloadEndsWithAnEmptyLastSegment)
{
    std::vector<TCanMessage> sent;
    std::unique_ptr<TSdoTransfer> t(TSdoTransfer::Download({0, 2, 0, 3}, QByteArray("\x01\x02", 2), [&](const TCanMessage& m) {
        sent.push_back(m);
        return true;
    }));
    t->Start();
    TCanMessage reply;
    reply.ID = CanId::Compose(CanId::TAddress{0, 2, 0, 3}.Bits(), CanId::SdoReply, 5);
    reply.Length = 1;
    reply.Data[0] = 0x04;
    t->FrameReceived(reply);
    ASSERT_EQ(sent.size(), 2u);
    EXPECT_EQ(sent[0].Data[0], 0x21);
    EXPECT_EQ(sent[0].Length, 3);
    EXPECT_EQ(sent[1].Data[0], 0x83);
    EXPECT_EQ(sent[1].Length, 1);
    reply.Data[0] = 0x04; // wrong toggle and command
    t->FrameReceived(reply);
    EXPECT_EQ(t->CurrentState(), TSdoTransfer::State::Failed);
    EXPECT_TRUE(t->ErrorString().contains(QStringLiteral("toggle 0"))) << t->ErrorString().toStdString();
}

TEST(CanFrames, TextAndQtFrames)
{
    TAnaInObj node;
    const TCanMessage request = Request(node, 0x71, {1, 2, 3, 4, 5, 6, 7});
    const QString text = DescribeCanFrame(request);
    EXPECT_TRUE(text.startsWith(QStringLiteral("14c40040 SDO request prio 5 node 0.2.0.2"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("[8] 71 01 02 03 04 05 06 07")));
    EXPECT_TRUE(text.endsWith(QStringLiteral("toggle 0, 7 bytes, download first segment"))) << text.toStdString();
    EXPECT_TRUE(DescribeCanFrame(FrameTo(node, CanId::Pdo, {0xFF, 0xFF})).endsWith(QStringLiteral("value -1")));

    const QCanBusFrame qt = TQtCanBus::ToQtFrame(request);
    EXPECT_TRUE(qt.hasExtendedFrameFormat());
    const auto back = TQtCanBus::FromQtFrame(qt);
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(back->ID, request.ID);
    EXPECT_EQ(back->Length, 8);
    EXPECT_EQ(back->Data[7], 7);
    EXPECT_FALSE(TQtCanBus::FromQtFrame(QCanBusFrame(0x123, QByteArray(2, 0))).has_value());
}

// The monitor's lines for what is on the wire: only extended data frames
// carry node addresses; the others are shown as not addressed to a node.
TEST(CanFrames, EveryFrameOnTheWireIsDescribed)
{
    QCanBusFrame remote(0x123, QByteArray(3, 0));
    remote.setFrameType(QCanBusFrame::RemoteRequestFrame);
    QCanBusFrame extendedRemote = remote;
    extendedRemote.setExtendedFrameFormat(true);
    QCanBusFrame error(QCanBusFrame::ErrorFrame);
    struct Case {
        QCanBusFrame frame;
        const char* text;
    };
    const Case cases[] = {
        {QCanBusFrame(0x123, QByteArray::fromHex("1122")), "     123 standard    not addressed to a node [2] 11 22"},
        {QCanBusFrame(0x7FF, QByteArray()), "     7ff standard    not addressed to a node [0]"},
        {remote, "     123 standard remote not addressed to a node [3]"},
        {extendedRemote, "00000123 extended remote not addressed to a node [3]"},
        {error, "     000 error frame not addressed to a node [0]"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(DescribeBusFrame(c.frame).toStdString(), c.text);

    TAnaInObj node;
    const TCanMessage request = Request(node, 0x71, {1, 2, 3, 4, 5, 6, 7});
    EXPECT_EQ(DescribeBusFrame(TQtCanBus::ToQtFrame(request)), DescribeCanFrame(request));
}

TEST(CanComponents, RegisteredOnTheCanPageAndStreamed)
{
    RegisterCanComponents();
    QStringList names;
    for (const TComponentClass& c : ComponentClassesOfPage(QStringLiteral("Can")))
        names << c.ClassName;
    EXPECT_EQ(names, QStringList({QStringLiteral("TCanCBase"), QStringLiteral("TAnaInObj"), QStringLiteral("TDigInObj")}));

    const QString description = QStringLiteral(
        "object Host: TForm\n  object Analog: TAnaInObj\n    CardNr = 4\n    Prioriteit = 6\n  end\n"
        "  object Digital: TDigInObj\n    ComponentNr = 7\n  end\nend\n");
    std::unique_ptr<QObject> root(TStreamReader::Read(description, QStringLiteral("can.dfm")));
    auto* analog = root->findChild<TAnaInObj*>(QStringLiteral("Analog"));
    auto* digital = root->findChild<TDigInObj*>(QStringLiteral("Digital"));
    ASSERT_TRUE(analog && digital);
    EXPECT_EQ(analog->NodeId(), 4u | 2u << 5 | 2u << 17);
    EXPECT_EQ(analog->Prioriteit(), 6);
    EXPECT_EQ(digital->NodeId(), 2u << 5 | 7u << 12 | 3u << 17);
    const QString written = TStreamWriter::Write(root.get());
    EXPECT_TRUE(written.contains(QStringLiteral("CardNr = 4"))) << written.toStdString();
    EXPECT_TRUE(written.contains(QStringLiteral("ComponentNr = 7")));
    EXPECT_FALSE(written.contains(QStringLiteral("CardNr = 0")));
    std::unique_ptr<QObject> again(TStreamReader::Read(written, QStringLiteral("again.dfm")));
    EXPECT_EQ(again->findChild<TDigInObj*>(QStringLiteral("Digital"))->NodeId(), digital->NodeId());

    MessageCapture capture;
    std::unique_ptr<QObject> refused(TStreamReader::Read(
        QStringLiteral("object Host: TForm\n  object A: TAnaInObj\n    CardNr = 40\n  end\nend\n"),
        QStringLiteral("bad.dfm")));
    EXPECT_EQ(capture.Texts, QStringList(QStringLiteral("Max. 31 Card Numbers ")));
    EXPECT_EQ(refused->findChild<TAnaInObj*>(QStringLiteral("A"))->CardNr(), 0);
}

namespace {

// A master's transfer and one node wired back to back, without a bus: every
// request reaches the node and every reply the transfer, in order.
struct BackToBack {
    TCanCBase node;
    std::vector<TCanMessage> requests;
    std::vector<TCanMessage> pending, replies;
    std::unique_ptr<TSdoTransfer> transfer;

    BackToBack()
    {
        QObject::connect(&node, &TCanCBase::MessageOut, &node, [this](TCanMessage* m) { replies.push_back(*m); });
    }
    TSdoTransfer::SendFunction Send()
    {
        return [this](const TCanMessage& m) {
            pending.push_back(m);
            return true;
        };
    }
    void Run()
    {
        transfer->Start();
        while (!pending.empty()) {
            TCanMessage request = pending.front();
            pending.erase(pending.begin());
            requests.push_back(request);
            replies.clear();
            node.MessageIn(&request);
            for (const TCanMessage& reply : replies)
                transfer->FrameReceived(reply);
        }
    }
};

} // namespace

// One segment takes 7 bytes; a download has at least a first and a last
// segment, and no empty segment follows a full one.
TEST(CanMaster, DownloadsOnSegmentBoundariesSendTheFewestFrames)
{
    const struct {
        int bytes, frames;
    } rows[] = {{1, 2}, {6, 2}, {7, 2}, {8, 2}, {13, 2}, {14, 2}, {15, 3}, {20, 3},
                {21, 3}, {22, 4}, {28, 4}, {29, 5}, {252, 36}, {256, 37}};
    for (const auto& r : rows) {
        BackToBack wire;
        QByteArray bytes;
        for (int i = 0; i < r.bytes; ++i)
            bytes.append(char(i * 7 + 1));
        wire.transfer.reset(TSdoTransfer::Download({0, 0, 0, 0}, bytes, wire.Send()));
        wire.Run();
        ASSERT_EQ(wire.transfer->CurrentState(), TSdoTransfer::State::Done)
            << r.bytes << ": " << wire.transfer->ErrorString().toStdString();
        EXPECT_EQ(int(wire.requests.size()), r.frames) << r.bytes << " bytes";
        int carried = 0;
        for (const TCanMessage& m : wire.requests)
            carried += Sdo::Count(m.Data[0]);
        EXPECT_EQ(carried, r.bytes);
        EXPECT_EQ(Sdo::CommandOf(wire.requests.back().Data[0]), Sdo::DownloadLast);
        EXPECT_TRUE(wire.node.SdoReceived);
        for (int i = 0; i < r.bytes; ++i)
            ASSERT_EQ(wire.node.SdoData[std::size_t(i)], (i * 7 + 1) & 0xFF) << r.bytes << " bytes, entry " << i;
    }
}

// An upload of a multiple of 7 entries ends with a full last segment.
TEST(CanMaster, UploadsOnSegmentBoundariesTakeTheFewestFrames)
{
    const struct {
        int length, frames;
    } rows[] = {{0, 1}, {1, 1}, {6, 1}, {7, 1}, {8, 2}, {13, 2}, {14, 2}, {15, 3}, {21, 3}, {28, 4}, {29, 5}, {256, 37}};
    for (const auto& r : rows) {
        BackToBack wire;
        wire.node.SdoLength = r.length;
        for (int i = 0; i < 256; ++i)
            wire.node.SdoData[std::size_t(i)] = 255 - i;
        wire.transfer.reset(TSdoTransfer::Upload({0, 0, 0, 0}, wire.Send()));
        wire.Run();
        ASSERT_EQ(wire.transfer->CurrentState(), TSdoTransfer::State::Done)
            << r.length << ": " << wire.transfer->ErrorString().toStdString();
        EXPECT_EQ(int(wire.requests.size()), r.frames) << r.length << " entries";
        const QByteArray data = wire.transfer->Data();
        ASSERT_EQ(data.size(), r.length);
        for (int i = 0; i < r.length; ++i)
            ASSERT_EQ(std::uint8_t(data[i]), 255 - i) << r.length << " entries, entry " << i;
        EXPECT_FALSE(wire.node.SdoBusy());
    }
}
