#pragma once
// TvrThermoMeter: a glass thermometer with a bulb, a two-colour column filled
// up to the value, a tick scale with labels, an optional caption and four
// markers (SetPoint, PeakMin, PeakMax, Value). Vertical (bulb at the bottom)
// or horizontal (bulb at the left).
//
// Marker ownership: the thermometer owns the four markers it holds. A marker
// setter adopts a marker that has no owner (it becomes the thermometer's
// child) or, for a marker some other object owns, adopts a copy of it; the
// replaced marker is released by the thermometer at once, so a pointer to it
// must not be used afterwards. Each marker is thus released exactly once.

#include "widgets/VrGraphicImageControl.h"
#include "widgets/VrLiniarIndicator.h"
#include "widgets/VrThermoMeterScale.h"

class TvrThermoMeter : public TVrGraphicImageControl {
    Q_OBJECT
    Q_PROPERTY(TVrDirection Direction READ Direction WRITE SetDirection NOTIFY DirectionChanged)
    Q_CLASSINFO("default:Direction", "voVertical")
    Q_PROPERTY(TColor ColorAfter READ ColorAfter WRITE SetColorAfter NOTIFY ColorAfterChanged)
    Q_CLASSINFO("default:ColorAfter", "clMaroon")
    Q_PROPERTY(TColor ColorBefore READ ColorBefore WRITE SetColorBefore NOTIFY ColorBeforeChanged)
    Q_CLASSINFO("default:ColorBefore", "clRed")
    Q_PROPERTY(bool ShowCaption READ ShowCaption WRITE SetShowCaption NOTIFY ShowCaptionChanged)
    Q_CLASSINFO("default:ShowCaption", "False")
    Q_PROPERTY(TvrThermoMeterScale* Scale READ Scale CONSTANT)
    Q_PROPERTY(TVrLiniarIndicator* SetPoint READ SetPoint WRITE SetSetPoint NOTIFY SetPointChanged)
    Q_PROPERTY(TVrLiniarIndicator* PeakMin READ PeakMin WRITE SetPeakMin NOTIFY PeakMinChanged)
    Q_PROPERTY(TVrLiniarIndicator* PeakMax READ PeakMax WRITE SetPeakMax NOTIFY PeakMaxChanged)
    Q_PROPERTY(TVrLiniarIndicator* Value READ Value WRITE SetValue NOTIFY ValueChanged)
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption NOTIFY CaptionChanged)
    Q_PROPERTY(fw::TCursor DragCursor READ DragCursor WRITE SetDragCursor NOTIFY DragCursorChanged)
    Q_PROPERTY(fw::TDragKind DragKind READ DragKind WRITE SetDragKind NOTIFY DragKindChanged)
    Q_PROPERTY(fw::TDragMode DragMode READ DragMode WRITE SetDragMode NOTIFY DragModeChanged)
    Q_PROPERTY(bool ParentShowHint READ ParentShowHint WRITE SetParentShowHint NOTIFY ParentShowHintChanged)
    Q_PROPERTY(TPopupMenu* PopupMenu READ PopupMenu WRITE SetPopupMenu NOTIFY PopupMenuChanged)
    Q_CLASSINFO("default:Caption", "''")
    Q_CLASSINFO("default:Color", "clSilver")

public:
    enum TVrDirection { voVertical, voHorizontal };
    Q_ENUM(TVrDirection)

    explicit TvrThermoMeter(QWidget* parent = nullptr);

    TVrDirection Direction() const { return direction_; }
    // Swaps width and height when the direction changes outside loading.
    void SetDirection(TVrDirection value);
    TColor ColorAfter() const { return colorAfter_; }
    void SetColorAfter(TColor value);
    TColor ColorBefore() const { return colorBefore_; }
    void SetColorBefore(TColor value);
    bool ShowCaption() const { return showCaption_; }
    void SetShowCaption(bool value);

    TvrThermoMeterScale* Scale() const { return scale_; }
    TVrLiniarIndicator* SetPoint() const { return setPoint_; }
    TVrLiniarIndicator* PeakMin() const { return peakMin_; }
    TVrLiniarIndicator* PeakMax() const { return peakMax_; }
    TVrLiniarIndicator* Value() const { return value_; }
    void SetSetPoint(TVrLiniarIndicator* marker) { ReplaceMarker(setPoint_, marker, &TvrThermoMeter::SetPointChanged); }
    void SetPeakMin(TVrLiniarIndicator* marker) { ReplaceMarker(peakMin_, marker, &TvrThermoMeter::PeakMinChanged); }
    void SetPeakMax(TVrLiniarIndicator* marker) { ReplaceMarker(peakMax_, marker, &TvrThermoMeter::PeakMaxChanged); }
    void SetValue(TVrLiniarIndicator* marker) { ReplaceMarker(value_, marker, &TvrThermoMeter::ValueChanged); }

    // Position of a value along the column, in pixels from the column's
    // origin side (a vertical meter draws it at Height - result).
    int ValueToPixels(double value) const;

    // The presets of a thermometer newly placed in a designer.
    void ApplyDesignPresets();

    // To assistive technology a read-only progress bar whose text is the value.
    QString AccessibleText() const override;
    QString AccessibleKind() const override { return QStringLiteral("Thermometer"); }
    QAccessible::Role AccessibleRole() const override { return QAccessible::ProgressBar; }

signals:
    // Property notifications (see framework/Notify.h).
    void DirectionChanged();
    void ColorAfterChanged();
    void ColorBeforeChanged();
    void ShowCaptionChanged();
    void SetPointChanged();
    void PeakMinChanged();
    void PeakMaxChanged();
    void ValueChanged();
    void OnOutofRange(QObject* Sender);

public slots:
    // The change notification of the four markers: the peaks follow the
    // value, an out-of-range value is reported, and the meter repaints.
    void PeakChanged(QObject* Sender);

protected:
    void Paint() override;

private:
    // Where the meter lies in the control, recomputed at each paint.
    struct TMeterGeometry {
        int Start = 0;    // first pixel of the column along its axis
        int Length = 0;   // column length
        int BaseLine = 0; // cross position of the tick base line
    };

    TVrLiniarIndicator* CreateMarker();
    void AdoptMarker(TVrLiniarIndicator* marker);
    void ReplaceMarker(TVrLiniarIndicator*& held, TVrLiniarIndicator* marker, void (TvrThermoMeter::*changed)());
    bool Vertical() const { return direction_ == voVertical; }
    TMeterGeometry Geometry() const;
    // The pixel at which a value is drawn along the column's axis.
    int AxisPosition(double value) const;

    void DrawCaption();
    void DrawLabel(double value, const TMeterGeometry& g);
    void DrawLabels(const TMeterGeometry& g);
    void DrawBulb();
    void DrawColumn();
    void DrawTick(double value, int length, const TMeterGeometry& g);
    void DrawTicks(const TMeterGeometry& g);
    void DrawMarker(const TVrLiniarIndicator& marker);
    void DrawWideLine(TColor color, int width, QPoint from, QPoint to);

    TVrDirection direction_ = voVertical;
    TColor colorAfter_ = clMaroon;
    TColor colorBefore_ = clRed;
    bool showCaption_ = false;
    TvrThermoMeterScale* scale_;
    TVrLiniarIndicator* setPoint_ = nullptr;
    TVrLiniarIndicator* peakMin_ = nullptr;
    TVrLiniarIndicator* peakMax_ = nullptr;
    TVrLiniarIndicator* value_ = nullptr;
};
