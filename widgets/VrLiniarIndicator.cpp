#include "widgets/VrLiniarIndicator.h"

#include "framework/Exception.h"

#include <QBuffer>
#include <QImage>

const QString TVrLiniarIndicator::DefaultBitmapName = QStringLiteral("TIWLEFT");

TVrLiniarIndicator::TVrLiniarIndicator(QObject* parent) : QObject(parent) { LoadDefaultBitmap(); }

void TVrLiniarIndicator::LoadDefaultBitmap()
{
    bitmap_.LoadFromResourceName(DefaultBitmapName);
    bitmap_.Transparent = true;
    defaultBitmap_ = true;
}

void TVrLiniarIndicator::SetValue(double value)
{
    if (value == value_)
        return;
    value_ = value;
    Changed();
}

void TVrLiniarIndicator::SetBitmap(const TBitmap& value)
{
    if (value.Empty()) {
        LoadDefaultBitmap();
    } else {
        bitmap_.Assign(value);
        defaultBitmap_ = false;
    }
    // Markers are always drawn with the picture's own transparent colour.
    bitmap_.Transparent = true;
    bitmap_.SetTransparentMode(tmAuto);
    Changed();
}

QByteArray TVrLiniarIndicator::BitmapData() const
{
    if (defaultBitmap_ || bitmap_.Empty())
        return {};
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    bitmap_.Image().save(&buffer, "PNG");
    return bytes;
}

void TVrLiniarIndicator::SetBitmapData(const QByteArray& data)
{
    TBitmap picture;
    if (!data.isEmpty()) {
        const QImage image = QImage::fromData(data);
        if (image.isNull())
            throw Exception(QStringLiteral("Marker bitmap data is not a picture"));
        picture.Assign(image);
    }
    SetBitmap(picture);
}

void TVrLiniarIndicator::SetShape(TvrIndicatorShape value)
{
    if (value == shape_)
        return;
    shape_ = value;
    Changed();
}

void TVrLiniarIndicator::SetColor(TColor value)
{
    if (value == color_)
        return;
    color_ = value;
    Changed();
}

void TVrLiniarIndicator::SetVisible(bool value)
{
    if (value == visible_)
        return;
    visible_ = value;
    Changed();
}

void TVrLiniarIndicator::Assign(const TVrLiniarIndicator& other)
{
    if (&other == this)
        return;
    value_ = other.value_;
    bitmap_.Assign(other.bitmap_);
    defaultBitmap_ = other.defaultBitmap_;
    shape_ = other.shape_;
    color_ = other.color_;
    visible_ = other.visible_;
    Changed();
}
