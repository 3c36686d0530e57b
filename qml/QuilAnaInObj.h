#pragma once
// AnaInObj in QML: one analog input of an I/O card. The host writes the raw
// reading to inputValue; every 100 ms the object converts it by its function
// (1 degrees Celsius in tenths, 2 Fahrenheit, 3 scaled from adcLow..adcHigh to
// scaleLow..scaleHigh and held there, 4 scaled without the hold, 15 the raw
// reading) into value and, on a bus, sends it as a PDO. The network master
// sets the function by configuring the node; a QML host may set it itself.

#include "qml/QuilCanNode.h"

class TAnaInObj;

class QuilAnaInObj : public QuilCanNode {
    Q_OBJECT
    QML_NAMED_ELEMENT(AnaInObj)
    Q_PROPERTY(int inputValue READ InputValue WRITE SetInputValue NOTIFY inputValueChanged)
    // The library's Function (a name QML keeps for itself).
    Q_PROPERTY(int componentFunction READ Function WRITE SetFunction NOTIFY componentFunctionChanged)
    Q_PROPERTY(int adcLow READ AdcLow WRITE SetAdcLow NOTIFY scalingChanged)
    Q_PROPERTY(int adcHigh READ AdcHigh WRITE SetAdcHigh NOTIFY scalingChanged)
    Q_PROPERTY(int scaleLow READ ScaleLow WRITE SetScaleLow NOTIFY scalingChanged)
    Q_PROPERTY(int scaleHigh READ ScaleHigh WRITE SetScaleHigh NOTIFY scalingChanged)

public:
    explicit QuilAnaInObj(QObject* parent = nullptr);

    int InputValue() const;
    void SetInputValue(int value);
    int Function() const;
    void SetFunction(int value);
    int AdcLow() const;
    void SetAdcLow(int value);
    int AdcHigh() const;
    void SetAdcHigh(int value);
    int ScaleLow() const;
    void SetScaleLow(int value);
    int ScaleHigh() const;
    void SetScaleHigh(int value);

signals:
    void inputValueChanged();
    void scalingChanged();

private:
    TAnaInObj* Analog() const;
    // Stores value into the member and notifies when it changed.
    void Store(int TAnaInObj::*member, int value, void (QuilAnaInObj::*changed)());
};
