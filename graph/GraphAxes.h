#pragma once
// TGraphAxes: the trend graph's title, grid and axis labels and the frame
// of its plot. Y labels stand one text height apart at the finest step that
// allows it, X labels by the axis type (minutes of a day, days, numbers);
// the left axis draws the horizontal grid, the X axis the vertical one.

#include "framework/Canvas.h"
#include "graph/KivGraph.h"
#include "graph/GraphFrame.h"

class TGraphAxes {
public:
    TGraphAxes(const TKivGraph& graph, TCanvas& canvas) : g_(graph), c_(canvas) {}

    static GraphFrame::Border Border(TKivGraph::TGraphBorderStyle style);

    // Everything above, within the outer rectangle.
    void DrawGridAndNumbers(const TRect& outer);

private:
    void DrawTitle(const TRect& outer);
    void DrawYAxis(const TRect2D& r, bool right);
    void DrawXAxis();
    void DrawXDivision(double v, const QString& templ);

    const TKivGraph& g_;
    TCanvas& c_;
};
