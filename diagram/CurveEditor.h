#pragma once
// TCurveEditor: how a curve diagram's points move. A drag step restores what
// lay under the point, moves it by the mouse (Ctrl locks it to the axis the
// mouse went further along), lets the values follow the pixels and grows or
// shrinks the axes around it; a key step's point is held to the same range
// and may widen or narrow the X axis by ten days.

#include "diagram/DiagramTypes.h"
#include "diagram/PointInfo.h"
#include "framework/Types.h"

class TCurveDiagram;

class TCurveEditor {
public:
    static constexpr int kXLimit = 999;  // no curve point goes beyond this day
    static constexpr int kMinLeft = -99; // key steps never widen the X axis further left
    static constexpr int kHomeLeft = -5; // the X axis a curve diagram starts with
    static constexpr int kHomeRight = 95;

    explicit TCurveEditor(TCurveDiagram& diagram) : d_(diagram) {}

    void DragStep(TShiftState Shift, int X, int Y);
    // The key-step changes of the X axis for point p; true when it changed.
    bool RescaleXForKey(TPointInfo& p);
    void HoldInCurveRange(TPointInfo& p);

private:
    void LockDrag(TPointInfo& c, int X, int Y, int& dx, int& dy);
    bool RescaleYForDrag(TPointInfo& c);
    bool RescaleXForDrag(TPointInfo& c);
    void ShowDraggedPoint(TPointInfo& c, int dx, int dy);

    TCurveDiagram& d_;
};
