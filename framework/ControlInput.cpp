#include "framework/ControlInput.h"

#include "framework/Control.h"
#include "framework/ControlDrag.h"
#include "framework/DragOperation.h"
#include "framework/InputMapping.h"
#include "framework/Screen.h"

#include <QMouseEvent>
#include <algorithm>

using namespace InputMapping;

namespace {

// The event's position, held within the cursor's confinement (which moves
// the cursor back).
QPoint ConfinedPosition(TControl& control, QMouseEvent* event)
{
    QPoint local = event->position().toPoint();
    const auto clip = Screen::CursorClip();
    if (!clip)
        return local;
    const QPoint global = control.mapToGlobal(local);
    const QPoint clamped(std::clamp(global.x(), clip->Left, clip->Right - 1),
                         std::clamp(global.y(), clip->Top, clip->Bottom - 1));
    if (clamped != global)
        Screen::SetCursorPos(clamped);
    return control.mapFromGlobal(clamped);
}

} // namespace

void TControlInput::Press(TControl& control, QMouseEvent* event)
{
    TMouseButton b;
    if (!ButtonFrom(event->button(), b))
        return;
    if (control.focusPolicy() != Qt::NoFocus && !control.hasFocus())
        control.setFocus(Qt::MouseFocusReason);
    if (b == mbLeft)
        control.leftDown_ = true;
    const QPoint p = ConfinedPosition(control, event);
    control.lastMouse_ = p;
    // An automatic drag takes the press: the control sees no mouse-down.
    if (b == mbLeft && control.dragMode_ == dmAutomatic && !control.state_.testFlag(csDesigning)) {
        control.BeginDrag(false);
        return;
    }
    control.MouseDown(b, ShiftFrom(event->modifiers(), event->buttons()), p.x(), p.y());
    control.AfterInput();
}

void TControlInput::Move(TControl& control, QMouseEvent* event)
{
    const QPoint p = ConfinedPosition(control, event);
    control.lastMouse_ = p;
    if (control.Dragging()) {
        if ((event->buttons() & Qt::LeftButton) && TDragOperation::Current()->Pending() &&
            TDragOperation::Current()->PastThreshold(p))
            TControlDrag::Run(control);
        return;
    }
    control.MouseMove(ShiftFrom(event->modifiers(), event->buttons()), p.x(), p.y());
    control.AfterInput();
}

void TControlInput::Release(TControl& control, QMouseEvent* event)
{
    TMouseButton b;
    if (!ButtonFrom(event->button(), b))
        return;
    const QPoint p = ConfinedPosition(control, event);
    control.lastMouse_ = p;
    // Released before the pointer moved far enough: the drag ends without a target.
    if (b == mbLeft && control.Dragging()) {
        TControlDrag::Finish(control, nullptr, p);
        return;
    }
    const bool click = b == mbLeft && control.leftDown_ && control.rect().contains(p);
    if (b == mbLeft)
        control.leftDown_ = false;
    // Click comes before the release, as the classic platform orders them.
    if (click)
        control.Click();
    control.MouseUp(b, ShiftFrom(event->modifiers(), event->buttons()), p.x(), p.y());
    control.AfterInput();
}

void TControlInput::DoubleClick(TControl& control, QMouseEvent* event)
{
    control.DblClick();
    // The second press of a double click is also a press.
    TMouseButton b;
    if (!ButtonFrom(event->button(), b))
        return;
    if (b == mbLeft)
        control.leftDown_ = true;
    const QPoint p = ConfinedPosition(control, event);
    control.MouseDown(b, ShiftFrom(event->modifiers(), event->buttons()) | ssDouble, p.x(), p.y());
    control.AfterInput();
}

bool TControlInput::KeyPress(TControl& control, QKeyEvent* event)
{
    uint16_t key = VirtualKey(event);
    if (key == 0 && event->text().isEmpty())
        return false;
    if (key != 0)
        control.KeyDown(key, ShiftFrom(event->modifiers(), Qt::NoButton));
    // The typed character follows the key-down, also when that handler
    // cleared the key (the character was made from the key already), and
    // goes to this control only.
    for (QChar ch : event->text())
        control.KeyPress(ch);
    if (key == 0)
        event->accept();
    control.AfterInput();
    return true;
}

bool TControlInput::KeyRelease(TControl& control, QKeyEvent* event)
{
    uint16_t key = VirtualKey(event);
    if (key == 0)
        return false;
    control.KeyUp(key, ShiftFrom(event->modifiers(), Qt::NoButton));
    control.AfterInput();
    return true;
}
