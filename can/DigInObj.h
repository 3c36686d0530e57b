#pragma once
// TDigInObj: one digital input of an I/O card: a logic level, or a pulse count
// the host keeps in CounterInput. Polls and events as the analog object; it
// does not poll while placed in a designer.

#include "can/CanInputObj.h"

class TDigInObj : public TCanInputObj {
    Q_OBJECT

public:
    explicit TDigInObj(QObject* owner = nullptr);

    // Decodes the configuration words from SdoData and sets Function.
    void WriteProperties();
    void LogicIn();
    void CounterIn();
    void FreqIn();
    void RVsensIn();
    void DigWindSpeedIn();

    bool LogicInput = false;
    int CounterInput = 0;
    int Function = 0;
    int FunctionWord = 0;
    int ConfigWord2 = 0;
    int ConfigWord3 = 0;
    // SdoData entries 0 and 1: what a configuration write takes off the counter.
    int CounterDecrement = 0;

public slots:
    void OnPollTime(QObject* Sender) override;

protected:
    void DesigningChanged() override;

private:
    void Convert();
    void ApplyCounterOption();
};
