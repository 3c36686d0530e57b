#pragma once
// The tick engine: how far apart a scale's ticks and labels stand. Each
// function is one step table; the callers decide how many labels fit.
//   OneTwoFive  widest / 2, / 5, / 2, / 5, ... (a 1-2-5 series below `widest`)
//   Halving     widest / 2, / 4, / 8, ...
//   Days        a halving series of whole multiples of a day unit (7, 28)
//   Minutes     the divisors of a day a time axis labels (1440 down to 1)
//   Hours       a day's minutes for an axis of one day (1440 down to 60)
//   PerCent     per cent of an axis (100, 50, 25, 20, 10)
// Counts of ticks between two limits are held to a most, so that an absurd
// step cannot stall a paint.

namespace ScaleSteps {

// How many labels `label` pixels apart fit on `pixels` showing `span`, at a
// step of `widest`: floor(pixels / span * widest / label + 0.5).
double LabelCount(double pixels, double span, double widest, double label);

// The step that keeps the doubled (or fivefold) count of labels below `count`.
double OneTwoFive(double widest, double count);
double Halving(double widest, double count);
// A halving series over multiples of `unit`, never below one unit.
double Days(double widest, double count, int unit);
// The step in minutes for `count` labels a day.
int Minutes(double count);
// The step in minutes for an axis of one day with room for `count` labels.
int Hours(int count);
// The step in per cent for room for `count` labels.
int PerCent(int count);

// The number of whole steps in `range`: 0 when that is not a number, negative
// or more than `most`.
int StepCount(double range, double step, double most);

} // namespace ScaleSteps
