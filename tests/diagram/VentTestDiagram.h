#pragma once
// A ventilation diagram for the tests: counts its paints, exposes the mouse
// handlers and can be put into the demo window's stored state.

#include "diagram/DiagramSettings.h"
#include "diagram/LvdVentDiagram.h"

class TVentTestDiagram : public TLvdVentDiagram {
public:
    explicit TVentTestDiagram(QWidget* owner = nullptr) : TLvdVentDiagram(owner) { SetBounds(0, 0, 489, 297); }

    int PaintCount = 0;

    // The values the demo's main window stores for its diagram.
    void ApplyDemoState()
    {
        TDiagramSettings& ds = *DiagramSettings();
        ds.SetShowPointValues(true);
        ds.SetShowSymbols(true);
        ds.SetMaxXValue(500);
        ds.SetMaxYValue(100);
        TSetpoints& s = *Setpoints();
        s.SetMinAlarm(100);
        s.SetMaxAlarm(360);
        s.SetBandbreedte(60);
        s.SetStreefTemp(185);
        s.SetVerwarmVerschil(30);
        s.SetMengAbsoluut(0);
        s.SetMengVerschil(0);
        SetGemetenTemperatuur(203);
        SetVentilatieStand(37);
    }

    // The point that carries a setpoint number, or null.
    TPointInfo* Point(int number) const
    {
        for (const auto& p : PointList)
            if (p->PointNumber == number)
                return p.get();
        return nullptr;
    }

    using TLvdVentDiagram::MouseDown;
    using TLvdVentDiagram::MouseMove;

protected:
    void Paint() override
    {
        ++PaintCount;
        TLvdVentDiagram::Paint();
    }
};
