#pragma once
// TGraphForm: the imitation of the climate controller's front panel, a
// borderless window cut to the panel artwork. Pressing a setpoint key selects
// that setpoint (its LED blinks, the diagram in the main window highlights
// its point, the display shows its value); the arrow keys then step it within
// its limits, repeating faster while held. Five seconds after the last key
// release the selection ends and the display returns to the measured value.
// With nothing selected, the arrows switch the display between the measured
// temperature and the ventilation position. The alarm LEDs light steadily
// red while the diagram reports a temperature alarm.
//
// The panel edits the main window's setpoints in place, so it must be
// created after the main window and destroyed before it.

#include "app/KeyEntry.h"
#include "framework/Form.h"

#include <vector>

class TImage;
class TLCD99;
class TPanel;
class TTimer;
class TVrBlinkLed;
class TVrFormShape;

class TGraphForm : public TForm {
    Q_OBJECT

public:
    explicit TGraphForm(QWidget* owner = nullptr);
    ~TGraphForm() override;

    TVrFormShape* VrFormShape1;
    TImage* StreefTempImage;
    TImage* MaxVentImage;
    TImage* MinVentImage;
    TImage* VerwarmImage;
    TImage* BandbrImage;
    TImage* MaxTempImage;
    TImage* MinTempImage;
    TImage* ArrowUpImage;
    TImage* ArrowDownImage;
    TVrBlinkLed* StreefTempLed;
    TVrBlinkLed* MaxVentLed;
    TVrBlinkLed* MinVentLed;
    TVrBlinkLed* VerwarmVerschilLed;
    TVrBlinkLed* BandbreedteLed;
    TVrBlinkLed* MaxTempAlarmLed;
    TVrBlinkLed* MinTempAlarmLed;
    TVrBlinkLed* ArrowUpLed;
    TVrBlinkLed* ArrowDownLed;
    TPanel* LCDPanel;
    TLCD99* LCD;
    TTimer* ButtonTimer;
    TTimer* UpDownTimer;

    // PanelMode: a setpoint selected and idle, an arrow repeating, or the
    // display showing the measured value (the display entry).
    static constexpr uint8_t ModeIdle = 0, ModeRepeatUp = 1, ModeRepeatDown = 2, ModeMeasured = 4;

    // Follows the diagram's alarm flags on the two alarm keys.
    void UpdateAlarmLeds();
    // Shows the entry's value on the display: whole or in tenths.
    void ShowEntryValue(const TKeyEntry& entry);
    // Switches the display between the measured temperature and the position.
    void ToggleMeasuredDisplay();
    // A value in tenths as the display shows it (see app/FormatTenths.h).
    static QString FormatTenths(int value);

    // State, for the window's owner and for tests.
    const std::vector<TKeyEntry>& Keys() const { return keys_; }
    const TKeyEntry* SelectedEntry() const { return selected_; }
    const TKeyEntry* DisplayEntry() const { return display_; }
    uint8_t PanelMode() const { return panelMode_; }
    int RepeatInterval() const { return repeatInterval_; }

public slots:
    void FormShow(QObject* Sender);
    void FormMouseMove(QObject* Sender, fw::TShiftState Shift, int X, int Y);
    void VrFormShape1MouseMove(QObject* Sender, fw::TShiftState Shift, int X, int Y);
    void KeyImageMouseMove(QObject* Sender, fw::TShiftState Shift, int X, int Y);
    void ButtonDown(QObject* Sender, fw::TMouseButton Button, fw::TShiftState Shift, int X, int Y);
    void KeyMouseUp(QObject* Sender, fw::TMouseButton Button, fw::TShiftState Shift, int X, int Y);
    void ButtonTimerTimer(QObject* Sender);
    void UpDownTimerTimer(QObject* Sender);

private:
    void FindControls();
    void NameControls();
    void BuildKeyTable();
    TKeyEntry* EntryOf(QObject* keyImage);
    void ChangeSelection(TKeyEntry& pressed);
    void Light(TKeyEntry& entry);
    void PressSetpointKey(TKeyEntry& entry);
    void PressArrow(TKeyEntry& entry);
    void RepeatStep(int direction);
    void SetLedIdle(TKeyEntry& entry, bool alarmShown);

    std::vector<TKeyEntry> keys_;
    TKeyEntry* selected_ = nullptr;
    TKeyEntry* display_ = nullptr;
    uint8_t panelMode_ = ModeIdle;
    int repeatInterval_ = 500;
};

// The front-panel window, from its creation until its destruction.
extern TGraphForm* GraphForm;
