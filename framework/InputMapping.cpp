#include "framework/InputMapping.h"

#include <utility>

namespace InputMapping {

TShiftState ShiftFrom(Qt::KeyboardModifiers mods, Qt::MouseButtons buttons)
{
    static constexpr std::pair<Qt::KeyboardModifier, TShiftStateFlag> keys[] = {
        {Qt::ShiftModifier, ssShift}, {Qt::AltModifier, ssAlt}, {Qt::ControlModifier, ssCtrl}};
    static constexpr std::pair<Qt::MouseButton, TShiftStateFlag> held[] = {
        {Qt::LeftButton, ssLeft}, {Qt::RightButton, ssRight}, {Qt::MiddleButton, ssMiddle}};
    TShiftState s;
    for (const auto& [mod, flag] : keys)
        if (mods & mod)
            s |= flag;
    for (const auto& [button, flag] : held)
        if (buttons & button)
            s |= flag;
    return s;
}

bool ButtonFrom(Qt::MouseButton button, TMouseButton& out)
{
    switch (button) {
    case Qt::LeftButton: out = mbLeft; return true;
    case Qt::RightButton: out = mbRight; return true;
    case Qt::MiddleButton: out = mbMiddle; return true;
    default: return false;
    }
}

uint16_t VirtualKey(const QKeyEvent* e)
{
    const int k = e->key();
    switch (k) {
    case Qt::Key_Backspace: return VK::Back;
    case Qt::Key_Tab: return VK::Tab;
    case Qt::Key_Clear: return VK::Clear;
    case Qt::Key_Return:
    case Qt::Key_Enter: return VK::Return;
    case Qt::Key_Shift: return VK::Shift;
    case Qt::Key_Control: return VK::Control;
    case Qt::Key_Alt: return VK::Menu;
    case Qt::Key_Escape: return VK::Escape;
    case Qt::Key_Space: return VK::Space;
    case Qt::Key_PageUp: return VK::Prior;
    case Qt::Key_PageDown: return VK::Next;
    case Qt::Key_End: return VK::End;
    case Qt::Key_Home: return VK::Home;
    case Qt::Key_Left: return VK::Left;
    case Qt::Key_Up: return VK::Up;
    case Qt::Key_Right: return VK::Right;
    case Qt::Key_Down: return VK::Down;
    case Qt::Key_Insert: return VK::Insert;
    case Qt::Key_Delete: return VK::Delete;
    default: break;
    }
    if (k >= Qt::Key_F1 && k <= Qt::Key_F24)
        return uint16_t(VK::F1 + (k - Qt::Key_F1));
    if ((k >= Qt::Key_0 && k <= Qt::Key_9) || (k >= Qt::Key_A && k <= Qt::Key_Z))
        return uint16_t(k);
    if (k == Qt::Key_Plus)
        return VK::Add;
    if (k == Qt::Key_Minus)
        return VK::Subtract;
    return 0;
}

} // namespace InputMapping
