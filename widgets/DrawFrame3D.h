#pragma once
// The component family's bevelled frame: Width rings, each with a light
// top-left edge and a dark bottom-right edge. Rect comes back shrunk by Width
// on every side, so the caller can go on drawing inside the frame.

#include "framework/Canvas.h"
#include "framework/Color.h"
#include "framework/Rect.h"

void DrawFrame3D(TCanvas& Canvas, TRect& Rect, TColor TopColor, int Width, TColor BottomColor);
