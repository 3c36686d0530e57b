#pragma once
// Qt's input to the classic platform's: shift states with the buttons held,
// mouse buttons, and virtual-key codes.

#include "framework/Types.h"

#include <QKeyEvent>

namespace InputMapping {

TShiftState ShiftFrom(Qt::KeyboardModifiers mods, Qt::MouseButtons buttons);
// False for a button the classic platform has no name for.
bool ButtonFrom(Qt::MouseButton button, TMouseButton& out);
// The virtual-key code of a key (0 when there is none).
uint16_t VirtualKey(const QKeyEvent* e);

} // namespace InputMapping
