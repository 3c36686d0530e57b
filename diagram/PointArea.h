#pragma once
// The hatched area attached to a point: a rectangle in value space whose
// part under (or over) the curve is hatched.

#include "diagram/DiagramTypes.h"
#include "framework/Types.h"

struct TPointArea {
    int* AreaLeft = nullptr; // X values
    int* AreaRight = nullptr;
    int* AreaTop = nullptr; // Y values
    int* AreaBottom = nullptr;
    TBrushStyle AreaBrushStyle = bsClear;
    // A point without a filled-in area draws none, whatever the filling diagram forgot.
    uint8_t AreaKind = akNone;
};
