#pragma once
// The pictures of the drag cursors for a QDrag, which takes cursors only as
// pixmaps: the classic drag cursor (an arrow carrying a dotted sheet), the
// multiple-drag cursor (two sheets) and the no-drop cursor (a barred
// circle). Qt centres a drag cursor on the pointer, so each picture has its
// hot spot in the middle. Other shapes have no picture (null): the platform's
// own move cursor is shown for them.

#include "framework/Types.h"

#include <QPixmap>

QPixmap DragCursorPixmap(TCursor shape);
