#pragma once
// TMainForm: the demo's main window "DEMO QUIL COMPUTER". The ventilation
// diagram with, below it, the thermometer, the seven-segment display and the
// round spin control for the measured temperature, two rocker switches for
// the options and the pictures that show alarms, heating and cooling. It
// holds the setpoint limits the front panel edits within, reads the settings
// store when it is created and writes it when it is destroyed, and runs the
// fan thread while it exists.
//
// The layout comes from the window description :/forms/MainForm.dfm.

#include "framework/Form.h"

#include <memory>

class TGroupBox;
class TGSpin;
class TImage;
class TLCD99;
class TLvdVentDiagram;
class TPanel;
class TSpeedButton;
class TVentThread;
class TvrThermoMeter;
class TVrRocker;

class TMainForm : public TForm {
    Q_OBJECT

public:
    explicit TMainForm(QWidget* owner = nullptr);
    ~TMainForm() override;

    // The controls of the window description.
    TPanel* TopPanel;
    TSpeedButton* CloseButton;
    TImage* Image5;
    TLvdVentDiagram* Diagram;
    TPanel* Panel1;
    TvrThermoMeter* vrThermoMeter;
    TImage* MaxAlarmOn;
    TImage* KoelingOn;
    TImage* VerwarmingOn;
    TImage* MinAlarmOn;
    TLCD99* LCD991;
    TGSpin* GSpin1;
    TGroupBox* GroupBox1;
    TImage* Image1;
    TVrRocker* VrRocker1;
    TImage* Image2;
    TImage* Image3;
    TVrRocker* VrRocker2;
    TImage* Image4;

    // The limits within which the front panel edits the setpoints. The upper
    // limit of MinPositie and the lower limit of MaxPositie are the other
    // setpoint itself, so they are not held here.
    int StreefTempLowerLimit = 60;
    int StreefTempUpperLimit = 500;
    int MinPositieLowerLimit = 0;
    int MaxPositieUpperLimit = 100;
    int BandbreedteLowerLimit = 0;
    int BandbreedteUpperLimit = 100;
    int VerwarmVerschilLowerLimit = 0;
    int VerwarmVerschilUpperLimit = 60;
    int MinAlarmLowerLimit = 0;
    int MinAlarmUpperLimit = 500;
    int MaxAlarmLowerLimit = 0;
    int MaxAlarmUpperLimit = 500;

    // The measured temperature as the display shows it (see app/FormatTenths.h).
    static QString FormatTenths(int value);

    // The running fan thread, null until the window is first shown.
    TVentThread* VentThread() const { return ventThread_.get(); }

public slots:
    void FormShow(QObject* Sender);
    void FormDestroy(QObject* Sender);
    void GSpin1UpClick(QObject* Sender);
    void GSpin1DownClick(QObject* Sender);
    void VrRocker1UpperClick(QObject* Sender);
    void VrRocker1LowerClick(QObject* Sender);
    void VrRocker2UpperClick(QObject* Sender);
    void VrRocker2LowerClick(QObject* Sender);
    void DiagramStatusChanged(QObject* Sender);
    void CloseButtonClick(QObject* Sender);

private:
    void FindControls();
    void NameControls();
    void SetLimits();
    void ReadSettings();
    void WriteSettings();
    void SetRockersFromOptions();
    void ShowMeasuredTemperature();

    std::unique_ptr<TVentThread> ventThread_;
};

// The application's main window, from its creation until its destruction.
extern TMainForm* MainForm;
