#include "framework/WindowShape.h"

#include <QGuiApplication>
#include <QPainter>
#include <QWidget>

namespace WindowShape {

namespace {
bool OnScreen()
{
    const QString platform = QGuiApplication::platformName();
    return platform == QLatin1String("xcb") || platform.startsWith(QLatin1String("wayland"));
}
} // namespace

void Apply(QWidget* window, const QRegion& region)
{
    // Decided before the native window exists: its surface format follows.
    if (OnScreen())
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
