// The analog input object: configuration words, conversions, the four events
// and the PDO it sends. Polls are run by calling the poll handler.

#include "CanTestSupport.h"
#include "can/AnaInObj.h"
#include "framework/Timer.h"

#include <QSignalSpy>
#include <map>
#include <gtest/gtest.h>

namespace {

// Writes configuration word k into SdoData as the master's download would.
void PutWord(TCanCBase& node, int k, int value)
{
    node.SdoData[std::size_t(2 * k + 2)] = value & 0xFF;
    node.SdoData[std::size_t(2 * k + 3)] = (value >> 8) & 0xFF;
}

struct AnalogFixture : ::testing::Test {
    QObject owner;
    TAnaInObj* input = new TAnaInObj(&owner);
    TRecordingTransmitter transmitter;

    AnalogFixture()
    {
        owner.setProperty("PdoTypeFlag", true);
        input->Transmitter = &transmitter;
    }
    // Loads the constructor's words into SdoData with these changes, as a download would.
    void Configure(std::initializer_list<std::pair<int, int>> words)
    {
        const int defaults[12] = {0, input->Function, 10, 210, 0, 100, 12, 200, 0, 5, 100, 0};
        for (int k = 0; k < 12; ++k)
            PutWord(*input, k, defaults[k]);
        for (auto [k, value] : words)
            PutWord(*input, k, value);
        input->SdoReceived = true;
    }
    void Poll(int input_value)
    {
        input->InputValue = input_value;
        input->OnPollTime(input->PollTimer);
    }
};

} // namespace

TEST_F(AnalogFixture, ConstructorValues)
{
    EXPECT_EQ(input->CardID(), 2);
    EXPECT_EQ(input->ComponentID(), 2);
    EXPECT_EQ(input->NodeId(), 2u << 5 | 2u << 17);
    EXPECT_EQ(input->SdoLength, 30);
    EXPECT_EQ(input->AdcHigh, 210);
    EXPECT_EQ(input->EventMask, 12);
    EXPECT_EQ(input->IntervalLimit, 100);
    EXPECT_EQ(input->SdoData[3], 13); // the base pattern, not the words
    EXPECT_TRUE(input->PollTimer->Enabled());
    EXPECT_EQ(input->PollTimer->Interval(), 100);
}

TEST_F(AnalogFixture, Function0NeitherConvertsNorSends)
{
    input->EventMask = 15;
    input->DeltaLimit = 0;
    Poll(110);
    EXPECT_EQ(input->Value, 0);
    EXPECT_TRUE(transmitter.Sent.empty());
    EXPECT_EQ(input->PollCount, 0);
}

TEST_F(AnalogFixture, WordsAreSignedLittleEndianPairs)
{
    PutWord(*input, 3, -2);
    input->SdoData[2 * 5 + 2] = 0x34;
    input->SdoData[2 * 5 + 3] = 0x12;
    input->WriteProperties();
    EXPECT_EQ(input->AdcHigh, -2);
    EXPECT_EQ(input->ScaleHigh, 0x1234);
    EXPECT_EQ(input->ConfigWord0, 12 + 256 * 13); // untouched entries 2 and 3
}

TEST_F(AnalogFixture, Conversions)
{
    input->Function = 3;
    const std::pair<int, int> scaled[] = {{110, 50}, {55, 22}, {5, 0}, {300, 100}, {210, 100}, {10, 0}};
    for (auto [raw, value] : scaled) {
        input->InputValue = raw;
        input->ADC_Scale();
        EXPECT_EQ(input->Value, value) << raw;
    }
    input->InputValue = 5;
    input->ADC_ScaleNoLimit();
    EXPECT_EQ(input->Value, -2); // truncated toward zero
    input->AdcHigh = input->AdcLow;
    input->ADC_ScaleNoLimit();
    EXPECT_EQ(input->Value, -9999);
    input->InputValue = 300;
    input->ADC_Scale();
    EXPECT_EQ(input->Value, 100); // the upper limit applies after -9999
    input->InputValue = 1500;
    input->TempCelsius();
    EXPECT_EQ(input->Value, 1000);
    input->InputValue = -1500;
    input->TempCelsius();
    EXPECT_EQ(input->Value, -1000);
    input->TempFahren();
    EXPECT_EQ(input->Value, -1500);
    input->InputValue = 123456;
    input->ADCBin();
    EXPECT_EQ(input->Value, 123456);
    // Wild words saturate instead of overflowing.
    input->AdcLow = 0;
    input->AdcHigh = 1;
    input->ScaleLow = -32768;
    input->ScaleHigh = 32767;
    input->InputValue = 2000000000;
    input->ADC_ScaleNoLimit();
    EXPECT_EQ(input->Value, INT_MAX);
}

TEST_F(AnalogFixture, ConfigurationWriteRaisesItsEvents)
{
    QSignalSpy received(input, &TCanInputObj::OnSdoRec);
    QSignalSpy changed(input, &TCanInputObj::OnFunctionChange);
    Configure({{1, 0x0103}, {6, 0}});
    Poll(110);
    EXPECT_FALSE(input->SdoReceived);
    EXPECT_EQ(input->Function, 0x0103); // the whole word
    EXPECT_EQ(input->Value, 50);        // converted by code 3
    ASSERT_EQ(changed.size(), 1);
    EXPECT_EQ(changed[0][1].toInt(), 0x0103);
    EXPECT_EQ(received.size(), 1);
    Configure({{1, 0x0103}, {6, 0}});
    Poll(110);
    EXPECT_EQ(changed.size(), 1); // unchanged Function
    EXPECT_EQ(received.size(), 2);
}

TEST_F(AnalogFixture, HighEventIsLatchedUntilTheValueFallsBelow)
{
    Configure({{1, 3}, {6, 1}, {7, 60}});
    Poll(100); // 45
    EXPECT_TRUE(transmitter.Sent.empty());
    Poll(130); // 60
    Poll(150); // 70
    ASSERT_EQ(transmitter.Sent.size(), 1u);
    EXPECT_EQ(PdoValue(transmitter.Sent[0]), 60);
    EXPECT_TRUE(input->HighSent);
    Poll(120); // 55: below, latch released
    EXPECT_FALSE(input->HighSent);
    Poll(140);
    EXPECT_EQ(transmitter.Sent.size(), 2u);
}

TEST_F(AnalogFixture, LowEventAndDeltaZeroSendEveryPoll)
{
    Configure({{1, 3}, {6, 2}, {8, 10}});
    Poll(20); // 5
    Poll(20);
    EXPECT_EQ(transmitter.Sent.size(), 1u);
    Configure({{1, 3}, {6, 4}, {9, 0}});
    for (int i = 0; i < 3; ++i)
        Poll(110);
    EXPECT_EQ(transmitter.Sent.size(), 4u);
}

TEST_F(AnalogFixture, DeltaEventComparesWithTheLastSentValue)
{
    Configure({{1, 3}, {6, 4}, {9, 5}});
    Poll(18); // 4
    EXPECT_EQ(transmitter.Sent.size(), 0u);
    Poll(20); // 5
    EXPECT_EQ(transmitter.Sent.size(), 1u);
    EXPECT_EQ(input->LastSentValue, 5);
    Poll(28); // 9
    EXPECT_EQ(transmitter.Sent.size(), 1u);
}

TEST_F(AnalogFixture, IntervalEventRepeatsEveryIntervalLimitPolls)
{
    Configure({{1, 3}, {6, 8}, {10, 3}});
    std::vector<int> sentAt;
    for (int poll = 1; poll <= 8; ++poll) {
        const std::size_t before = transmitter.Sent.size();
        Poll(110);
        if (transmitter.Sent.size() > before)
            sentAt.push_back(poll);
    }
    EXPECT_EQ(sentAt, (std::vector<int>{4, 7}));
    Configure({{1, 3}, {6, 8}, {10, 3}, {11, 1}}); // EventsOff
    for (int poll = 0; poll < 5; ++poll)
        Poll(110);
    EXPECT_EQ(transmitter.Sent.size(), 2u);
}

TEST_F(AnalogFixture, PdoFrameAndPdoTypeFlag)
{
    input->SetPrioriteit(3);
    input->Value = -1;
    input->SendPDO();
    ASSERT_EQ(transmitter.Sent.size(), 1u);
    const TCanMessage pdo = transmitter.Sent[0];
    EXPECT_EQ(pdo.ID, (3u << 26) | input->NodeId() | 0x400000u);
    EXPECT_EQ(pdo.Length, 2);
    EXPECT_EQ(pdo.Data[0], 0xFF);
    EXPECT_EQ(pdo.Data[1], 0xFF);
    owner.setProperty("PdoTypeFlag", false);
    input->Value = 0x1234;
    input->SendPDO();
    EXPECT_EQ(transmitter.Sent[1].ID, (3u << 26) | input->NodeId());
    EXPECT_EQ(transmitter.Sent[1].Data[0], 0x34);
    TAnaInObj orphan;
    orphan.Transmitter = &transmitter;
    orphan.SendPDO();
    EXPECT_EQ(CanId::Type.Of(transmitter.Sent[2].ID), CanId::PdoUntyped);
    input->Transmitter = nullptr;
    input->SendPDO();
    EXPECT_EQ(transmitter.Sent.size(), 3u);
}

TEST_F(AnalogFixture, PdoCarriesBothBytesOfTheValue)
{
    const struct {
        int value, low, high;
    } rows[] = {{0, 0x00, 0x00},      {300, 0x2C, 0x01},   {255, 0xFF, 0x00},   {256, 0x00, 0x01},
                {0x7FFF, 0xFF, 0x7F}, {-1, 0xFF, 0xFF},    {-256, 0x00, 0xFF},  {-32768, 0x00, 0x80},
                {0x1234, 0x34, 0x12}, {0x8081, 0x81, 0x80}, {0x12345, 0x45, 0x23}};
    for (const auto& r : rows) {
        input->Value = r.value;
        input->SendPDO();
        ASSERT_FALSE(transmitter.Sent.empty());
        EXPECT_EQ(transmitter.Sent.back().Data[0], r.low) << r.value;
        EXPECT_EQ(transmitter.Sent.back().Data[1], r.high) << r.value;
    }
}

// Each event on both sides of its limit (defaults: high 200, low 0, delta 5,
// interval 100 polls).
TEST_F(AnalogFixture, EachEventOnBothSidesOfItsLimit)
{
    const struct {
        int mask, value, pollCount;
        bool sent;
    } rows[] = {{1, 199, 0, false}, {1, 200, 0, true}, {2, 1, 0, false},  {2, 0, 0, true},
                {4, 4, 0, false},   {4, 5, 0, true},   {4, -4, 0, false}, {4, -5, 0, true},
                {8, 0, 99, false},  {8, 0, 100, true}};
    for (const auto& r : rows) {
        input->EventMask = r.mask;
        input->HighSent = input->LowSent = false;
        input->LastSentValue = 0;
        input->PollCount = r.pollCount;
        input->Value = r.value;
        const std::size_t before = transmitter.Sent.size();
        input->SendEvents();
        EXPECT_EQ(transmitter.Sent.size() - before, r.sent ? 1u : 0u) << "mask " << r.mask << " value " << r.value;
    }
}

// Only the low four bits of Function choose the conversion; the others are
// carried along (OnFunctionChange reports the whole word).
TEST_F(AnalogFixture, ConversionIsChosenByTheLowFourBitsOfFunction)
{
    const std::map<int, int> converted = {{1, 1000}, {2, 2000}, {3, 100}, {4, 995}, {15, 2000}};
    for (int high : {0x00, 0x10, 0x70, 0x0F00})
        for (int code = 0; code < 16; ++code) {
            input->Function = high | code;
            input->Value = 7777;
            Poll(2000);
            const auto it = converted.find(code);
            EXPECT_EQ(input->Value, it == converted.end() ? 7777 : it->second) << "Function " << (high | code);
        }
}
