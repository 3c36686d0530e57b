#pragma once
// TControlDrag: a control's part in drag and drop. As the source it begins
// the one TDragOperation, runs it and reports its end (drag or dock events);
// as a target it answers Qt's drag events by asking the control under the
// pointer (DragOver) and takes the drop (DragDrop). Every control is a target,
// so a refusal is not handed on to its parent.

#include "framework/Types.h"

#include <QPoint>

class QDragLeaveEvent;
class QDragMoveEvent;
class QDropEvent;
class QObject;
class TControl;

class TControlDrag {
public:
    static void Begin(TControl& control, bool immediate, int threshold);
    static void End(TControl& control);
    static void Run(TControl& control);
    // The drag is over: target took it (at p in its coordinates), or nobody did.
    static void Finish(TControl& control, QObject* target, QPoint p);

    static void Answer(TControl& control, QDragMoveEvent* event, TDragState state);
    static void Leave(TControl& control, QDragLeaveEvent* event);
    static void Drop(TControl& control, QDropEvent* event);
};
