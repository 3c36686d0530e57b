#pragma once
// TControlInput: Qt's mouse and key events turned into a control's classic
// ones: MouseDown/MouseMove/MouseUp with shift states and positions held to
// the cursor's confinement, Click before the release, the second press of a
// double click, KeyDown/KeyUp with virtual-key codes and KeyPress for the
// typed characters; an automatic drag takes the left press. Every handled
// event ends with the control's AfterInput.

class QKeyEvent;
class QMouseEvent;
class TControl;

class TControlInput {
public:
    static void Press(TControl& control, QMouseEvent* event);
    static void Move(TControl& control, QMouseEvent* event);
    static void Release(TControl& control, QMouseEvent* event);
    static void DoubleClick(TControl& control, QMouseEvent* event);
    // False for a key the classic platform does not see (Qt handles it).
    static bool KeyPress(TControl& control, QKeyEvent* event);
    static bool KeyRelease(TControl& control, QKeyEvent* event);
};
