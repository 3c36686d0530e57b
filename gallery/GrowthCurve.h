#pragma once
// A broiler house's growth curve: the target temperature over the first ten
// weeks, falling from 32.0 to 18.0 degrees, seen on the given day of the
// flock. Shown by the gallery and drawn by the curve diagram's picture tool.

struct TCurveStruct;

// A new record; the curve diagram it is handed to takes it over.
TCurveStruct* GrowthCurve(int dayCounter);
