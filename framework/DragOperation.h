#pragma once
// TDragOperation: the one drag of controls in progress in this program, from
// BeginDrag to its end. The drag itself is a QDrag carrying a private MIME
// type, so Qt's drop events find the control under the pointer; that control
// is asked (DragOver) whether it takes the source, and the operation records
// the answer, so the source's end event names the control that took the drop
// or none. Drags of other programs carry no such type and are refused.

#include "framework/Types.h"

#include <QPoint>
#include <QPointer>
#include <functional>

class QDrag;
class QMimeData;
class TControl;

class TDragOperation {
public:
    // Carries out a QDrag and returns the action the drop target chose
    // (Qt::IgnoreAction when nobody took it). By default QDrag::exec; tests
    // replace it with one that delivers the drop events themselves.
    using TExecutor = std::function<Qt::DropAction(QDrag&)>;
    static TExecutor SetExecutor(TExecutor executor);

    // The drag in progress, or null.
    static TDragOperation* Current();
    // The drag in progress when data carries it, else null.
    static TDragOperation* Carried(const QMimeData* data);

    // Null once the source is gone (while its drag still runs).
    TControl* Source() const { return source_; }
    TDragKind Kind() const { return kind_; }
    // True until the pointer has moved past the threshold (or the drag began at once).
    bool Pending() const { return pending_; }
    // The control the pointer is over and whether it takes the source.
    TControl* Target() const { return target_; }
    bool Accepted() const { return accepted_; }

    // Started by TControl::BeginDrag; ended by TControl when the drag is over.
    static TDragOperation& Begin(TControl* source, TDragKind kind, QPoint start, int threshold);
    static void Finish();
    // A pending drag begins once the pointer is this far from where it was pressed.
    bool PastThreshold(QPoint p) const;
    // Runs the QDrag; returns the control that took the drop (or null) and its drop point.
    TControl* Execute(QPoint& dropPoint);

    // What the control under the pointer answered.
    void Over(TControl* target, QPoint p, bool accepted);
    void Left(TControl* target);
    QPoint LastPoint() const { return lastPoint_; }

private:
    TDragOperation(TControl* source, TDragKind kind, QPoint start, int threshold);

    QPointer<TControl> source_;
    TDragKind kind_;
    QPoint start_;
    int threshold_;
    bool pending_ = true;
    QPointer<TControl> target_;
    bool accepted_ = false;
    QPoint lastPoint_;
};
