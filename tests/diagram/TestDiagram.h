#pragma once
// A small diagram for the master diagram tests: a handful of points whose
// values live in the diagram itself, painted in the order every diagram uses.

#include "diagram/DiagramSettings.h"
#include "diagram/MasterDiagram.h"

#include <array>

class TTestDiagram : public TMasterDiagram {
public:
    explicit TTestDiagram(QWidget* owner = nullptr) : TMasterDiagram(owner) { SetBounds(0, 0, 489, 297); }

    static constexpr int MaxPoints = 8;
    std::array<int, MaxPoints> X{};
    std::array<int, MaxPoints> Y{};
    std::array<int, MaxPoints> MinX{};
    std::array<int, MaxPoints> MaxX{};
    std::array<int, MaxPoints> MinY{};
    std::array<int, MaxPoints> MaxY{};
    int PaintCount = 0;

    // Adds a point at (x, y) that may move within the axes when editable.
    TPointInfo& AddPoint(int x, int y, bool editable)
    {
        const int i = CreateNewPoint();
        TPointInfo& p = *PointList[size_t(i)];
        X[size_t(i)] = x;
        Y[size_t(i)] = y;
        MinX[size_t(i)] = DiagramSettings()->MinXValue;
        MaxX[size_t(i)] = DiagramSettings()->MaxXValue;
        MinY[size_t(i)] = DiagramSettings()->MinYValue;
        MaxY[size_t(i)] = DiagramSettings()->MaxYValue;
        p.PointNumber = i;
        p.Values.XValue = &X[size_t(i)];
        p.Values.YValue = &Y[size_t(i)];
        p.Values.MinX = &MinX[size_t(i)];
        p.Values.MaxX = &MaxX[size_t(i)];
        p.Values.MinY = &MinY[size_t(i)];
        p.Values.MaxY = &MaxY[size_t(i)];
        p.Values.XValType = vtTenths;
        p.Values.YValType = vtInteger;
        p.XEditable = editable;
        p.YEditable = editable;
        return p;
    }

    // Lays out and places the points as a paint would, without drawing.
    void Layout()
    {
        CalcAxePositions(PointList);
        CalcPointsPixels();
    }

    using TMasterDiagram::MouseUp;

protected:
    void Paint() override
    {
        ++PaintCount;
        RunPaintContract([this] {
            CalcAxePositions(PointList);
            CalcPointsPixels();
            DrawArcAreas();
            DrawYAxisLabels();
            DrawXAxisLabels();
            DrawXYAxis();
            DrawLinesFromPointsToAxis();
            DrawLinesBetweenPoints();
            DrawPoints();
            DrawPointLabels();
            DrawSymbols();
        });
    }
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override { MDown(Button, Shift, X, Y); }
    void MouseMove(TShiftState Shift, int X, int Y) override { MMove(Shift, X, Y); }
};
