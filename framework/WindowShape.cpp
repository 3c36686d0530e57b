#include "framework/WindowShape.h"

#include <QGuiApplication>
#include <QPainter>
#include <QWidget>

namespace WindowShape {

namespace {
// Where the server's cut alone does not show: Wayland, and XWayland (an X
// server inside a Wayland session). On plain X11 the mask is enough, and an
// alpha channel there would only cost the server compositing work.
bool NeedsTranslucency()
{
    const QString platform = QGuiApplication::platformName();
    if (platform.startsWith(QLatin1String("wayland")))
        return true;
    return platform == QLatin1String("xcb") && !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}
} // namespace

void Apply(QWidget* window, const QRegion& region)
{
    // Decided before the native window exists: its surface format follows.
    if (NeedsTranslucency())
        window->setAttribute(Qt::WA_TranslucentBackground);
    window->setMask(region);
}

void ClipToShape(QPainter& painter, const QWidget* control)
{
    const QWidget* window = control->window();
    if (window->testAttribute(Qt::WA_TranslucentBackground) && !window->mask().isEmpty())
        painter.setClipRegion(window->mask().translated(-control->mapTo(window, QPoint(0, 0))));
}

} // namespace WindowShape
