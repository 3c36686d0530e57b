#pragma once
// TvrThermoMeterScale: the scale record of the thermometer (range, linear or
// logarithmic mapping, tick sizes, label format). Every accepted change
// raises OnChange, which repaints the owning thermometer.

#include "framework/Color.h"

#include <QObject>
#include <QString>

class TvrThermoMeterScale : public QObject {
    Q_OBJECT
    Q_PROPERTY(TColor Color READ Color WRITE SetColor NOTIFY ColorChanged)
    Q_CLASSINFO("default:Color", "clNavy")
    Q_PROPERTY(int Decimals READ Decimals WRITE SetDecimals NOTIFY DecimalsChanged)
    Q_CLASSINFO("default:Decimals", "0")
    Q_PROPERTY(QString FormatText READ FormatText WRITE SetFormatText NOTIFY FormatTextChanged)
    Q_CLASSINFO("default:FormatText", "'%s'")
    Q_PROPERTY(TVrScaleType ScaleType READ ScaleType WRITE SetScaleType NOTIFY ScaleTypeChanged)
    Q_CLASSINFO("default:ScaleType", "voLinear")
    Q_PROPERTY(double Max READ Max WRITE SetMax NOTIFY MaxChanged)
    Q_CLASSINFO("default:Max", "100")
    Q_PROPERTY(double Min READ Min WRITE SetMin NOTIFY MinChanged)
    Q_CLASSINFO("default:Min", "0")
    Q_PROPERTY(TVrPosition Position READ Position WRITE SetPosition NOTIFY PositionChanged)
    Q_CLASSINFO("default:Position", "voAfter")
    Q_PROPERTY(int Offset READ Offset WRITE SetOffset NOTIFY OffsetChanged)
    Q_CLASSINFO("default:Offset", "5")
    Q_PROPERTY(double Step READ Step WRITE SetStep NOTIFY StepChanged)
    Q_CLASSINFO("default:Step", "10")
    Q_PROPERTY(double SmallStep READ SmallStep WRITE SetSmallStep NOTIFY SmallStepChanged)
    Q_CLASSINFO("default:SmallStep", "1")
    Q_PROPERTY(int HeightMax READ HeightMax WRITE SetHeightMax NOTIFY HeightMaxChanged)
    Q_CLASSINFO("default:HeightMax", "8")
    Q_PROPERTY(int HeightMin READ HeightMin WRITE SetHeightMin NOTIFY HeightMinChanged)
    Q_CLASSINFO("default:HeightMin", "5")
    Q_PROPERTY(bool Visible READ Visible WRITE SetVisible NOTIFY VisibleChanged)
    Q_CLASSINFO("default:Visible", "True")

public:
    // Which side of the column the scale is on; the markers take the other side.
    enum TVrPosition { voAfter, voBefore };
    Q_ENUM(TVrPosition)
    enum TVrScaleType { voLinear, voLogarithmic };
    Q_ENUM(TVrScaleType)

    explicit TvrThermoMeterScale(QObject* parent = nullptr);

    TColor Color() const { return color_; }
    int Decimals() const { return decimals_; }
    QString FormatText() const { return formatText_; }
    TVrScaleType ScaleType() const { return scaleType_; }
    double Max() const { return max_; }
    double Min() const { return min_; }
    TVrPosition Position() const { return position_; }
    int Offset() const { return offset_; }
    double Step() const { return step_; }
    double SmallStep() const { return smallStep_; }
    int HeightMax() const { return heightMax_; }
    int HeightMin() const { return heightMin_; }
    bool Visible() const { return visible_; }

    void SetColor(TColor value);
    void SetDecimals(int value);
    void SetFormatText(const QString& value);
    // Logarithmic is refused while a limit is negative.
    void SetScaleType(TVrScaleType value);
    // A negative limit is refused on a logarithmic scale.
    void SetMax(double value);
    void SetMin(double value);
    void SetPosition(TVrPosition value);
    void SetOffset(int value);
    void SetStep(double value);
    void SetSmallStep(double value);
    void SetHeightMax(int value);
    void SetHeightMin(int value);
    void SetVisible(bool value);

    // The label of a value: FormatText with "%s" replaced by the number in
    // fixed notation with Decimals digits (eight significant digits).
    QString LabelText(double value) const;

signals:
    // Property notifications (see framework/Notify.h).
    void ColorChanged();
    void DecimalsChanged();
    void FormatTextChanged();
    void ScaleTypeChanged();
    void MaxChanged();
    void MinChanged();
    void PositionChanged();
    void OffsetChanged();
    void StepChanged();
    void SmallStepChanged();
    void HeightMaxChanged();
    void HeightMinChanged();
    void VisibleChanged();
    void OnChange(QObject* Sender);

private:
    template <class T> void Store(T& field, const T& value, void (TvrThermoMeterScale::*changed)());

    TColor color_ = clNavy;
    int decimals_ = 0;
    QString formatText_ = QStringLiteral("%s");
    TVrScaleType scaleType_ = voLinear;
    double max_ = 100;
    double min_ = 0;
    TVrPosition position_ = voAfter;
    int offset_ = 5;
    double step_ = 10;
    double smallStep_ = 1;
    int heightMax_ = 8;
    int heightMin_ = 5;
    bool visible_ = true;
};
