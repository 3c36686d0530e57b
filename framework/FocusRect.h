#pragma once
// The platform's focus frame: a dotted frame drawn by inverting every other
// pixel of the rectangle's edge (Left..Right-1, Top..Bottom-1), so drawing it
// twice restores the picture.

#include "framework/Canvas.h"

void DrawFocusRect(TCanvas& canvas, const TRect& r);
