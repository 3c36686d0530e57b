#pragma once
// TDiagramAxes: the layout and the drawing of a diagram's frame, focus
// frame, title and axes with their ticks, grid lines and labels. It works on
// the diagram's layout fields (XOrigin, YOrigin, the axis lengths, AreaRect),
// which CalcAxePositions sets at the start of every paint.

#include "diagram/PointInfo.h"

#include <QString>
#include <functional>
#include <memory>
#include <vector>

class TMasterDiagram;

class TDiagramAxes {
public:
    explicit TDiagramAxes(TMasterDiagram& diagram) : d_(diagram) {}

    void CalcAxePositions(const std::vector<std::unique_ptr<TPointInfo>>& points);
    // Label steps in per cent of an axis, and in minutes of a day, for the
    // number of labels that fit.
    static int CalcSteps(int count);
    static int CalcHourSteps(int count);

    // The frame with the title; the focused display's dash-dot frame with handles.
    void PaintKader();
    void PaintFocus();
    // Y axes in per cent of the value range, or in hours of a day (hh:mm).
    void DrawNormalYAxis();
    void DrawTimeYAxis();
    // One division at height y: tick, minor ticks, grid line and label.
    void DrawYDivision(int y, int step, int lh, const QString& label);
    void PrepareYAxisPen();
    // The Y axis of its kind and its rotated title.
    void DrawYAxisLabels();
    // Ticks, grid and labels of the X axis (none at the origin), and its title.
    void DrawXAxisLabels();
    // The two axis lines, 2 pixels wide.
    void DrawXYAxis();

private:
    void DrawYDivisions(int range, int (*steps)(int), const std::function<QString(int)>& label);

    TMasterDiagram& d_;
};
