#pragma once
// FormatTenths: a temperature (or difference) in tenths of a degree as text
// with exactly one decimal, e.g. 203 -> "20.3", -5 -> "-0.5". The decimal
// separator is always a point, whatever the user's locale, because the
// seven-segment displays only know the point.

#include <QString>

QString FormatTenths(int value);
