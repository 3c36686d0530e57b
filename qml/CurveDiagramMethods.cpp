#include "qml/CurveDiagramMethods.h"

#include "diagram/CurveDiagram.h"
#include "diagram/CurveStruct.h"
#include "diagram/DiagramTypes.h"
#include "diagram/PointInfo.h"
#include "framework/Exception.h"
#include "qml/QmlArguments.h"
#include "qml/QuilItem.h"

#include <algorithm>

QuilCurveDiagramMethods::QuilCurveDiagramMethods(QObject* parent) : QObject(parent)
{
    connect(&Diagram(), &TCurveDiagram::AfterCurveChanged, this, &QuilCurveDiagramMethods::curveChanged);
}

TCurveDiagram& QuilCurveDiagramMethods::Diagram() const
{
    return *static_cast<TCurveDiagram*>(static_cast<QuilItem*>(parent())->Component());
}

int QuilCurveDiagramMethods::DayCounter() const { return Diagram().Curve().DayCounter; }

void QuilCurveDiagramMethods::SetDayCounter(int value)
{
    if (DayCounter() == value && TCurveDiagram::AllDagenTeller == value)
        return;
    Diagram().Curve().DayCounter = value;
    TCurveDiagram::AllDagenTeller = value;
    Diagram().Invalidate();
    emit dayCounterChanged();
}

int QuilCurveDiagramMethods::PointCount() const
{
    return std::min<int>(Diagram().Curve().PointCount, TCurveStruct::MaxPoints);
}

void QuilCurveDiagramMethods::setCurve(const QList<int>& days, const QList<int>& values, int valueFloor,
                                      int valueCeiling, bool tenths)
{
    if (days.size() != values.size() || days.size() > TCurveStruct::MaxPoints) {
        ThrowQmlError(parent(), QStringLiteral("CurveDiagram.setCurve: %1 days and %2 values; a curve holds as many "
                                               "of each, at most %3")
                                    .arg(days.size()).arg(values.size()).arg(TCurveStruct::MaxPoints));
        return;
    }
    TCurveStruct& curve = Diagram().Curve();
    curve.PointCount = uint8_t(days.size());
    curve.YFloor = valueFloor;
    curve.YCeiling = valueCeiling;
    curve.CurveXValType = vtInteger;
    curve.CurveYValType = tenths ? vtTenths : vtInteger;
    for (int i = 0; i < TCurveStruct::MaxPoints; ++i) {
        curve.XValues[size_t(i)] = i < days.size() ? days[i] : 0;
        curve.YValues[size_t(i)] = i < values.size() ? values[i] : 0;
    }
    Rebuild();
    emit curveChanged();
}

void QuilCurveDiagramMethods::Rebuild()
{
    TCurveDiagram& d = Diagram();
    d.EmptyPointInfoList();
    d.CurrentPoint = nullptr;
    d.CreateDiagramPoints(d.Curve());
    d.FillPointInfoList();
    d.Invalidate();
}

TPointInfo* QuilCurveDiagramMethods::PointAt(int point, const char* method) const
{
    if (point >= 0 && point < PointCount()) {
        const int32_t* day = &Diagram().Curve().XValues[size_t(point)];
        for (const auto& p : Diagram().PointList)
            if (p->Values.XValue == day)
                return p.get();
    }
    ThrowQmlError(parent(), QStringLiteral("CurveDiagram.%1: no point %2 (the curve has %3)")
                                .arg(QLatin1String(method)).arg(point).arg(PointCount()));
    return nullptr;
}

int QuilCurveDiagramMethods::pointDay(int point) const
{
    return PointAt(point, "pointDay") ? Diagram().Curve().XValues[size_t(point)] : 0;
}

int QuilCurveDiagramMethods::pointValue(int point) const
{
    return PointAt(point, "pointValue") ? Diagram().Curve().YValues[size_t(point)] : 0;
}

void QuilCurveDiagramMethods::insertPoint(int day, int value)
{
    TCurveDiagram& d = Diagram();
    d.MouseXValue = day;
    d.MouseYValue = value;
    try {
        d.InsertPoint();
    } catch (const Exception& e) {
        ThrowQmlError(parent(), QStringLiteral("CurveDiagram.insertPoint: ") + e.Message);
        return;
    }
    d.Invalidate();
}

void QuilCurveDiagramMethods::deletePoint(int point)
{
    if (!PointAt(point, "deletePoint"))
        return;
    selectPoint(point);
    Diagram().DeletePoint();
    Diagram().Invalidate();
}

void QuilCurveDiagramMethods::selectPoint(int point)
{
    TPointInfo* chosen = point == -1 ? nullptr : PointAt(point, "selectPoint");
    if (point != -1 && !chosen)
        return;
    for (const auto& p : Diagram().PointList)
        p->MouseOver = p.get() == chosen;
    Diagram().CurrentPoint = chosen;
    Diagram().Invalidate();
}

int QuilCurveDiagramMethods::selectedPoint() const
{
    const TCurveStruct& curve = Diagram().Curve();
    for (const auto& p : Diagram().PointList)
        for (int i = 0; p->MouseOver && i < PointCount(); ++i)
            if (p->Values.XValue == &curve.XValues[size_t(i)])
                return i;
    return -1;
}

void QuilCurveDiagramMethods::changeDiagramValue(int change)
{
    if (change < cvXUp || change > cvYDown) {
        ThrowQmlError(parent(), QStringLiteral("CurveDiagram.changeDiagramValue: %1 is no step (1 to 4)").arg(change));
        return;
    }
    Diagram().ChangeDiagramValue(TChangeValue(change));
    Diagram().Invalidate();
}

QPoint QuilCurveDiagramMethods::pointPosition(int point) const
{
    const TPointInfo* p = PointAt(point, "pointPosition");
    return p ? QPoint(p->XPixel, p->YPixel) : QPoint();
}
