#include "diagram/CurveSetpoints.h"

#include "diagram/MasterDiagram.h"

TCurveSetpoints::TCurveSetpoints(TMasterDiagram* owner)
    : QObject(owner), owner_(owner), curve_(DefaultCurve())
{
}

TCurveSetpoints::TCurveSetpoints(TMasterDiagram* owner, TCurveStruct* curve)
    : QObject(owner), owner_(owner), curve_(curve ? std::unique_ptr<TCurveStruct>(curve) : DefaultCurve())
{
}

TCurveSetpoints::~TCurveSetpoints() = default;

std::unique_ptr<TCurveStruct> TCurveSetpoints::DefaultCurve()
{
    auto curve = std::make_unique<TCurveStruct>();
    curve->PointCount = TCurveStruct::MaxPoints;
    for (int i = 0; i < TCurveStruct::MaxPoints; ++i) {
        curve->XValues[size_t(i)] = 5 * i;
        curve->YValues[size_t(i)] = 50;
    }
    return curve;
}
