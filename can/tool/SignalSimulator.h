#pragma once
// Readings for the node command's input objects without hardware: every
// 100 ms the analog raw reading moves along a 20-second sine over the default
// scale (10..210), the counter gains 3 pulses and the logic level changes
// every 2 seconds.

#include <QObject>

class TAnaInObj;
class TDigInObj;
class TTimer;

class TSignalSimulator : public QObject {
    Q_OBJECT

public:
    TSignalSimulator(TAnaInObj* analog, TDigInObj* digital, QObject* parent = nullptr);
    // One 100 ms step of the signals.
    void Step();

private:
    TAnaInObj* analog_;
    TDigInObj* digital_;
    TTimer* timer_;
    int step_ = 0;
};
