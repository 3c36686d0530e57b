#include "gallery/GrowthCurve.h"

#include "diagram/CurveStruct.h"
#include "diagram/DiagramTypes.h"

#include <cstddef>

TCurveStruct* GrowthCurve(int dayCounter)
{
    auto* c = new TCurveStruct;
    c->DayCounter = dayCounter;
    c->PointCount = 7;
    c->YFloor = 100;
    c->YCeiling = 400;
    c->CurveXValType = vtInteger;
    c->CurveYValType = vtTenths;
    const int xs[] = {0, 7, 14, 21, 35, 49, 70};
    const int ys[] = {320, 300, 270, 240, 210, 190, 180};
    for (int i = 0; i < 7; ++i) {
        c->XValues[std::size_t(i)] = xs[i];
        c->YValues[std::size_t(i)] = ys[i];
    }
    return c;
}
