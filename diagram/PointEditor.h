#pragma once
// TPointEditor: the editing of a diagram by mouse and keys. Hovering shows a
// point's label and the hand cursor over editable points; a press on an
// editable point starts its drag with the cursor confined to the point's
// limits, a press on any other point is a click; the release ends the drag
// and reports the setpoint; a key step moves the point under the mouse by
// one unit toward its limit. The moving of a dragged point is the
// subclass's (the curve diagram's).

#include "diagram/DiagramTypes.h"
#include "diagram/PointInfo.h"

class TMasterDiagram;

class TPointEditor {
public:
    explicit TPointEditor(TMasterDiagram& diagram) : d_(diagram) {}

    void MouseMovePosition(int X, int Y);
    // After the control's own mouse-down: a drag or a click.
    void Press(int X, int Y);
    // After the control's own mouse-up: the drag (or the focused display) ends.
    void Release(int X, int Y);
    bool CheckKeyInputValue(TPointInfo& point, TChangeValue change);
    void CalcClipRectRegion(int minX, int minY, int maxY, int maxX);

private:
    void ClearLabelsExcept(const TPointInfo* keep);
    void StartPointDrag(TPointInfo& point, int X, int Y);
    void EndPointDrag(int X, int Y);

    TMasterDiagram& d_;
};
