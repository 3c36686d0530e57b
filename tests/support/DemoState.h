#pragma once
// The demo main window's ventilation diagram and thermometer as the main window
// shows them: the one definition that tests, picture tools and
// benchmarks start from. A test in tests/app checks it against the real
// main window, so the two cannot drift apart.

#include "diagram/DiagramSettings.h"
#include "diagram/LvdVentDiagram.h"
#include "widgets/VrThermoMeter.h"

inline void ApplyDemoState(TLvdVentDiagram& d)
{
    d.SetBounds(d.Left(), d.Top(), 489, 297);
    TDiagramSettings& ds = *d.DiagramSettings();
    ds.SetShowPointValues(true);
    ds.SetShowSymbols(true);
    ds.SetMaxXValue(500);
    ds.SetMaxYValue(100);
    TSetpoints& s = *d.Setpoints();
    s.SetMinAlarm(100);
    s.SetMaxAlarm(360);
    s.SetBandbreedte(60);
    s.SetStreefTemp(185);
    s.SetVerwarmVerschil(30);
    s.SetMengAbsoluut(0);
    s.SetMengVerschil(0);
    d.SetGemetenTemperatuur(203);
    d.SetVentilatieStand(37);
}

// With the 0..50 scale the window's show event gives it. The value column is
// the caller's: the window sets it from the temperature.
inline void ApplyDemoState(TvrThermoMeter& t)
{
    t.SetBounds(t.Left(), t.Top(), 89, 153);
    t.SetColor(clBtnFace);
    t.SetColorAfter(clBtnFace);
    t.SetCaption(QStringLiteral("vrThermoMeter"));
    t.Font()->SetName(QStringLiteral("Arial"));
    t.Font()->SetColor(clBlack);
    t.Font()->SetHeight(-13);
    t.Font()->SetStyle({});
    TvrThermoMeterScale* s = t.Scale();
    s->SetColor(clBlack);
    s->SetFormatText(QStringLiteral("%s"));
    s->SetOffset(20);
    s->SetHeightMax(14);
    s->SetHeightMin(8);
    s->SetMax(50);
    s->SetMin(0);
    s->SetStep(10);
    s->SetSmallStep(2);
    for (TVrLiniarIndicator* m : {t.SetPoint(), t.PeakMin(), t.PeakMax(), t.Value()})
        m->SetVisible(false);
    t.Value()->SetShape(TVrLiniarIndicator::voLine);
    t.Value()->SetColor(clAqua);
}
