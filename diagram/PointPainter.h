#pragma once
// TPointPainter: places a diagram's points by their values (and the values
// of dragged points by their pixels), keeps the list in X order, and draws
// the points with the curve through them, the guide lines to the axes, the
// vertical lines and the hatched areas under or over the curve.

#include "diagram/PointInfo.h"
#include "framework/Types.h"

#include <utility>

class TMasterDiagram;

class TPointPainter {
public:
    explicit TPointPainter(TMasterDiagram& diagram) : d_(diagram) {}

    // A point within the axes takes the pixels of its values; one outside
    // keeps those of its last paint.
    void CalcPointInfo(TPointInfo& point);
    // The inverse: the values follow the pixels (a dragged point).
    void CalcSetpointInfo(TPointInfo& point);
    void CalcPointsPixels();
    // Orders the list by XPixel; equal pixels keep their order.
    void SortPointList();
    // Points without a Y value of their own lie on the line between their
    // neighbours that have one, and cannot move vertically.
    void CalcVirtualValues();
    // The hit rectangle: 5 pixels around an editable point, 3 around a fixed
    // one, none for a line.
    void SetDrawPointRect(TPointInfo& point);

    void DrawVerticalLine(int width, TPenStyle style, int value, TColor color);
    // Dotted guides, two pixels thick, from each point to both axes.
    void DrawLinesFromPointsToAxis();
    // The red curve through the plain points, in list order.
    void DrawLinesBetweenPoints();
    void DrawFirstLastHorLinesPoints();
    void DrawFirstLastVertLinesPoints();
    // The first and the last plain point of the list (both null when none is).
    std::pair<const TPointInfo*, const TPointInfo*> OuterPoints() const;
    // Editable points red (blue under the mouse), fixed ones black and
    // small, points overlapping an earlier one aqua, curve options as diamonds.
    void DrawPoints();
    // The hatches between the curve and an area's bottom (or top).
    void DrawArcAreas();

private:
    static bool PointsOverlap(const TRect& a, const TRect& b);
    void DrawOuterLines(bool down);
    void FillAreaSegments(const TPointArea& area, const TRect& r);

    TMasterDiagram& d_;
};
