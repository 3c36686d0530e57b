#pragma once
// TAnaInObj: one analog input of an I/O card. The host writes the raw reading
// to InputValue; every 100 ms the object converts it by the function the
// network master configured and sends the value as a PDO on the armed events.

#include "can/CanInputObj.h"

class TAnaInObj : public TCanInputObj {
    Q_OBJECT

public:
    explicit TAnaInObj(QObject* owner = nullptr);

    // Decodes the twelve configuration words from SdoData.
    void WriteProperties();
    void TempCelsius();
    void TempFahren();
    void ADC_Scale();
    void ADC_ScaleNoLimit();
    void ADCBin();

    int InputValue = 0;
    int Function = 0;
    int AdcLow = 10;
    int AdcHigh = 210;
    int ScaleLow = 0;
    int ScaleHigh = 100;

public slots:
    void OnPollTime(QObject* Sender) override;

private:
    void Convert();
    // The linear map from AdcLow..AdcHigh to ScaleLow..ScaleHigh, or -9999
    // when either range is empty.
    int Scaled() const;
};
