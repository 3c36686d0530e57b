#include "framework/ControlDrag.h"

#include "framework/Control.h"
#include "framework/DragOperation.h"

#include <QDrag>
#include <QDragEnterEvent>
#include <QPointer>

void TControlDrag::Begin(TControl& control, bool immediate, int threshold)
{
    if (TDragOperation::Current())
        return; // one drag at a time
    TDragOperation::Begin(&control, control.dragKind_, control.lastMouse_, threshold);
    if (control.dragKind_ == dkDock)
        emit control.OnStartDock(&control);
    else
        control.DoStartDrag();
    if (immediate)
        Run(control);
}

void TControlDrag::End(TControl& control)
{
    TDragOperation* drag = TDragOperation::Current();
    if (!drag || drag->Source() != &control)
        return;
    if (drag->Pending())
        Finish(control, nullptr, control.lastMouse_);
    else
        QDrag::cancel();
}

void TControlDrag::Run(TControl& control)
{
    TDragOperation* drag = TDragOperation::Current();
    QPoint at;
    QPointer<TControl> self(&control);
    QObject* target = drag->Execute(at);
    if (self)
        Finish(control, target, at);
    else
        TDragOperation::Finish();
}

void TControlDrag::Finish(TControl& control, QObject* target, QPoint p)
{
    const TDragKind kind = TDragOperation::Current()->Kind();
    TDragOperation::Finish();
    // The button's release went to the drag, not to this control.
    control.leftDown_ = false;
    if (!target)
        p = QPoint(0, 0);
    if (kind == dkDock)
        emit control.OnEndDock(&control, target, p.x(), p.y());
    else
        control.DoEndDrag(target, p.x(), p.y());
}

// Asks the control under the pointer; dock drags find no dock site here.
void TControlDrag::Answer(TControl& control, QDragMoveEvent* event, TDragState state)
{
    TDragOperation* drag = TDragOperation::Carried(event->mimeData());
    if (!drag || !drag->Source() || drag->Kind() != dkDrag || control.state_.testFlag(csDesigning)) {
        event->ignore();
        return;
    }
    const QPoint p = event->position().toPoint();
    bool accept = false;
    control.DragOver(drag->Source(), p.x(), p.y(), state, accept);
    drag->Over(&control, p, accept);
    // Taken either way, so Qt does not ask the parents: a refusal is an
    // ignored action, as the platform's drag shows and drops it.
    event->accept();
    event->setDropAction(accept ? Qt::MoveAction : Qt::IgnoreAction);
}

void TControlDrag::Leave(TControl& control, QDragLeaveEvent* event)
{
    TDragOperation* drag = TDragOperation::Current();
    if (!drag || drag->Target() != &control)
        return;
    bool accept = false;
    const QPoint p = drag->LastPoint();
    if (drag->Source())
        control.DragOver(drag->Source(), p.x(), p.y(), dsDragLeave, accept);
    drag->Left(&control);
    event->accept();
}

void TControlDrag::Drop(TControl& control, QDropEvent* event)
{
    TDragOperation* drag = TDragOperation::Carried(event->mimeData());
    if (!drag || !drag->Source() || drag->Target() != &control || !drag->Accepted()) {
        event->ignore();
        return;
    }
    const QPoint p = event->position().toPoint();
    drag->Over(&control, p, true);
    event->setDropAction(Qt::MoveAction);
    event->accept();
    control.DragDrop(drag->Source(), p.x(), p.y());
}
