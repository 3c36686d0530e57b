// The node base: address fields, the filter, the configuration protocol with
// its replies, aborts, toggle errors and time-out, and stored PDOs.

#include "CanTestSupport.h"
#include "support/TestSupport.h"
#include "framework/Timer.h"

#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

TEST(CanNodeAddress, SettersComposeNodeIdWithoutTypeOrPriority)
{
    TCanCBase node;
    node.SetCardNr(31);
    node.SetCardID(126);
    node.SetComponentNr(31);
    node.SetComponentID(31);
    node.SetPrioriteit(7);
    EXPECT_EQ(node.NodeId(), 31u | 126u << 5 | 31u << 12 | 31u << 17);
    node.SetCardID(1);
    EXPECT_EQ(node.NodeId(), 31u | 1u << 5 | 31u << 12 | 31u << 17);
    EXPECT_EQ(node.FilterMask(), 0x1FC00000u);
}

TEST(CanNodeAddress, LimitsShowTheirTextsAndKeepTheOldValue)
{
    TCanCBase node;
    node.SetCardNr(3);
    node.SetCardID(4);
    node.SetComponentNr(5);
    node.SetComponentID(6);
    const std::uint32_t id = node.NodeId();
    MessageCapture capture;
    node.SetCardNr(32);
    node.SetCardID(127);
    node.SetComponentNr(33);
    node.SetComponentID(33);
    node.SetPrioriteit(8);
    EXPECT_EQ(capture.Texts, QStringList({QStringLiteral("Max. 31 Card Numbers "), QStringLiteral("Max. 126 Card IDs"),
                                          QStringLiteral("Max. 32 Components"),
                                          QStringLiteral("Max. 32 Components ID's "),
                                          QStringLiteral("Max. 7 prioriteits nivo's ")}));
    EXPECT_EQ(node.CardNr(), 3);
    EXPECT_EQ(node.CardID(), 4);
    EXPECT_EQ(node.ComponentNr(), 5);
    EXPECT_EQ(node.ComponentID(), 6);
    EXPECT_EQ(node.Prioriteit(), 5);
    EXPECT_EQ(node.NodeId(), id);
}

TEST(CanNodeAddress, ValuesOutsideTheirBitFieldsNeverReachNodeId)
{
    TCanCBase node;
    node.SetComponentNr(4);
    const std::uint32_t id = node.NodeId();
    MessageCapture capture;
    node.SetComponentNr(32); // would set the lowest ComponentID bit
    node.SetComponentID(32); // would set a type bit
    node.SetCardNr(-1);
    node.SetPrioriteit(-1);
    ASSERT_EQ(capture.Texts.size(), 4);
    EXPECT_TRUE(capture.Texts[0].startsWith(QStringLiteral("ComponentNr = 32 refused"))) << capture.Texts[0].toStdString();
    EXPECT_TRUE(capture.Texts[2].contains(QStringLiteral("0..31"))) << capture.Texts[2].toStdString();
    EXPECT_TRUE(capture.Texts[3].startsWith(QStringLiteral("Prioriteit = -1"))) << capture.Texts[3].toStdString();
    EXPECT_EQ(node.NodeId(), id);
    EXPECT_EQ(node.ComponentNr(), 4);
    EXPECT_EQ(node.ComponentID(), 0);
    EXPECT_EQ(node.Prioriteit(), 5);
}

TEST(CanNodeFilter, TypeAndPriorityBitsAreNotCompared)
{
    TCanCBase node;
    node.SetCardNr(9);
    node.SetCardID(77);
    node.SetComponentNr(2);
    node.SetComponentID(17);
    for (int type = 0; type < 4; ++type)
        for (int priority = 0; priority < 8; ++priority)
            EXPECT_TRUE(node.Filter(CanId::Compose(node.NodeId(), type, priority) | 3u << 24));
    for (int bit = 0; bit < 22; ++bit)
        EXPECT_FALSE(node.Filter(node.NodeId() ^ (1u << bit))) << "bit " << bit;
    for (int bit = 29; bit < 32; ++bit)
        EXPECT_FALSE(node.Filter(node.NodeId() | (1u << bit))) << "bit " << bit;

    ReplyLog log(node);
    TCanMessage elsewhere = Request(node, 0x06);
    elsewhere.ID ^= 1u << 12;
    node.MessageIn(&elsewhere);
    EXPECT_TRUE(log.Frames.empty());
    EXPECT_FALSE(node.SdoBusy());
}

// Feeds one request and expects exactly one reply with this command byte.
static TCanMessage Exchange(TCanCBase& node, ReplyLog& log, TCanMessage request, int expected)
{
    const std::size_t before = log.Frames.size();
    node.MessageIn(&request);
    EXPECT_EQ(log.Frames.size(), before + 1) << "request " << int(request.Data[0]);
    if (log.Frames.size() != before + 1)
        return {};
    EXPECT_EQ(log.LastByte(), expected) << "request " << int(request.Data[0]);
    return log.Frames.back();
}

TEST(CanSdo, WorkedSegmentedDownloadOf26Bytes)
{
    TCanCBase node;
    node.SetCardID(2);
    node.SetComponentID(2);
    node.SetPrioriteit(6);
    ReplyLog log(node);
    const TCanMessage first = Exchange(node, log, Request(node, 0x71, {1, 2, 3, 4, 5, 6, 7}), 0x04);
    EXPECT_EQ(first.ID, (6u << 26) | node.NodeId() | 0x800000u);
    EXPECT_EQ(first.Length, 1);
    EXPECT_TRUE(node.SdoBusy());
    EXPECT_TRUE(node.SdoTimer()->Enabled());
    EXPECT_EQ(node.SdoTimer()->Interval(), 100);
    Exchange(node, log, Request(node, 0xF2, {8, 9, 10, 11, 12, 13, 14}), 0x84);
    Exchange(node, log, Request(node, 0x72, {15, 16, 17, 18, 19, 20, 21}), 0x04);
    EXPECT_FALSE(node.SdoReceived);
    Exchange(node, log, Request(node, 0xD3, {22, 23, 24, 25, 26}), 0x85);
    EXPECT_TRUE(node.SdoReceived);
    EXPECT_FALSE(node.SdoBusy());
    EXPECT_FALSE(node.SdoTimer()->Enabled());
    for (int i = 0; i < 26; ++i)
        EXPECT_EQ(node.SdoData[std::size_t(i)], i + 1);
    EXPECT_EQ(node.SdoData[26], 36);
    // The next transfer starts with toggle 0 again.
    Exchange(node, log, Request(node, 0x71, {0, 0, 0, 0, 0, 0, 0}), 0x04);
    EXPECT_EQ(node.SdoError, 0);
}

TEST(CanSdo, WorkedUploadOf30Entries)
{
    TCanCBase node;
    node.SdoLength = 30;
    ReplyLog log(node);
    const int requests[] = {0x06, 0x87, 0x07, 0x87, 0x07};
    const int replies[] = {0x78, 0xF8, 0x78, 0xF8, 0x29};
    std::vector<int> bytes;
    for (int i = 0; i < 5; ++i) {
        const TCanMessage reply = Exchange(node, log, Request(node, requests[i]), replies[i]);
        EXPECT_EQ(reply.Length, i < 4 ? 8 : 3);
        for (int k = 1; k < reply.Length; ++k)
            bytes.push_back(reply.Data[k]);
        EXPECT_EQ(node.SdoTimer()->Enabled(), i < 4);
    }
    ASSERT_EQ(bytes.size(), 30u);
    for (int i = 0; i < 30; ++i)
        EXPECT_EQ(bytes[std::size_t(i)], i + 10);
    EXPECT_FALSE(node.SdoReceived); // a multi-frame upload does not set it
    EXPECT_FALSE(node.SdoBusy());
}

TEST(CanSdo, SingleFramesAndUploadEnds)
{
    TCanCBase node;
    ReplyLog log(node);
    Exchange(node, log, Request(node, 0x30, {0xAA, 0xBB, 0xCC}), 0x05);
    EXPECT_EQ(node.SdoData[2], 12); // entries 0-2 keep their values
    EXPECT_EQ(node.SdoData[3], 0xAA);
    EXPECT_EQ(node.SdoData[5], 0xCC);
    EXPECT_EQ(node.SdoData[6], 16);
    EXPECT_TRUE(node.SdoReceived);

    node.SdoReceived = false;
    node.SdoLength = 0;
    EXPECT_EQ(Exchange(node, log, Request(node, 0x06), 0x09).Length, 1);
    EXPECT_TRUE(node.SdoReceived);

    node.SdoReceived = false;
    node.SdoLength = 7;
    EXPECT_EQ(Exchange(node, log, Request(node, 0x06), 0x79).Length, 8);
    EXPECT_TRUE(node.SdoReceived);

    node.SdoLength = 14;
    Exchange(node, log, Request(node, 0x06), 0x78);
    EXPECT_EQ(Exchange(node, log, Request(node, 0x87), 0xF9).Data[7], 23);
    EXPECT_FALSE(node.SdoBusy());
}

TEST(CanSdo, EveryAbortCode)
{
    struct Case {
        int code;
        bool busy; // a download was started first (toggle 1 expected)
        int request;
        int reply;
    };
    const Case cases[] = {{1, true, 0x80, 0x8A},  {2, true, 0xF1, 0x8A},  {3, false, 0x02, 0x0A},
                          {4, false, 0x03, 0x0A}, {5, true, 0x86, 0x8A},  {6, false, 0x07, 0x0A},
                          {7, false, 0x04, 0x0A}, {7, false, 0x05, 0x0A}, {7, true, 0x88, 0x8A},
                          {7, false, 0x0F, 0x0A}};
    for (const Case& c : cases) {
        TCanCBase node;
        ReplyLog log(node);
        if (c.busy)
            Exchange(node, log, Request(node, 0x71, {1, 2, 3, 4, 5, 6, 7}), 0x04);
        const TCanMessage reply = Exchange(node, log, Request(node, c.request), c.reply);
        EXPECT_EQ(reply.Length, 1);
        EXPECT_EQ(node.SdoError, c.code) << "request " << c.request;
        EXPECT_FALSE(node.SdoBusy());
        EXPECT_FALSE(node.SdoToggle());
        EXPECT_FALSE(node.SdoTimer()->Enabled());
    }
}

// Frames that hold fewer payload bytes than their command byte's count: the
// segment is refused whole, so no byte the frame did not carry is stored.
TEST(CanSdo, ASegmentShorterThanItsCountIsAbortedAndStoresNothing)
{
    struct Case {
        const char* what;
        bool busy;   // a download was started first
        int request; // command byte
        std::initializer_list<int> payload;
        int reply;
    };
    const Case cases[] = {{"single frame, 5 claimed, 1 sent", false, 0x50, {0xAA}, 0x0A},
                          {"first segment, 7 claimed, 6 sent", false, 0x71, {1, 2, 3, 4, 5, 6}, 0x0A},
                          {"middle segment, 7 claimed, none sent", true, 0xF2, {}, 0x8A},
                          {"last segment, 3 claimed, 2 sent", true, 0xB3, {0xAA, 0xBB}, 0x8A}};
    for (const Case& c : cases) {
        TCanCBase node;
        ReplyLog log(node);
        if (c.busy)
            Exchange(node, log, Request(node, 0x71, {1, 2, 3, 4, 5, 6, 7}), 0x04);
        const auto before = node.SdoData;
        Exchange(node, log, Request(node, c.request, c.payload), c.reply);
        EXPECT_EQ(node.SdoError, Sdo::ShortSegment) << c.what;
        EXPECT_EQ(node.SdoData, before) << c.what;
        EXPECT_FALSE(node.SdoReceived) << c.what;
        EXPECT_FALSE(node.SdoBusy()) << c.what;
    }
    TCanCBase node;
    ReplyLog log(node);
    Exchange(node, log, Request(node, 0x20, {0xAA, 0xBB}), 0x05); // exactly the count is taken
    EXPECT_EQ(node.SdoData[4], 0xBB);
}

TEST(CanSdo, WrongToggleIsNotAnsweredAndTheNextRequestExpectsToggle0)
{
    TCanCBase node;
    ReplyLog log(node);
    Exchange(node, log, Request(node, 0x71, {1, 2, 3, 4, 5, 6, 7}), 0x04);
    TCanMessage wrong = Request(node, 0x72, {1, 2, 3, 4, 5, 6, 7});
    node.MessageIn(&wrong);
    EXPECT_EQ(log.Frames.size(), 1u);
    EXPECT_EQ(node.SdoError, 8);
    EXPECT_FALSE(node.SdoBusy());
    EXPECT_FALSE(node.SdoTimer()->Enabled());
    TCanMessage toggled = Request(node, 0x86);
    node.MessageIn(&toggled);
    EXPECT_EQ(log.Frames.size(), 1u);
    Exchange(node, log, Request(node, 0x02), 0x0A); // toggle 0 accepted, but no transfer: abort 3
    EXPECT_EQ(node.SdoError, 3);
}

TEST(CanSdo, StalledDownloadTimesOutAndALateSegmentIsAborted)
{
    TCanCBase node;
    ReplyLog log(node);
    QSignalSpy timeouts(&node, &TCanCBase::OnTimeOut);
    Exchange(node, log, Request(node, 0x71, {1, 2, 3, 4, 5, 6, 7}), 0x04);
    Exchange(node, log, Request(node, 0xF2, {1, 2, 3, 4, 5, 6, 7}), 0x84);
    node.OnTTimeOut(node.SdoTimer()); // 100 ms without the next segment
    ASSERT_EQ(timeouts.size(), 1);
    EXPECT_EQ(timeouts[0][0].value<QObject*>(), &node);
    EXPECT_EQ(log.Frames.size(), 2u);
    EXPECT_FALSE(node.SdoBusy());
    EXPECT_FALSE(node.SdoTimer()->Enabled());
    Exchange(node, log, Request(node, 0x72, {1, 2, 3, 4, 5, 6, 7}), 0x0A);
    EXPECT_EQ(node.SdoError, 3);
}

TEST(CanSdo, TheSdoTimerRunsTheTimeOutFromTheMessageLoop)
{
    TCanCBase node;
    ReplyLog log(node);
    QSignalSpy timeouts(&node, &TCanCBase::OnTimeOut);
    Exchange(node, log, Request(node, 0x71, {1, 2, 3, 4, 5, 6, 7}), 0x04);
    EXPECT_TRUE(timeouts.wait(1000));
    EXPECT_FALSE(node.SdoBusy());
}

TEST(CanSdo, TransfersPastTheBufferAreRefusedWithCodesOfTheirOwn)
{
    TCanCBase node;
    ReplyLog log(node);
    Exchange(node, log, Request(node, 0x71, {1, 1, 1, 1, 1, 1, 1}), 0x04);
    for (int i = 1; i < 36; ++i) // 252 bytes in all
        Exchange(node, log, Request(node, (i % 2 ? 0xF2 : 0x72), {2, 2, 2, 2, 2, 2, 2}), i % 2 ? 0x84 : 0x04);
    EXPECT_EQ(node.SdoIndex(), 252);
    Exchange(node, log, Request(node, 0x52, {3, 3, 3, 3, 3}), 0x0A); // one byte too many
    EXPECT_EQ(node.SdoError, Sdo::DownloadOverflow);
    EXPECT_EQ(node.SdoData[252], 0); // the refused segment wrote nothing
    EXPECT_EQ(node.SdoIndex(), 0);

    // Exactly 256 bytes fit.
    Exchange(node, log, Request(node, 0x71, {1, 1, 1, 1, 1, 1, 1}), 0x04);
    for (int i = 1; i < 36; ++i)
        Exchange(node, log, Request(node, (i % 2 ? 0xF2 : 0x72), {2, 2, 2, 2, 2, 2, 2}), i % 2 ? 0x84 : 0x04);
    Exchange(node, log, Request(node, 0x43, {4, 4, 4, 4}), 0x05);
    EXPECT_EQ(node.SdoData[255], 4);

    node.SdoLength = 257;
    Exchange(node, log, Request(node, 0x06), 0x0A);
    EXPECT_EQ(node.SdoError, Sdo::UploadLength);
    EXPECT_FALSE(node.SdoBusy());
}

TEST(CanPdo, AnAddressedPdoFillsPdoDataWhateverItsLength)
{
    TCanCBase node;
    node.SetCardNr(1);
    ReplyLog log(node);
    TCanMessage pdo = FrameTo(node, CanId::Pdo, {1, 2, 3, 4, 5, 6, 7, 8});
    pdo.Length = 2;
    node.MessageIn(&pdo);
    EXPECT_TRUE(node.PdoReceived);
    EXPECT_EQ(node.PdoData, (std::array<int, 8>{1, 2, 3, 4, 5, 6, 7, 8}));
    EXPECT_TRUE(log.Frames.empty());
    EXPECT_FALSE(node.SdoBusy());

    TCanCBase other;
    TCanMessage untyped = FrameTo(other, CanId::PdoUntyped, {9, 9});
    TCanMessage elsewhere = FrameTo(other, CanId::Pdo, {9, 9});
    other.MessageIn(&untyped);
    node.MessageIn(&elsewhere);
    EXPECT_FALSE(other.PdoReceived);
    EXPECT_EQ(node.PdoData[0], 1);
}

TEST(CanSdo, CommandByteFieldsReadBackForEveryByte)
{
    for (int b = 0; b < 256; ++b) {
        const auto byte = std::uint8_t(b);
        EXPECT_EQ(Sdo::CommandByte(Sdo::Toggle(byte), Sdo::Count(byte), Sdo::CommandOf(byte)), byte) << b;
        EXPECT_EQ(Sdo::Count(byte), (b >> 4) & 7) << b;
        EXPECT_EQ(Sdo::CommandOf(byte), b & 15) << b;
    }
}

// Each single bit of each field, alone: a shift or width off by one moves it
// into a neighbour or loses it.
TEST(CanNodeAddress, EveryBitOfEveryFieldReadsBackAlone)
{
    struct Field {
        void (TCanCBase::*set)(int);
        int width;
        int shift;
        int limit;
    };
    const Field fields[] = {{&TCanCBase::SetCardNr, 5, 0, 31},
                            {&TCanCBase::SetCardID, 7, 5, 126},
                            {&TCanCBase::SetComponentNr, 5, 12, 31},
                            {&TCanCBase::SetComponentID, 5, 17, 31}};
    for (const Field& f : fields)
        for (int bit = 0; bit < f.width; ++bit) {
            TCanCBase node;
            (node.*f.set)(1 << bit);
            EXPECT_EQ(node.NodeId(), 1u << (f.shift + bit)) << "field at " << f.shift << ", bit " << bit;
            (node.*f.set)(f.limit);
            EXPECT_EQ(node.NodeId(), std::uint32_t(f.limit) << f.shift) << "field at " << f.shift << " at its limit";
            ReplyLog log(node);
            TCanMessage request = Request(node, 0x06);
            node.MessageIn(&request);
            ASSERT_EQ(log.Frames.size(), 1u);
            const TCanMessage& reply = log.Frames[0];
            EXPECT_EQ(reply.ID & CanId::AddressMask, node.NodeId());
        }
}
