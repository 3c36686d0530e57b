#include "app/GraphForm.h"

#include "app/FormatTenths.h"
#include "app/MainForm.h"
#include "app/RegisterApp.h"
#include "diagram/LvdVentDiagram.h"
#include "framework/Image.h"
#include "framework/Panel.h"
#include "framework/Screen.h"
#include "framework/Timer.h"
#include "widgets/LCD99.h"
#include "widgets/VrBlinkLed.h"
#include "widgets/VrFormShape.h"

#include <tuple>

TGraphForm* GraphForm = nullptr;

namespace {
constexpr int kTimeOut = 5000;      // the selection ends this long after the last release
constexpr int kFirstRepeat = 500;   // a held arrow repeats after this long ...
constexpr int kFastestRepeat = 100; // ... then 50 ms sooner each time, down to this
constexpr int kRepeatSpeedUp = 50;
constexpr int kRefresh = 50;        // the display follows its value at this rate
constexpr TColor kDisplayGreen = 0x00C000;

// The colour indexes of the LED palettes (see the window description).
constexpr uint8_t kLedSelected = 1; // blinking white/lime, white/red on alarm keys
constexpr uint8_t kLedOff = 2;      // white
constexpr uint8_t kLedAlarm = 3;    // steady red on alarm keys
} // namespace

TGraphForm::TGraphForm(QWidget* owner) : TForm(WithAppComponents(owner))
{
    LoadFromResource(QStringLiteral(":/forms/GraphForm.dfm"));
    FindControls();
    NameControls();
    BuildKeyTable();
    SetLeft(0);
    SetTop(20);
    GraphForm = this;
}

TGraphForm::~TGraphForm()
{
    if (GraphForm == this)
        GraphForm = nullptr;
    DoDestroy();
}

void TGraphForm::FindControls()
{
    VrFormShape1 = FindChild<TVrFormShape>(QStringLiteral("VrFormShape1"));
    StreefTempImage = FindChild<TImage>(QStringLiteral("StreefTempImage"));
    MaxVentImage = FindChild<TImage>(QStringLiteral("MaxVentImage"));
    MinVentImage = FindChild<TImage>(QStringLiteral("MinVentImage"));
    VerwarmImage = FindChild<TImage>(QStringLiteral("VerwarmImage"));
    BandbrImage = FindChild<TImage>(QStringLiteral("BandbrImage"));
    MaxTempImage = FindChild<TImage>(QStringLiteral("MaxTempImage"));
    MinTempImage = FindChild<TImage>(QStringLiteral("MinTempImage"));
    ArrowUpImage = FindChild<TImage>(QStringLiteral("ArrowUpImage"));
    ArrowDownImage = FindChild<TImage>(QStringLiteral("ArrowDownImage"));
    StreefTempLed = FindChild<TVrBlinkLed>(QStringLiteral("StreefTempLed"));
    MaxVentLed = FindChild<TVrBlinkLed>(QStringLiteral("MaxVentLed"));
    MinVentLed = FindChild<TVrBlinkLed>(QStringLiteral("MinVentLed"));
    VerwarmVerschilLed = FindChild<TVrBlinkLed>(QStringLiteral("VerwarmVerschilLed"));
    BandbreedteLed = FindChild<TVrBlinkLed>(QStringLiteral("BandbreedteLed"));
    MaxTempAlarmLed = FindChild<TVrBlinkLed>(QStringLiteral("MaxTempAlarmLed"));
    MinTempAlarmLed = FindChild<TVrBlinkLed>(QStringLiteral("MinTempAlarmLed"));
    ArrowUpLed = FindChild<TVrBlinkLed>(QStringLiteral("ArrowUpLed"));
    ArrowDownLed = FindChild<TVrBlinkLed>(QStringLiteral("ArrowDownLed"));
    LCDPanel = FindChild<TPanel>(QStringLiteral("LCDPanel"));
    LCD = FindChild<TLCD99>(QStringLiteral("LCD"));
    ButtonTimer = FindChild<TTimer>(QStringLiteral("ButtonTimer"));
    UpDownTimer = FindChild<TTimer>(QStringLiteral("UpDownTimer"));
}

// What a screen reader calls the keys, their LEDs and the display. The keys
// are pictures with press handlers, so they are buttons with a press action.
void TGraphForm::NameControls()
{
    setAccessibleName(QStringLiteral("Front panel"));
    const std::tuple<TImage*, TVrBlinkLed*, const char*> keys[] = {
        {StreefTempImage, StreefTempLed, "Target temperature"},
        {MaxVentImage, MaxVentLed, "Maximum ventilation position"},
        {MinVentImage, MinVentLed, "Minimum ventilation position"},
        {VerwarmImage, VerwarmVerschilLed, "Heating difference"},
        {BandbrImage, BandbreedteLed, "Bandwidth"},
        {MaxTempImage, MaxTempAlarmLed, "Maximum temperature alarm"},
        {MinTempImage, MinTempAlarmLed, "Minimum temperature alarm"},
        {ArrowUpImage, ArrowUpLed, "Up"},
        {ArrowDownImage, ArrowDownLed, "Down"},
    };
    for (const auto& [key, led, name] : keys) {
        key->setAccessibleName(QString::fromUtf8(name));
        led->setAccessibleName(QString::fromUtf8(name) + QStringLiteral(" LED"));
    }
    LCD->setAccessibleName(QStringLiteral("Panel display"));
    VrFormShape1->setAccessibleName(QStringLiteral("Front panel"));
}

void TGraphForm::BuildKeyTable()
{
    if (!MainForm)
        throw Exception(QStringLiteral("The front panel needs the main window"));
    TMainForm& m = *MainForm;
    TLvdVentDiagram* diagram = m.Diagram;
    TSetpoints& sp = *diagram->Setpoints();
    auto setpoint = [](TImage* image, TVrBlinkLed* led, int& value, int& lower, int& upper, int point,
                       uint8_t decimals) {
        TKeyEntry e;
        e.KeyImage = image;
        e.Led = led;
        e.Value = &value;
        e.LowerLimit = &lower;
        e.UpperLimit = &upper;
        e.PointNumber = point;
        e.DecimalsMode = decimals;
        return e;
    };
    keys_.clear();
    keys_.reserve(9);
    keys_.push_back(setpoint(StreefTempImage, StreefTempLed, sp.StreefTemp, m.StreefTempLowerLimit,
                             m.StreefTempUpperLimit, 3, 2));
    // The two position limits are the other position itself, as it is now.
    keys_.push_back(setpoint(MaxVentImage, MaxVentLed, sp.MaxPositie, sp.MinPositie, m.MaxPositieUpperLimit, 6, 1));
    keys_.push_back(setpoint(MinVentImage, MinVentLed, sp.MinPositie, m.MinPositieLowerLimit, sp.MaxPositie, 0, 1));
    keys_.push_back(setpoint(VerwarmImage, VerwarmVerschilLed, sp.VerwarmVerschil, m.VerwarmVerschilLowerLimit,
                             m.VerwarmVerschilUpperLimit, 2, 2));
    keys_.push_back(setpoint(BandbrImage, BandbreedteLed, sp.Bandbreedte, m.BandbreedteLowerLimit,
                             m.BandbreedteUpperLimit, 4, 2));
    keys_.push_back(setpoint(MaxTempImage, MaxTempAlarmLed, sp.MaxAlarm, m.MaxAlarmLowerLimit,
                             m.MaxAlarmUpperLimit, 5, 2));
    keys_.push_back(setpoint(MinTempImage, MinTempAlarmLed, sp.MinAlarm, m.MinAlarmLowerLimit,
                             m.MinAlarmUpperLimit, 1, 2));
    TKeyEntry up;
    up.KeyImage = ArrowUpImage;
    up.Led = ArrowUpLed;
    up.LiveValue = [diagram] { return diagram->GemetenTemperatuur(); };
    up.DecimalsMode = 2;
    up.KeyRole = TKeyEntry::ArrowUp;
    keys_.push_back(up);
    TKeyEntry down;
    down.KeyImage = ArrowDownImage;
    down.Led = ArrowDownLed;
    down.LiveValue = [diagram] { return diagram->VentilatieStand(); };
    down.DecimalsMode = 1;
    down.KeyRole = TKeyEntry::ArrowDown;
    keys_.push_back(down);
    selected_ = nullptr;
    display_ = &keys_[7];
}

void TGraphForm::FormShow(QObject*)
{
    LCD->SetColor(kDisplayGreen);
    LCD->SetOffColor(kDisplayGreen);
    LCDPanel->SetColor(kDisplayGreen);
    panelMode_ = ModeMeasured;
}

void TGraphForm::FormMouseMove(QObject*, TShiftState, int, int) { Screen::SetCursor(crDefault); }

void TGraphForm::VrFormShape1MouseMove(QObject*, TShiftState, int, int) { Screen::SetCursor(crDefault); }

void TGraphForm::KeyImageMouseMove(QObject*, TShiftState, int, int) { Screen::SetCursor(crHandPoint); }

TKeyEntry* TGraphForm::EntryOf(QObject* keyImage)
{
    for (TKeyEntry& e : keys_)
        if (e.KeyImage == keyImage)
            return &e;
    return nullptr;
}

void TGraphForm::ButtonDown(QObject* Sender, TMouseButton, TShiftState, int, int)
{
    ButtonTimer->SetInterval(kTimeOut);
    ButtonTimer->SetEnabled(false);
    TKeyEntry* entry = EntryOf(Sender);
    if (!entry)
        return;
    if (entry->KeyRole == TKeyEntry::SetpointKey) {
        ChangeSelection(*entry);
        PressSetpointKey(*entry);
    } else {
        PressArrow(*entry);
    }
}

void TGraphForm::ChangeSelection(TKeyEntry& pressed)
{
    if (selected_ == &pressed)
        return;
    if (selected_) {
        MainForm->Diagram->DeSelectPoint(selected_->PointNumber);
        if (selected_->Alarm)
            selected_->LedState = TKeyEntry::LedAlarm;
        SetLedIdle(*selected_, selected_->Alarm);
    }
    Light(pressed);
}

void TGraphForm::Light(TKeyEntry& entry)
{
    entry.Led->SetColorIndex(kLedSelected);
    entry.Led->SetEnableBlinking(true);
    MainForm->Diagram->SelectPoint(entry.PointNumber);
}

void TGraphForm::SetLedIdle(TKeyEntry& entry, bool alarmShown)
{
    entry.Led->SetColorIndex(alarmShown ? kLedAlarm : kLedOff);
    entry.Led->SetEnableBlinking(false);
}

void TGraphForm::PressSetpointKey(TKeyEntry& entry)
{
    selected_ = &entry;
    panelMode_ = ModeIdle;
    ShowEntryValue(entry);
    UpDownTimer->SetInterval(kRefresh);
}

void TGraphForm::PressArrow(TKeyEntry& entry)
{
    if (!selected_) {
        ToggleMeasuredDisplay();
        UpDownTimer->SetInterval(kRefresh);
        return;
    }
    const int direction = entry.KeyRole == TKeyEntry::ArrowUp ? 1 : -1;
    int& value = *selected_->Value;
    const bool room = direction > 0 ? value < *selected_->UpperLimit : value > *selected_->LowerLimit;
    if (!room)
        return;
    value += direction;
    ShowEntryValue(*selected_);
    panelMode_ = direction > 0 ? ModeRepeatUp : ModeRepeatDown;
    repeatInterval_ = kFirstRepeat;
    UpDownTimer->SetInterval(kFirstRepeat);
    UpDownTimer->SetEnabled(true);
    MainForm->Diagram->Invalidate();
}

void TGraphForm::KeyMouseUp(QObject*, TMouseButton, TShiftState, int, int)
{
    if (panelMode_ == ModeRepeatUp || panelMode_ == ModeRepeatDown)
        panelMode_ = ModeIdle;
    ButtonTimer->SetInterval(kTimeOut);
    ButtonTimer->SetEnabled(true);
}

void TGraphForm::UpDownTimerTimer(QObject*)
{
    switch (panelMode_) {
    case ModeIdle:
        if (selected_)
            ShowEntryValue(*selected_);
        break;
    case ModeRepeatUp:
        RepeatStep(1);
        break;
    case ModeRepeatDown:
        RepeatStep(-1);
        break;
    case ModeMeasured:
        ShowEntryValue(*display_);
        break;
    default:
        break;
    }
}

void TGraphForm::RepeatStep(int direction)
{
    if (!selected_)
        return;
    int& value = *selected_->Value;
    if (direction > 0 ? value < *selected_->UpperLimit : value > *selected_->LowerLimit) {
        value += direction;
        ShowEntryValue(*selected_);
    }
    if (repeatInterval_ > kFastestRepeat)
        repeatInterval_ -= kRepeatSpeedUp;
    UpDownTimer->SetInterval(repeatInterval_);
    ButtonTimer->SetEnabled(false);
    MainForm->Diagram->Invalidate();
}

void TGraphForm::ButtonTimerTimer(QObject*)
{
    ButtonTimer->SetEnabled(false);
    ShowEntryValue(*display_);
    panelMode_ = ModeMeasured;
    if (!selected_)
        return;
    MainForm->Diagram->DeSelectPoint(selected_->PointNumber);
    SetLedIdle(*selected_, selected_->LedState == TKeyEntry::LedAlarm);
    selected_ = nullptr;
}

void TGraphForm::UpdateAlarmLeds()
{
    TLvdVentDiagram* diagram = MainForm->Diagram;
    const TSetpoints& sp = *diagram->Setpoints();
    for (TKeyEntry& e : keys_) {
        bool active;
        if (e.Value == &sp.MaxAlarm)
            active = diagram->MaxAlarmActive();
        else if (e.Value == &sp.MinAlarm)
            active = diagram->MinAlarmActive();
        else
            continue;
        e.Alarm = active;
        if (active) {
            e.LedState = TKeyEntry::LedAlarm;
            if (!e.Led->EnableBlinking())
                e.Led->SetColorIndex(kLedAlarm);
        } else if (&e == selected_) {
            e.LedState = TKeyEntry::LedSelected;
            e.Led->SetColorIndex(kLedSelected);
            e.Led->SetEnableBlinking(true);
        } else {
            e.LedState = TKeyEntry::LedOff;
            SetLedIdle(e, false);
        }
    }
}

void TGraphForm::ShowEntryValue(const TKeyEntry& entry)
{
    const int v = entry.CurrentValue();
    LCD->SetValue(entry.DecimalsMode == 1 ? QString::number(v) : FormatTenths(v));
}

void TGraphForm::ToggleMeasuredDisplay()
{
    TLvdVentDiagram* diagram = MainForm->Diagram;
    if (LCD->Value().contains(QLatin1Char('.'))) {
        LCD->SetValue(QString::number(diagram->VentilatieStand()));
        display_ = &keys_[8];
    } else {
        LCD->SetValue(FormatTenths(diagram->GemetenTemperatuur()));
        display_ = &keys_[7];
    }
}

QString TGraphForm::FormatTenths(int value) { return ::FormatTenths(value); }
