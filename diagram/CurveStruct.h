#pragma once
// TCurveStruct: the points of an editable curve over days, owned by whoever
// supplies it (handed over to a TCurveSetpoints, which then frees it).

#include <array>
#include <cstdint>

struct TCurveStruct {
    static constexpr int MaxPoints = 10;

    int32_t DayCounter = 0; // X of the day-counter point
    int32_t SpareValue = 0; // free for the supplier
    uint8_t PointCount = 0; // curve points in use, at most MaxPoints
    int32_t YFloor = 0;     // the Y axis top is lowered only while above this
    int32_t YCeiling = 0;   // highest Y a dragged curve point may take
    uint8_t CurveXValType = 0;
    uint8_t CurveYValType = 0;
    std::array<int32_t, MaxPoints> XValues{};
    std::array<int32_t, MaxPoints> YValues{};
};
