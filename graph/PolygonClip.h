#pragma once
// Clips a polygon to a rectangle (Sutherland-Hodgman), in data-to-pixel
// coordinates held as doubles, so that a fill series zoomed far in is filled
// over the plot only, not over a picture the size of its whole extent.
// Callers give a rectangle slightly larger than what is visible: the edges
// the clipping adds along it then stay out of sight.

#include <QPointF>
#include <QRectF>
#include <vector>

std::vector<QPointF> ClipPolygon(const std::vector<QPointF>& polygon, const QRectF& rect);
