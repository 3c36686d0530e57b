#pragma once
// TAnalogMeter: a round dial instrument. A filled face with a 270-degree
// scale of major and minor ticks and numbers (clockwise from lower left to
// lower right through the top), a triangular pointer about a hub, and the
// current value with its unit under the hub. Position is a fixed-point number
// with ValueDecimals decimals (235 with one decimal reads 23,5). It takes no
// input and paints on its owner's colour and font.

#include "framework/Control.h"
#include "framework/AccessibleControl.h"
#include "framework/KeptLayer.h"

class TAnalogMeter : public TGraphicControl, public TAccessibleControl {
    Q_OBJECT
    Q_PROPERTY(QString UnitValue READ UnitValue WRITE SetUnitValue NOTIFY UnitValueChanged)
    Q_PROPERTY(int ValueDecimals READ ValueDecimals WRITE SetValueDecimals NOTIFY ValueDecimalsChanged)
    Q_PROPERTY(int ScaleFontSize READ ScaleFontSize WRITE SetScaleFontSize NOTIFY ScaleFontSizeChanged)
    Q_PROPERTY(int ValueFontSize READ ValueFontSize WRITE SetValueFontSize NOTIFY ValueFontSizeChanged)
    Q_PROPERTY(TColor ForeColor READ ForeColor WRITE SetForeColor NOTIFY ForeColorChanged)
    Q_PROPERTY(TColor TickColor READ TickColor WRITE SetTickColor NOTIFY TickColorChanged)
    Q_PROPERTY(TColor PointerColor READ PointerColor WRITE SetPointerColor NOTIFY PointerColorChanged)
    Q_PROPERTY(bool ShowTicks READ ShowTicks WRITE SetShowTicks NOTIFY ShowTicksChanged)
    Q_PROPERTY(bool ShowValue READ ShowValue WRITE SetShowValue NOTIFY ShowValueChanged)
    Q_PROPERTY(int Position READ Position WRITE SetPosition NOTIFY PositionChanged)
    Q_PROPERTY(int MinPosition READ MinPosition WRITE SetMinPosition NOTIFY MinPositionChanged)
    Q_PROPERTY(int MaxPosition READ MaxPosition WRITE SetMaxPosition NOTIFY MaxPositionChanged)
    Q_PROPERTY(int MajorTicks READ MajorTicks WRITE SetMajorTicks NOTIFY MajorTicksChanged)
    Q_PROPERTY(int MinorTicks READ MinorTicks WRITE SetMinorTicks NOTIFY MinorTicksChanged)
    Q_PROPERTY(int MinorTickLength READ MinorTickLength WRITE SetMinorTickLength NOTIFY MinorTickLengthChanged)
    Q_PROPERTY(int MajorTickLength READ MajorTickLength WRITE SetMajorTickLength NOTIFY MajorTickLengthChanged)
    Q_PROPERTY(int MinorTickWidth READ MinorTickWidth WRITE SetMinorTickWidth NOTIFY MinorTickWidthChanged)
    Q_PROPERTY(int MajorTickWidth READ MajorTickWidth WRITE SetMajorTickWidth NOTIFY MajorTickWidthChanged)
    // Declared as the constructor sets them; the two font sizes follow the
    // owner's font and have no declared default, so they are always written.
    Q_CLASSINFO("default:UnitValue", "''")
    Q_CLASSINFO("default:ValueDecimals", "1")
    Q_CLASSINFO("default:ForeColor", "clInfoBk")
    Q_CLASSINFO("default:TickColor", "clGray")
    Q_CLASSINFO("default:PointerColor", "clPurple")
    Q_CLASSINFO("default:ShowTicks", "True")
    Q_CLASSINFO("default:ShowValue", "True")
    Q_CLASSINFO("default:Position", "0")
    Q_CLASSINFO("default:MinPosition", "0")
    Q_CLASSINFO("default:MaxPosition", "100")
    Q_CLASSINFO("default:MajorTicks", "11")
    Q_CLASSINFO("default:MinorTicks", "0")
    Q_CLASSINFO("default:MinorTickLength", "3")
    Q_CLASSINFO("default:MajorTickLength", "6")
    Q_CLASSINFO("default:MinorTickWidth", "3")
    Q_CLASSINFO("default:MajorTickWidth", "2")

public:
    explicit TAnalogMeter(QWidget* owner = nullptr);

    QString UnitValue() const { return unitValue_; }
    void SetUnitValue(const QString& value);
    int ValueDecimals() const { return valueDecimals_; }
    void SetValueDecimals(int value);
    int ScaleFontSize() const { return scaleFontSize_; }
    void SetScaleFontSize(int value);
    int ValueFontSize() const { return valueFontSize_; }
    void SetValueFontSize(int value);
    TColor ForeColor() const { return foreColor_; }
    void SetForeColor(TColor value);
    TColor TickColor() const { return tickColor_; }
    void SetTickColor(TColor value);
    TColor PointerColor() const { return pointerColor_; }
    void SetPointerColor(TColor value);
    bool ShowTicks() const { return showTicks_; }
    void SetShowTicks(bool value);
    bool ShowValue() const { return showValue_; }
    void SetShowValue(bool value);
    int Position() const { return position_; }
    void SetPosition(int value);
    int MinPosition() const { return minPosition_; }
    void SetMinPosition(int value);
    int MaxPosition() const { return maxPosition_; }
    void SetMaxPosition(int value);
    int MajorTicks() const { return majorTicks_; }
    void SetMajorTicks(int value);
    int MinorTicks() const { return minorTicks_; }
    void SetMinorTicks(int value);
    int MinorTickLength() const { return minorTickLength_; }
    void SetMinorTickLength(int value);
    int MajorTickLength() const { return majorTickLength_; }
    void SetMajorTickLength(int value);
    int MinorTickWidth() const { return minorTickWidth_; }
    void SetMinorTickWidth(int value);
    int MajorTickWidth() const { return majorTickWidth_; }
    void SetMajorTickWidth(int value);

    // The value texts: fixed point with a decimal comma, and its integer part.
    QString ConvertToFloat(int value) const;
    QString ConvertToInteger(int value) const;
    // The pointer's angle from straight down, clockwise, in radians.
    double PointerAngle() const;
    // The whole drawing from scratch. Paint() gives the same picture from a
    // cached dial (face, scale and hub), drawing only the pointer, cap and value.
    void DrawCirkel(TCanvas& canvas);

    // TAccessibleControl: a read-only progress bar whose text is the value
    // as the dial shows it. No value interface: that would offer a screen
    // reader Increase and Decrease actions on a pointer it cannot move.
    QAccessible::Role AccessibleRole() const override { return QAccessible::ProgressBar; }
    QString AccessibleName() const override { return QStringLiteral("Analog meter"); }
    QAccessible::State AccessibleState() const override;
    bool HasAccessibleText() const override { return true; }
    QString AccessibleText() const override;

protected:
    void Paint() override;
    void Resize() override;
    void Loaded() override;

private:
    // Brings the position into MinPosition..MaxPosition (not while loading).
    void KeepPositionInScale();
    void RaiseToMinimumSize();
    struct TGeometry {
        int R;
        double cx, cy;
        int bottom; // of the face
    };
    TGeometry Geometry() const;
    void Changed();
    void DialChanged();
    void DropDialIfOwnerChanged();
    const TControl& Owner() const;
    void DrawDial(TCanvas& c, const TGeometry& g);
    void DrawScale(TCanvas& c, const TGeometry& g);
    void DrawMoving(TCanvas& c, const TGeometry& g);
    void DrawPointer(TCanvas& c, const TGeometry& g);
    void DrawValue(TCanvas& c, const TGeometry& g);

    // The still part of the picture and what it was drawn with.
    TKeptLayer dial_;
    TColor dialOwnerColor_ = clNone;
    TFont dialOwnerFont_;

    QString unitValue_;
    int valueDecimals_ = 1;
    int scaleFontSize_;
    int valueFontSize_;
    TColor foreColor_ = clInfoBk;
    TColor tickColor_ = clGray;
    TColor pointerColor_ = clPurple;
    bool showTicks_ = true;
    bool showValue_ = true;
    int position_ = 0;
    int minPosition_ = 0;
    int maxPosition_ = 100;
    int majorTicks_ = 11;
    int minorTicks_ = 0;
    int minorTickLength_ = 3;
    int majorTickLength_ = 6;
    int minorTickWidth_ = 3;
    int majorTickWidth_ = 2;

signals:
    // Property notifications (see framework/Notify.h).
    void UnitValueChanged();
    void ValueDecimalsChanged();
    void ScaleFontSizeChanged();
    void ValueFontSizeChanged();
    void ForeColorChanged();
    void TickColorChanged();
    void PointerColorChanged();
    void ShowTicksChanged();
    void ShowValueChanged();
    void PositionChanged();
    void MinPositionChanged();
    void MaxPositionChanged();
    void MajorTicksChanged();
    void MinorTicksChanged();
    void MinorTickLengthChanged();
    void MajorTickLengthChanged();
    void MinorTickWidthChanged();
    void MajorTickWidthChanged();
};
