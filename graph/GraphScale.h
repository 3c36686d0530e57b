#pragma once
// The axis arithmetic of the trend graph: how far apart grid lines and labels
// are, where the first one lies, and how an X value reads as a label. Steps
// start at 300000, the widest span a view may have, and are refined while the
// labels stay at least one label size apart.

#include "graph/AxisType.h"

#include <QString>

namespace GraphScale {

// Value step for a plot extent of `pixels` showing `span` with labels `label` pixels apart.
double ValueStep(double pixels, double span, int label);
// The first grid value of an axis that starts at `min`.
double FirstValue(double min, double step);
// X steps: minutes of a day, day counts (unit 7 or 28), and the rest.
int MinuteStep(double pixels, double span, double label);
double DayStep(double pixels, double span, double label, int unit);
double NumberStep(double pixels, double span, double label);
// The label template width's text for an X axis.
QString XTemplate(TAxisType type, double xMin, double xMax);
// The gap divisor of DrawLines: 0 means no gap detection.
int GapDivisor(TAxisType type);

QString FormatTextString(TAxisType type, long double x);
// Value label: fixed notation without decimals, or tenths with one decimal.
QString ValueLabel(double v, bool tenths);

} // namespace GraphScale
