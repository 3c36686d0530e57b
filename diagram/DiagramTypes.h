#pragma once
// Enumerations shared by the diagram records and controls.

#include <cstdint>

// How a value is turned into text (TMasterDiagram::GetValueString). Values
// other than the named ones occur (a point may carry type 3) and give empty text.
enum TValType : uint8_t {
    vtNone = 0,    // empty text; in a symbol record: the point has no symbol
    vtInteger = 1, // whole number
    vtTenths = 2,  // value x 0.1, pattern "0.0"
    vtBitmap = 5,  // empty text; a symbol of this type is its bitmap alone
};

// One step of a keyboard change (TMasterDiagram::CheckKeyInputValue).
enum TChangeValue : uint8_t {
    cvXUp = 1,
    cvXDown = 2,
    cvYUp = 3,
    cvYDown = 4,
};

// What a diagram is doing with the mouse and the focus.
enum TDiagramState : uint8_t {
    dsIdle = 0,       // normal display and hover tracking
    dsFocused = 1,    // has the input focus; shows only its selection frame
    dsDragPoint = 4,  // a point is being dragged
    dsDragSymbol = 5, // a symbol is being dragged
};

// PointKind values of a TPointInfo.
constexpr uint8_t pkPoint = 0;
constexpr uint8_t pkVerticalLine = 1;
constexpr uint8_t pkVerticalLine2 = 2;

// AreaKind values of a TPointArea.
constexpr uint8_t akBelowCurve = 1; // hatch between the curve and the rectangle's bottom
constexpr uint8_t akAboveCurve = 2; // hatch between the rectangle's top and the curve
constexpr uint8_t akNone = 3;
