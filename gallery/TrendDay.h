#pragma once
// A day of house data for the trend graph: a million samples each of the
// temperature (tenths, left axis) and the ventilation position (per cent,
// right axis), and the temperature's target band as a fill series; the
// graph shows the whole day.

class TKivGraph;

void ShowHouseDay(TKivGraph& graph);
