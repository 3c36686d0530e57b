#pragma once
// DigInObj in QML: one digital input of an I/O card. The host writes the
// logic level (logicInput) or the pulse count (counterInput); every 100 ms
// the object converts it by its function (1 the level as 0 or 1, 2 and 7 the
// count, 3 a frequency, 4 a humidity sensor, 5 a wind speed, all read from
// the count) into value and, on a bus, sends it as a PDO.

#include "qml/QuilCanNode.h"

class TDigInObj;

class QuilDigInObj : public QuilCanNode {
    Q_OBJECT
    QML_NAMED_ELEMENT(DigInObj)
    Q_PROPERTY(bool logicInput READ LogicInput WRITE SetLogicInput NOTIFY logicInputChanged)
    Q_PROPERTY(int counterInput READ CounterInput WRITE SetCounterInput NOTIFY counterInputChanged)
    // The library's Function (a name QML keeps for itself).
    Q_PROPERTY(int componentFunction READ Function WRITE SetFunction NOTIFY componentFunctionChanged)

public:
    explicit QuilDigInObj(QObject* parent = nullptr);

    bool LogicInput() const;
    void SetLogicInput(bool value);
    int CounterInput() const;
    void SetCounterInput(int value);
    int Function() const;
    void SetFunction(int value);

signals:
    void logicInputChanged();
    void counterInputChanged();

private:
    TDigInObj* Digital() const;
};
