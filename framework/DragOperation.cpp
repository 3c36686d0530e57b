#include "framework/DragOperation.h"

#include "framework/Control.h"
#include "framework/DragCursor.h"

#include <QApplication>
#include <QDrag>
#include <QMimeData>
#include <memory>

namespace {

const QString kMimeType = QStringLiteral("application/x-quil-control-drag");

std::unique_ptr<TDragOperation> g_current;

TDragOperation::TExecutor& Executor()
{
    static TDragOperation::TExecutor executor = [](QDrag& drag) { return drag.exec(Qt::MoveAction); };
    return executor;
}

} // namespace

TDragOperation::TDragOperation(TControl* source, TDragKind kind, QPoint start, int threshold)
    : source_(source), kind_(kind), start_(start),
      threshold_(threshold < 0 ? QApplication::startDragDistance() : threshold), lastPoint_(start)
{
}

TDragOperation::TExecutor TDragOperation::SetExecutor(TExecutor executor)
{
    TExecutor previous = Executor();
    Executor() = executor ? std::move(executor) : [](QDrag& drag) { return drag.exec(Qt::MoveAction); };
    return previous;
}

TDragOperation* TDragOperation::Current() { return g_current.get(); }

TDragOperation* TDragOperation::Carried(const QMimeData* data)
{
    if (!g_current || !data || !data->hasFormat(kMimeType))
        return nullptr;
    // Another program's drag of the same kind names another process.
    return data->data(kMimeType) == QByteArray::number(QApplication::applicationPid()) ? g_current.get() : nullptr;
}

TDragOperation& TDragOperation::Begin(TControl* source, TDragKind kind, QPoint start, int threshold)
{
    g_current.reset(new TDragOperation(source, kind, start, threshold));
    return *g_current;
}

void TDragOperation::Finish() { g_current.reset(); }

bool TDragOperation::PastThreshold(QPoint p) const { return (p - start_).manhattanLength() >= threshold_; }

TControl* TDragOperation::Execute(QPoint& dropPoint)
{
    pending_ = false;
    // The drag owns the data; Qt frees the drag itself after exec (later, so
    // it must live on the heap), and an executor that never ran exec leaves
    // it to us.
    auto* data = new QMimeData;
    data->setData(kMimeType, QByteArray::number(QApplication::applicationPid()));
    QPointer<QDrag> drag = new QDrag(source_);
    drag->setMimeData(data);
    // Over a control that takes the source the source's DragCursor shows, elsewhere crNoDrop.
    drag->setDragCursor(DragCursorPixmap(source_->DragCursor()), Qt::MoveAction);
    drag->setDragCursor(DragCursorPixmap(crNoDrop), Qt::IgnoreAction);
    const Qt::DropAction action = Executor()(*drag);
    if (drag)
        drag->deleteLater();
    dropPoint = lastPoint_;
    return action != Qt::IgnoreAction && accepted_ ? target_.data() : nullptr;
}

void TDragOperation::Over(TControl* target, QPoint p, bool accepted)
{
    target_ = target;
    lastPoint_ = p;
    accepted_ = accepted;
}

void TDragOperation::Left(TControl* target)
{
    if (target_ != target)
        return;
    target_ = nullptr;
    accepted_ = false;
}
