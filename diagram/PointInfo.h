#pragma once
// One point of a diagram, owned by the diagram's point list. A new record
// holds what TMasterDiagram::CreateNewPoint gives; the filling diagram binds
// the values, editability, area and symbol before the first paint.

#include "diagram/PointArea.h"
#include "diagram/PointSymbol.h"
#include "diagram/PointValues.h"
#include "framework/Bitmap.h"
#include "framework/Color.h"
#include "framework/Rect.h"

#include <QString>

struct TPointInfo {
    int XPixel = 0; // place in the diagram's bitmap
    int YPixel = 0;
    int DragStartX = 0; // mouse position when a drag began
    int DragStartY = 0;
    int PointNumber = 0;
    QString LabelText; // the label last drawn
    QString VarName;   // host variable behind the point
    int NewValue = 0;  // reported with VarName when a drag ends
    bool XEditable = false;
    bool YEditable = false;
    bool MouseOver = false;
    bool Dragging = false;
    bool MouseOverSymbol = false;
    bool SymbolDragging = false;
    bool Fixed = false; // last drawn as a fixed (small, not editable) point
    bool OptionEnabled = true;
    bool CurveOptionEnabled = false; // a click opens a curve; never dragged
    TRect DrawRect;                  // hit and draw rectangle
    uint8_t PointKind = pkPoint;     // 1 or 2: a full-height vertical line instead
    TColor LineColor = clBlack;
    TPenStyle LineStyle = psSolid;
    int LineWidth = 1;
    int SubCommando = 0;
    TBitmap LabelBackground;  // pixels under the label
    TBitmap PointImage;       // the point as last drawn
    TBitmap SymbolBackground; // pixels under the symbol and its arrow
    TPointValues Values;
    TPointArea Area;
    TPointSymbol Symbol;
};
