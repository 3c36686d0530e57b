#pragma once
// TSymbolPainter: the value labels over a diagram's points and the symbols
// under its X axis (an arrow from one X value to a picture at another, with
// the difference written beside it, or a picture alone), each with a copy of
// what it covers so that it can be taken away again.

#include "diagram/PointInfo.h"

class TFontBitmaps;
class TMasterDiagram;

class TSymbolPainter {
public:
    explicit TSymbolPainter(TMasterDiagram& diagram) : d_(diagram) {}

    // Labels of every point when all values are shown, else of those under the mouse.
    void DrawPointLabels();
    // A white box with "x ; y" and their units over the point; show: to the screen at once.
    void DrawPointLabel(TPointInfo& point, bool show);
    // Puts back what the label covered.
    void ClearPointLabel(TPointInfo& point);
    // A bar at fromX, a shaft at y and a head at toX.
    void DrawArrow(int fromX, int toX, int y);
    void DrawSymbols();
    void DrawSymbols(TPointInfo& point, bool show);
    // Puts back what the symbol covered.
    void ClearArrowArea(TPointInfo& point);
    // The point's X value in the small glyphs, right-aligned in its day-counter picture.
    static void FillDayBitmap(TPointInfo& point, const TFontBitmaps& fonts);

private:
    int SymbolRowTop(const TPointInfo& point);
    void DrawValueSymbol(TPointInfo& point, int top);

    TMasterDiagram& d_;
};
