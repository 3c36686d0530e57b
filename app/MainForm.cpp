#include "app/MainForm.h"

#include "app/FormatTenths.h"
#include "app/GraphForm.h"
#include "app/Generalfunctions.h"
#include "app/JPEGImage.h"
#include "app/RegisterApp.h"
#include "app/VentThread.h"
#include "diagram/LvdVentDiagram.h"
#include "framework/Application.h"
#include "framework/GroupBox.h"
#include "framework/Image.h"
#include "framework/Panel.h"
#include "framework/SpeedButton.h"
#include "widgets/GSpin.h"
#include "widgets/LCD99.h"
#include "widgets/VrRocker.h"
#include "widgets/VrThermoMeter.h"

#include <functional>
#include <utility>

TMainForm* MainForm = nullptr;


TMainForm::TMainForm(QWidget* owner) : TForm(WithAppComponents(owner))
{
    LoadFromResource(QStringLiteral(":/forms/MainForm.dfm"));
    FindControls();
    NameControls();
    Image5->SetPictureImage(TJPEGImage::LoadFromResource(QStringLiteral(":/bitmaps/QUILLOGO.jpg")));
    SetLeft(418);
    SetTop(20);
    SetLimits();
    ReadSettings();
    SetRockersFromOptions();
    MainForm = this;
}

TMainForm::~TMainForm()
{
    DoDestroy();
    if (MainForm == this)
        MainForm = nullptr;
}

void TMainForm::FindControls()
{
    TopPanel = FindChild<TPanel>(QStringLiteral("TopPanel"));
    CloseButton = FindChild<TSpeedButton>(QStringLiteral("CloseButton"));
    Image5 = FindChild<TImage>(QStringLiteral("Image5"));
    Diagram = FindChild<TLvdVentDiagram>(QStringLiteral("Diagram"));
    Panel1 = FindChild<TPanel>(QStringLiteral("Panel1"));
    vrThermoMeter = FindChild<TvrThermoMeter>(QStringLiteral("vrThermoMeter"));
    MaxAlarmOn = FindChild<TImage>(QStringLiteral("MaxAlarmOn"));
    KoelingOn = FindChild<TImage>(QStringLiteral("KoelingOn"));
    VerwarmingOn = FindChild<TImage>(QStringLiteral("VerwarmingOn"));
    MinAlarmOn = FindChild<TImage>(QStringLiteral("MinAlarmOn"));
    LCD991 = FindChild<TLCD99>(QStringLiteral("LCD991"));
    GSpin1 = FindChild<TGSpin>(QStringLiteral("GSpin1"));
    GroupBox1 = FindChild<TGroupBox>(QStringLiteral("GroupBox1"));
    Image1 = FindChild<TImage>(QStringLiteral("Image1"));
    VrRocker1 = FindChild<TVrRocker>(QStringLiteral("VrRocker1"));
    Image2 = FindChild<TImage>(QStringLiteral("Image2"));
    Image3 = FindChild<TImage>(QStringLiteral("Image3"));
    VrRocker2 = FindChild<TVrRocker>(QStringLiteral("VrRocker2"));
    Image4 = FindChild<TImage>(QStringLiteral("Image4"));
}

// What a screen reader calls the controls: their job in this window.
void TMainForm::NameControls()
{
    const std::pair<QWidget*, const char*> names[] = {
        {Diagram, "Ventilation diagram"},
        {vrThermoMeter, "House thermometer"},
        {LCD991, "Measured temperature"},
        {GSpin1, "Measured temperature control"},
        {VrRocker1, "Heating (upper) or cooling (lower)"},
        {VrRocker2, "Ventilation curve (upper) or heating curve (lower)"},
        {MaxAlarmOn, "Maximum temperature alarm"},
        {MinAlarmOn, "Minimum temperature alarm"},
        {KoelingOn, "Cooling on"},
        {VerwarmingOn, "Heating on"},
        {Image1, "Heating"},
        {Image2, "Cooling"},
        {Image3, "Ventilation curve"},
        {Image4, "Heating curve"},
        {Image5, "Logo"},
    };
    for (const auto& [control, name] : names)
        control->setAccessibleName(QString::fromUtf8(name));
}

void TMainForm::SetLimits()
{
    StreefTempLowerLimit = 60;
    StreefTempUpperLimit = 500;
    MinPositieLowerLimit = 0;
    MaxPositieUpperLimit = 100;
    BandbreedteLowerLimit = 0;
    BandbreedteUpperLimit = 100;
    VerwarmVerschilLowerLimit = 0;
    VerwarmVerschilUpperLimit = 60;
    MinAlarmLowerLimit = 0;
    MinAlarmUpperLimit = 500;
    MaxAlarmLowerLimit = 0;
    MaxAlarmUpperLimit = 500;
}

void TMainForm::ReadSettings()
{
    TSetpoints* sp = Diagram->Setpoints();
    TLvdVentDiagram* d = Diagram;
    using Feed = std::function<void(const QVariant&)>;
    // Read at start in this order; an absent name keeps the layout's value.
    const std::pair<const char*, Feed> settings[] = {
        {"MINALARM", [sp](const QVariant& v) { sp->SetMinAlarm(VariantToInt(v)); }},
        {"MAXALARM", [sp](const QVariant& v) { sp->SetMaxAlarm(VariantToInt(v)); }},
        {"BANDBREEDTE", [sp](const QVariant& v) { sp->SetBandbreedte(VariantToInt(v)); }},
        {"STREEFTEMP", [sp](const QVariant& v) { sp->SetStreefTemp(VariantToInt(v)); }},
        {"GEMETENTEMP", [d](const QVariant& v) { d->SetGemetenTemperatuur(VariantToInt(v)); }},
        {"KOELVERSCHIL", [sp](const QVariant& v) { sp->SetKoelVerschil(VariantToInt(v)); }},
        {"VERWARMVERSCHIL", [sp](const QVariant& v) { sp->SetVerwarmVerschil(VariantToInt(v)); }},
        {"MINPOSITIE", [sp](const QVariant& v) { sp->SetMinPositie(VariantToInt(v)); }},
        {"MAXPOSITIE", [sp](const QVariant& v) { sp->SetMaxPositie(VariantToInt(v)); }},
        {"OPTIEVENTILATIE", [d](const QVariant& v) { d->SetOptieVentilatie(VariantToBool(v)); }},
        {"OPTIEKOELING", [d](const QVariant& v) { d->SetOptieKoeling(VariantToBool(v)); }},
    };
    for (const auto& [name, feed] : settings) {
        if (!RegistryValueExists(QLatin1String(name)))
            continue;
        QVariant value;
        ReadRegistryValue(QLatin1String(name), value);
        feed(value);
    }
}

void TMainForm::WriteSettings()
{
    const TSetpoints* sp = Diagram->Setpoints();
    // Written at close in this order: the integers, then the two options;
    // one save of the key, so closing does not wait for eleven disk syncs.
    WriteRegistryValues({
        {QStringLiteral("MAXALARM"), qint32(sp->MaxAlarm)},
        {QStringLiteral("MINALARM"), qint32(sp->MinAlarm)},
        {QStringLiteral("BANDBREEDTE"), qint32(sp->Bandbreedte)},
        {QStringLiteral("STREEFTEMP"), qint32(sp->StreefTemp)},
        {QStringLiteral("KOELVERSCHIL"), qint32(sp->KoelVerschil)},
        {QStringLiteral("VERWARMVERSCHIL"), qint32(sp->VerwarmVerschil)},
        {QStringLiteral("MINPOSITIE"), qint32(sp->MinPositie)},
        {QStringLiteral("MAXPOSITIE"), qint32(sp->MaxPositie)},
        {QStringLiteral("GEMETENTEMP"), qint32(Diagram->GemetenTemperatuur())},
        {QStringLiteral("OPTIEVENTILATIE"), Diagram->OptieVentilatie()},
        {QStringLiteral("OPTIEKOELING"), Diagram->OptieKoeling()},
    });
}

void TMainForm::SetRockersFromOptions()
{
    if (Diagram->OptieKoeling())
        VrRocker1->SetState(TVrRocker::stLowerDown);
    if (!Diagram->OptieVentilatie())
        VrRocker2->SetState(TVrRocker::stLowerDown);
}

void TMainForm::ShowMeasuredTemperature()
{
    LCD991->SetValue(FormatTenths(Diagram->GemetenTemperatuur()));
    vrThermoMeter->Value()->SetValue(Diagram->GemetenTemperatuur() * 0.1);
}

void TMainForm::FormShow(QObject*)
{
    TvrThermoMeterScale* scale = vrThermoMeter->Scale();
    scale->SetMax(50);
    scale->SetMin(0);
    scale->SetStep(10);
    scale->SetSmallStep(2);
    vrThermoMeter->Value()->SetValue(Diagram->GemetenTemperatuur() * 0.1);
    if (GraphForm)
        GraphForm->show();
    GSpin1->SetValue(Diagram->GemetenTemperatuur());
    LCD991->SetValue(FormatTenths(Diagram->GemetenTemperatuur()));
    // A window can be shown more than once; one fan thread is enough.
    if (!ventThread_)
        ventThread_ = std::make_unique<TVentThread>();
}

void TMainForm::FormDestroy(QObject*)
{
    if (ventThread_)
        ventThread_->Stop();
    try {
        WriteSettings();
    } catch (const std::exception& e) {
        // The window goes away regardless; the user learns that the
        // settings were not kept.
        TApplication::HandleException(e);
    }
    // The thread may be inside its synchronous step or about to enter it:
    // wait (serving that step) so that no cycle outlives the diagram.
    ventThread_.reset();
}

void TMainForm::GSpin1UpClick(QObject*)
{
    Diagram->SetGemetenTemperatuur(GSpin1->Value());
    ShowMeasuredTemperature();
}

void TMainForm::GSpin1DownClick(QObject*)
{
    Diagram->SetGemetenTemperatuur(GSpin1->Value());
    ShowMeasuredTemperature();
}

void TMainForm::VrRocker1LowerClick(QObject*) { Diagram->SetOptieKoeling(true); }

void TMainForm::VrRocker1UpperClick(QObject*) { Diagram->SetOptieKoeling(false); }

void TMainForm::VrRocker2UpperClick(QObject*) { Diagram->SetOptieVentilatie(true); }

void TMainForm::VrRocker2LowerClick(QObject*) { Diagram->SetOptieVentilatie(false); }

void TMainForm::DiagramStatusChanged(QObject*)
{
    MinAlarmOn->SetVisible(Diagram->MinAlarmActive());
    MaxAlarmOn->SetVisible(Diagram->MaxAlarmActive());
    if (Diagram->OptieKoeling()) {
        KoelingOn->SetVisible(Diagram->HeatCoolActive());
        VerwarmingOn->SetVisible(false);
    } else {
        VerwarmingOn->SetVisible(Diagram->HeatCoolActive());
        KoelingOn->SetVisible(false);
    }
    if (GraphForm)
        GraphForm->UpdateAlarmLeds();
}

void TMainForm::CloseButtonClick(QObject*) { Close(); }

QString TMainForm::FormatTenths(int value) { return ::FormatTenths(value); }
