// The digital input object: its words, the counter option of a configuration
// write, its conversions and that it does not poll at design time.

#include "CanTestSupport.h"
#include "can/DigInObj.h"
#include "framework/Control.h"
#include "framework/Timer.h"

#include <QSignalSpy>
#include <map>
#include <gtest/gtest.h>

namespace {

struct DigitalFixture : ::testing::Test {
    QObject owner;
    TDigInObj* input = new TDigInObj(&owner);
    TRecordingTransmitter transmitter;

    DigitalFixture()
    {
        owner.setProperty("PdoTypeFlag", true);
        input->Transmitter = &transmitter;
    }
    // Word k of the digital layout, and the counter decrement in entries 0-1.
    void Put(int entry, int value)
    {
        input->SdoData[std::size_t(entry)] = value & 0xFF;
        input->SdoData[std::size_t(entry + 1)] = (value >> 8) & 0xFF;
    }
    void Configure(int options, int function, int eventMask, int intervalLimit, int decrement)
    {
        for (int e = 0; e < 22; ++e)
            input->SdoData[std::size_t(e)] = 0;
        Put(0, decrement);
        Put(2, options);
        Put(4, function);
        Put(10, eventMask);
        Put(18, intervalLimit);
        input->SdoReceived = true;
    }
    void Poll() { input->OnPollTime(input->PollTimer); }
};

} // namespace

TEST_F(DigitalFixture, ConstructorValuesKeepItSilent)
{
    EXPECT_EQ(input->NodeId(), 2u << 5 | 3u << 17);
    EXPECT_EQ(input->SdoLength, 30);
    EXPECT_EQ(input->EventMask, 0);
    EXPECT_TRUE(input->PollTimer->Enabled());
    input->CounterInput = 5;
    Poll();
    EXPECT_EQ(input->Value, 0);
    EXPECT_TRUE(transmitter.Sent.empty());
}

TEST_F(DigitalFixture, CounterDecrementNeverBelowZero)
{
    QSignalSpy changed(input, &TCanInputObj::OnFunctionChange);
    input->CounterInput = 1000;
    Configure(2, 0x0302, 0, 0, 300);
    Poll();
    EXPECT_EQ(input->FunctionWord, 0x0302);
    EXPECT_EQ(input->Function, 2);
    EXPECT_EQ(input->CounterInput, 700);
    EXPECT_EQ(input->Value, 700);
    ASSERT_EQ(changed.size(), 1);
    EXPECT_EQ(changed[0][1].toInt(), 2);
    Configure(2, 2, 0, 0, 30000);
    Poll();
    EXPECT_EQ(input->CounterInput, 0);
    EXPECT_EQ(changed.size(), 1);
}

TEST_F(DigitalFixture, CountingFunctionWithoutTheOptionForcesTheIntervalEvent)
{
    input->CounterInput = 42;
    Configure(0, 3, 8, 1000, 300);
    Poll();
    EXPECT_EQ(input->CounterInput, 42);
    ASSERT_EQ(transmitter.Sent.size(), 1u);
    EXPECT_EQ(PdoValue(transmitter.Sent[0]), 42);
    EXPECT_EQ(input->PollCount, 1);
}

TEST_F(DigitalFixture, ConversionsAndFunction6)
{
    input->LogicInput = true;
    input->CounterInput = 17;
    const std::pair<int, int> expected[] = {{1, 1}, {2, 17}, {3, 17}, {4, 17}, {5, 17}, {7, 17}};
    for (auto [function, value] : expected) {
        input->Value = -5;
        Configure(0, function, 0, 0, 0);
        Poll();
        EXPECT_EQ(input->Value, value) << function;
    }
    input->Value = 9;
    Configure(2, 6, 4, 0, 0); // delta 0: the event runs on the unchanged value
    Poll();
    EXPECT_EQ(input->Value, 9);
    ASSERT_FALSE(transmitter.Sent.empty());
    EXPECT_EQ(PdoValue(transmitter.Sent.back()), 9);
}

TEST(DigitalDesign, APlacedComponentDoesNotPoll)
{
    TControl designer;
    designer.SetDesigning(true);
    TDigInObj placed(&designer);
    EXPECT_FALSE(placed.PollTimer->Enabled());
    placed.SetDesigning(false);
    EXPECT_TRUE(placed.PollTimer->Enabled());
}

TEST_F(DigitalFixture, FunctionIsTheLowFourBitsOfTheFunctionWord)
{
    input->LogicInput = true;
    input->CounterInput = 17;
    const std::map<int, int> converted = {{1, 1}, {2, 17}, {3, 17}, {4, 17}, {5, 17}, {7, 17}};
    for (int high : {0x00, 0x10, 0x0F00})
        for (int code = 0; code < 16; ++code) {
            input->Value = -5;
            Configure(0, high | code, 0, 0, 0);
            Poll();
            EXPECT_EQ(input->Function, code);
            const auto it = converted.find(code);
            EXPECT_EQ(input->Value, it == converted.end() ? -5 : it->second) << "FunctionWord " << (high | code);
        }
}

// Counting functions (bit 1: codes 2, 3, 6, 7) take the decrement when option
// bit 1 is set; other functions and other option bits leave the counter.
TEST_F(DigitalFixture, OnlyCountingFunctionsWithOptionBit1TakeTheDecrement)
{
    const struct {
        int options, function, counter;
    } rows[] = {{2, 2, 700},  {2, 3, 700},  {2, 6, 700},  {2, 7, 700},  {3, 2, 700},  {0xFFFE, 7, 700},
                {2, 1, 1000}, {2, 4, 1000}, {2, 5, 1000}, {2, 8, 1000}, {1, 2, 1000}, {0xFFFD, 3, 1000}};
    for (const auto& r : rows) {
        input->CounterInput = 1000;
        Configure(r.options, r.function, 0, 0, 300);
        Poll();
        EXPECT_EQ(input->CounterInput, r.counter) << "options " << r.options << " function " << r.function;
    }
}
