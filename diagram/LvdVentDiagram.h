#pragma once
// TLvdVentDiagram: the controller's ventilation diagram. It carries the
// control law that turns the measured house temperature into a ventilation
// position (or, mirrored, a heating position), draws the resulting curve with
// its alarm zones and symbols, and marks the operating point with a fan (or a
// glowing heater), green guide lines and a thermometer icon.
//
// The law runs at every paint: the derived values and status flags first
// (CalcPointInfoList), the position after the axis layout (CalcVirtualYValues).
// A change of a status flag is reported once through OnStatusChanged.
//
// The diagram is a display: its points cannot be dragged. Presses reach the
// base class only while the control shows its focus frame.

#include "diagram/MasterDiagram.h"
#include "diagram/Setpoints.h"

#include <array>
#include <atomic>
#include <cstdint>

class TLvdVentDiagram : public TMasterDiagram {
    Q_OBJECT
    Q_PROPERTY(TSetpoints* Setpoints READ Setpoints CONSTANT)
    Q_PROPERTY(int VentIndex READ VentIndex WRITE SetVentIndex NOTIFY VentIndexChanged)
    Q_CLASSINFO("default:VentIndex", "0")
    Q_PROPERTY(
        int GemetenTemperatuur READ GemetenTemperatuur WRITE SetGemetenTemperatuur NOTIFY GemetenTemperatuurChanged)
    Q_PROPERTY(int VentilatieStand READ VentilatieStand WRITE SetVentilatieStand NOTIFY VentilatieStandChanged)
    Q_PROPERTY(bool OptieVentilatie READ OptieVentilatie WRITE SetOptieVentilatie NOTIFY OptieVentilatieChanged)
    Q_CLASSINFO("default:OptieVentilatie", "True")
    Q_PROPERTY(bool OptieKoeling READ OptieKoeling WRITE SetOptieKoeling NOTIFY OptieKoelingChanged)
    Q_CLASSINFO("default:OptieKoeling", "False")

public:
    explicit TLvdVentDiagram(QWidget* owner = nullptr);
    ~TLvdVentDiagram() override;

    // --- published properties
    TSetpoints* Setpoints() const { return setpoints_; }
    int VentIndex() const { return ventIndex_; }
    // Stores the fan frame modulo 3 and repaints when it changed.
    void SetVentIndex(int value);
    int GemetenTemperatuur() const { return gemetenTemperatuur_; }
    void SetGemetenTemperatuur(int value);
    // The fan thread reads the position without a lock while the
    // user-interface thread writes it during painting: an atomic keeps that
    // one shared value free of a data race.
    int VentilatieStand() const { return ventilatieStand_.load(std::memory_order_relaxed); }
    void SetVentilatieStand(int value);
    bool OptieVentilatie() const { return optieVentilatie_; }
    void SetOptieVentilatie(bool value);
    bool OptieKoeling() const { return optieKoeling_; }
    void SetOptieKoeling(bool value);

    // --- status of the last run of the law
    bool MinAlarmActive() const { return minAlarmActive_; }
    bool MaxAlarmActive() const { return maxAlarmActive_; }
    bool HeatCoolActive() const { return heatCoolActive_; }

    // --- values derived from the setpoints; points refer to them
    int BandTop = 0;    // StreefTemp + Bandbreedte
    int BandBottom = 0; // StreefTemp - Bandbreedte
    int HeatPoint = 0;  // the heating point below, or the cooling point above, the target
    int MaxAlarmX = 0;  // X of the maximum-alarm point
    // Y values of the three points that follow the curve between their neighbours.
    int MinAlarmY = 0;
    int HeatPointY = 0;
    int MaxAlarmY = 0;
    // Where the last paint put the fan (or heater) picture and the operating point.
    int FanTop = 0;
    int OperatingX = 0;

    // --- the control law
    // Derived values and status flags; raises OnStatusChanged on a change.
    void CalcPointInfoList();
    // The ventilation position for the current temperature, setpoints and curve.
    int CalcVentilatieStand() const;

    // --- points and drawing
    void FillPointInfoList();
    void CalcVirtualYValues();
    void CalcAxePositions(const TPointInfoList& points);
    // One byte of the heater picture at a position: off at 0, on at scale.
    static uint8_t CalcPixelColor(int position, int scale, uint8_t onByte, uint8_t offByte);

    // Shows (or hides) the label of the point with this number, as the front
    // panel does for the setpoint being edited.
    void SelectPoint(int number);
    void DeSelectPoint(int number);

    // The thermometer icon with its column as the last paint left it.
    const TBitmap& ThermometerPicture() const { return thermometer_; }
    // The heater as drawn for the current position.
    const TBitmap& BlendedHeaterPicture();

    // To assistive technology: the operating point, the curve and the alarms in words.
    bool HasAccessibleText() const override { return true; }
    QString AccessibleText() const override;

signals:
    // Property notifications (see framework/Notify.h).
    void VentIndexChanged();
    void GemetenTemperatuurChanged();
    void VentilatieStandChanged();
    void OptieVentilatieChanged();
    void OptieKoelingChanged();
    void OnStatusChanged(QObject* Sender);

protected:
    void Paint() override;
    void ContentChanged() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;

private:
    struct Role;
    void LoadPictures();
    void UpdateHeatCoolActive();
    void BindRole(TPointInfo& point, const Role& role, int fillOrder);
    void BindArea(TPointInfo& point, int fillOrder);
    void BindSymbol(TPointInfo& point, int fillOrder);
    void InterpolatePoint(int index);
    void PrepareVentDiagram();
    void PaintCurveLayer();
    void PaintOperatingLayer();
    int ThermometerTop();
    void PaintOperatingGuide(int pictureWidth, int thermometerTop);
    void PaintThermometer(int thermometerTop);
    TPointInfo* FindPoint(int number) const;
    std::array<int, 7> DrawnSetpoints() const;

    TSetpoints* setpoints_ = nullptr;
    int ventIndex_ = 0;
    int gemetenTemperatuur_ = 215;
    std::atomic<int> ventilatieStand_{10};
    bool optieVentilatie_ = true;
    bool optieKoeling_ = false;
    bool minAlarmActive_ = false;
    bool maxAlarmActive_ = false;
    bool heatCoolActive_ = false;
    bool oldMinAlarmActive_ = false;
    bool oldMaxAlarmActive_ = false;
    bool oldHeatCoolActive_ = false;

    std::array<TBitmap, 3> fan_;
    TBitmap thermometer_;
    TBitmap flame_;
    TBitmap bandwidth_;
    TBitmap cooling_;
    TBitmap heaterOn_;
    TBitmap heaterOff_;
    TBitmap heater_; // heaterOn_/heaterOff_ blended for heaterPosition_
    int heaterPosition_ = -1;
    TPen savedPen_; // the pen a paint started with, given back at its end
    // The setpoints the kept curve was drawn with; unknown after an Invalidate.
    std::array<int, 7> curveSetpoints_{};
    bool curveSetpointsKnown_ = false;
};
