#include "framework/DragCursor.h"

#include <QPainter>
#include <QPainterPath>

namespace {

constexpr int kSize = 64;
constexpr QPoint kHotSpot(kSize / 2, kSize / 2);

void DrawArrow(QPainter& p)
{
    QPainterPath arrow;
    arrow.moveTo(0, 0);
    arrow.lineTo(0, 16);
    arrow.lineTo(4, 12);
    arrow.lineTo(7, 18);
    arrow.lineTo(9, 17);
    arrow.lineTo(6, 11);
    arrow.lineTo(11, 11);
    arrow.closeSubpath();
    p.setPen(QPen(Qt::white, 1));
    p.setBrush(Qt::black);
    p.drawPath(arrow.translated(kHotSpot));
}

void DrawSheet(QPainter& p, QPoint at)
{
    p.setBrush(Qt::white);
    p.setPen(QPen(Qt::black, 1, Qt::DotLine));
    p.drawRect(QRect(kHotSpot + at, QSize(10, 8)));
}

} // namespace

QPixmap DragCursorPixmap(TCursor shape)
{
    if (shape != crDrag && shape != crMultiDrag && shape != crNoDrop)
        return QPixmap();
    QPixmap picture(kSize, kSize);
    picture.fill(Qt::transparent);
    QPainter p(&picture);
    if (shape == crNoDrop) {
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(Qt::black, 3));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(kHotSpot, 8, 8);
        p.drawLine(kHotSpot + QPoint(-6, -6), kHotSpot + QPoint(6, 6));
        return picture;
    }
    DrawArrow(p);
    if (shape == crMultiDrag)
        DrawSheet(p, QPoint(6, 19));
    DrawSheet(p, QPoint(3, 16));
    return picture;
}
