#pragma once
// TCanInputObj: what the analog and the digital input objects share: the
// 100 ms poll timer, the converted value with its event state, the four PDO
// events and the PDO itself, and reading configuration words from SdoData.

#include "can/CanCBase.h"

class TCanInputObj : public TCanCBase {
    Q_OBJECT

public:
    // Bits of EventMask.
    enum : int { EventHigh = 1, EventLow = 2, EventDelta = 4, EventInterval = 8 };

    explicit TCanInputObj(QObject* owner = nullptr);

    // Forwards every frame to MessageIn.
    void HandleMessage(TCanMessage* Message) override;

    void SendEvents();
    void SendPDO();
    // The owner's PdoTypeFlag: a boolean property of the owning object; clear
    // without an owner or when the owner has no such property.
    bool PdoTypeFlag() const;

    int Value = 0;
    int LastSentValue = 0;
    int PollCount = 0;
    bool HighSent = false;
    bool LowSent = false;
    TTimer* PollTimer;

    int ConfigWord0 = 0;
    int EventMask = 0;
    int HighLimit = 0;
    int LowLimit = 0;
    int DeltaLimit = 0;
    int IntervalLimit = 0;
    int EventsOff = 0;

public slots:
    virtual void OnPollTime(QObject* Sender) = 0;

signals:
    void OnSdoRec(QObject* Sender);
    void OnFunctionChange(QObject* Sender, int NewFunction);

protected:
    // The signed little-endian 16-bit number in SdoData entries at, at + 1.
    int SdoWord(int at) const;
    // Configuration word k: entries 2k + 2 and 2k + 3.
    int ConfigWord(int k) const { return SdoWord(2 * k + 2); }
    // Runs the events when they are on, then counts the poll.
    void RunEvents(bool functionSet);

private:
    void SendEvent();
};
