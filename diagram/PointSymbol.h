#pragma once
// The symbol drawn under the X axis for a point: a picture standing at one X
// value, an arrow from another X value and the value written beside it.

#include "diagram/DiagramTypes.h"
#include "framework/Bitmap.h"
#include "framework/Rect.h"

struct TPointInfo;

struct TPointSymbol {
    TPointSymbol()
    {
        SymbolBitmap.Transparent = true;
        SymbolBitmap.SetTransparentColor(clWhite);
    }

    TValType SymbolType = vtNone; // vtNone: no symbol; vtBitmap: the picture alone
    int* SymbolValue = nullptr;   // written beside the symbol
    int* SymbolFromX = nullptr;   // where the arrow starts
    int* SymbolToX = nullptr;     // where the arrow ends and the picture stands
    int SymbolRow = 0;            // row under the X axis, 20 pixels each
    TBitmap SymbolBitmap;
    int SymbolLeft = 0; // where the picture was last drawn
    int SymbolTop = 0;
    uint8_t ArrowMode = 0; // where the text goes relative to the arrow
    TRect SymbolRect;      // symbol, arrow and text; saved in SymbolBackground
    TPointInfo* SymbolPoint = nullptr;
};
