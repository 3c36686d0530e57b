#pragma once
// A ventilation diagram for the tests: counts its paints, exposes the mouse
// handlers and can be put into the demo window's stored state.

#include "diagram/DiagramSettings.h"
#include "diagram/LvdVentDiagram.h"
#include "support/DemoState.h"

class TVentTestDiagram : public TLvdVentDiagram {
public:
    explicit TVentTestDiagram(QWidget* owner = nullptr) : TLvdVentDiagram(owner) { SetBounds(0, 0, 489, 297); }

    int PaintCount = 0;

    // The values the demo's main window stores for its diagram.
    void ApplyDemoState() { ::ApplyDemoState(*this); }

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
