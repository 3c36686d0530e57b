#pragma once
// Cutting a top-level window to a region. The region is the window's mask:
// on X11 the server cuts the window to it, but XWayland hands the whole
// window to the Wayland compositor, and Wayland itself takes the region for
// input only. So on both the window is also translucent and its controls
// paint nothing outside the region: what lies behind stays in view. On plain
// X11 and off screen (pictures, tests) the mask alone.

#include <QRegion>

class QPainter;
class QWidget;

namespace WindowShape {

// Sets the region (window coordinates) as the window's shape.
void Apply(QWidget* window, const QRegion& region);
// Keeps a painter on control to the part of it inside its window's shape,
// where the platform needs that (see above); elsewhere it does nothing.
void ClipToShape(QPainter& painter, const QWidget* control);

} // namespace WindowShape
