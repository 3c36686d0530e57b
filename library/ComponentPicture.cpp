#include "library/ComponentPicture.h"

#include "framework/Control.h"

#include <QPainter>
#include <QWidget>
#include <memory>

namespace {

std::unique_ptr<QWidget> NewInstance(const TComponentClass& cls)
{
    if (!cls.Meta || !cls.Meta->inherits(&QWidget::staticMetaObject))
        return nullptr;
    return std::unique_ptr<QWidget>(qobject_cast<QWidget*>(cls.Create(nullptr)));
}

} // namespace

QSize TComponentPicture::DefaultSize(const TComponentClass& cls)
{
    const std::unique_ptr<QWidget> widget = NewInstance(cls);
    return widget ? widget->size() : QSize();
}

QImage TComponentPicture::Draw(const TComponentClass& cls)
{
    const std::unique_ptr<QWidget> widget = NewInstance(cls);
    if (!widget)
        return {};
    // A control's own off-screen picture is exactly what it shows; other
    // widgets are rendered through Qt.
    if (auto* control = qobject_cast<TControl*>(widget.get()))
        return control->PaintToImage().copy();
    return widget->grab().toImage();
}

QImage TComponentPicture::Icon(const TComponentClass& cls, int side) { return FitSquare(Draw(cls), side); }

QImage TComponentPicture::FitSquare(const QImage& picture, int side)
{
    QImage square(side, side, QImage::Format_ARGB32);
    square.fill(Qt::transparent);
    if (picture.isNull())
        return square;
    const QImage scaled = picture.scaled(side, side, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    QPainter painter(&square);
    painter.drawImage((side - scaled.width()) / 2, (side - scaled.height()) / 2, scaled);
    return square;
}
