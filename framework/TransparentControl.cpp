#include "framework/TransparentControl.h"

#include "framework/WindowShape.h"

#include <QPainter>

TTransparentControl::TTransparentControl(QWidget* parent) : TGraphicControl(parent)
{
    paintsOpaque_ = false;
    setAttribute(Qt::WA_OpaquePaintEvent, false);
    setAttribute(Qt::WA_NoSystemBackground, true);
    setAttribute(Qt::WA_TranslucentBackground, false);
}

QImage TTransparentControl::Keyed(const QImage& image, TColor key)
{
    QImage result = image.convertToFormat(QImage::Format_ARGB32);
    const QRgb keyPixel = ColorToPixel(key) | 0xFF000000u;
    for (int y = 0; y < result.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(result.scanLine(y));
        for (int x = 0; x < result.width(); ++x)
            if ((line[x] | 0xFF000000u) == keyPixel)
                line[x] = 0;
    }
    return result;
}

void TTransparentControl::PaintKeyed(const QImage& image, const QRect& target, TColor key)
{
    PaintPlain(Keyed(image, key), target);
}

void TTransparentControl::PaintPlain(const QImage& image, const QRect& target)
{
    if (image.isNull() || target.isEmpty())
        return;
    QPainter p(this);
    WindowShape::ClipToShape(p, this);
    p.drawImage(target, image);
}
