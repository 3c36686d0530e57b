#include "framework/Screen.h"

#include <QCursor>
#include <QGuiApplication>

namespace {
TCursor g_cursor = crDefault;
std::optional<TRect> g_clip;
} // namespace

namespace Screen {

Qt::CursorShape QtCursorShape(TCursor shape)
{
    switch (shape) {
    case crHandPoint: return Qt::PointingHandCursor;
    case crHourGlass: return Qt::WaitCursor;
    case crCross: return Qt::CrossCursor;
    case crSizeAll: return Qt::SizeAllCursor;
    case crDrag: return Qt::DragMoveCursor;
    case crMultiDrag: return Qt::DragCopyCursor;
    case crNoDrop: return Qt::ForbiddenCursor;
    default: return Qt::ArrowCursor;
    }
}

void SetCursor(TCursor shape)
{
    if (shape == g_cursor)
        return;
    g_cursor = shape;
    // The screen cursor overrides every control's own cursor until reset.
    if (QGuiApplication::overrideCursor())
        QGuiApplication::restoreOverrideCursor();
    if (shape != crDefault)
        QGuiApplication::setOverrideCursor(QCursor(QtCursorShape(shape)));
}

TCursor Cursor() { return g_cursor; }

QPoint CursorPos() { return QCursor::pos(); }

void SetCursorPos(QPoint p) { QCursor::setPos(p); }

void ClipCursor(const std::optional<TRect>& rect) { g_clip = rect; }

const std::optional<TRect>& CursorClip() { return g_clip; }

} // namespace Screen
