#pragma once
// Where a point's values live. The value fields refer to integers owned
// elsewhere (a setpoint record, a settings field, a curve element or a field
// of the diagram): moving the point writes through them.

#include "diagram/DiagramTypes.h"

#include <QString>

struct TPointValues {
    int* XValue = nullptr;
    int* YValue = nullptr;
    int OldXValue = 0; // saved when a drag begins
    int OldYValue = 0;
    int* MinX = nullptr; // limits a drag or key step respects
    int* MaxX = nullptr;
    int* MinY = nullptr;
    int* MaxY = nullptr;
    TValType XValType = vtNone;
    // vtNone also marks a point whose Y follows its neighbours (CalcVirtualValues).
    TValType YValType = vtNone;
    QString XUnit; // appended to the X value in the label
    QString YUnit;
};
