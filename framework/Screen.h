#pragma once
// The screen cursor: shape, position and confinement to a rectangle.
// Confinement is emulated: controls clamp mouse positions to the rectangle
// and move the cursor back while it is set.

#include "framework/Rect.h"
#include "framework/Types.h"

#include <QPoint>
#include <optional>

namespace Screen {

void SetCursor(TCursor shape);
TCursor Cursor();
Qt::CursorShape QtCursorShape(TCursor shape);

QPoint CursorPos();
void SetCursorPos(QPoint p);

// Confines the cursor to the rectangle (screen coordinates); nullopt frees it.
void ClipCursor(const std::optional<TRect>& rect);
const std::optional<TRect>& CursorClip();

} // namespace Screen
