#pragma once
// TVrPalette: the two colours an LED switches between (Low and High). Owned
// by the LED; a change repaints it.

#include "framework/Color.h"

#include <QObject>

class TVrPalette : public QObject {
    Q_OBJECT
    Q_PROPERTY(TColor Low READ Low WRITE SetLow NOTIFY LowChanged)
    Q_PROPERTY(TColor High READ High WRITE SetHigh NOTIFY HighChanged)

public:
    explicit TVrPalette(TColor low = clBlack, TColor high = clRed, QObject* parent = nullptr);

    TColor Low() const { return low_; }
    void SetLow(TColor value);
    TColor High() const { return high_; }
    void SetHigh(TColor value);
    // Copies both colours, with one notification when either differs.
    void Assign(const TVrPalette& other);

signals:
    // Property notifications (see framework/Notify.h).
    void LowChanged();
    void HighChanged();
    void OnChange(QObject* Sender);

private:
    TColor low_;
    TColor high_;
};
