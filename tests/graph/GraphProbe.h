#pragma once
// A trend graph with its input handlers opened and its view changes counted.

#include "graph/KivGraph.h"

#include <QPoint>
#include <vector>

class ProbeGraph : public TKivGraph {
public:
    using TKivGraph::MouseDown;
    using TKivGraph::MouseMove;
    using TKivGraph::MouseUp;

    std::vector<TRect2D> views; // VisLeftRect at every VisChange
    void VisChange() override { views.push_back(VisLeftRect()); }

    // Press, three moves and release: a drag the graph takes as one.
    void Drag(TMouseButton button, QPoint from, QPoint to)
    {
        const TShiftState held = button == mbLeft ? TShiftState(ssLeft) : TShiftState(ssRight);
        MouseDown(button, held, from.x(), from.y());
        for (int i = 1; i <= 3; ++i)
            MouseMove(held, from.x() + (to.x() - from.x()) * i / 3, from.y() + (to.y() - from.y()) * i / 3);
        MouseUp(button, {}, to.x(), to.y());
    }
    void Click(TMouseButton button, QPoint at)
    {
        MouseDown(button, button == mbLeft ? TShiftState(ssLeft) : TShiftState(ssRight), at.x(), at.y());
        MouseUp(button, {}, at.x(), at.y());
    }
};
