#pragma once
// TPointOptions: a diagram's points configured from a table of point
// options: whether each point is shown, its command number, whether it is
// a curve option (then not draggable) and its symbol picture. Disabled
// points are dropped, the symbols below them move up, and the X range widens
// until it holds every remaining point.

#include "diagram/PointInfo.h"

class TDataTable;
class TMasterDiagram;

class TPointOptions {
public:
    explicit TPointOptions(TMasterDiagram& diagram) : d_(diagram) {}

    // Reads "VarName", "OptionEnabled", "BitmapName" and the optional
    // "SubCommando", "CurveOptionEnabled".
    void FillPointOptions(TDataTable& table);

private:
    void ApplyPointOption(TPointInfo& point, TDataTable& table, bool hasSubCommando, bool hasCurveOption);
    void RemoveDisabledPoints();
    void WidenXRange();

    TMasterDiagram& d_;
};
