#include "widgets/VrLiniarIndicator.h"

#include "framework/Exception.h"
#include "framework/Notify.h"

#include <QBuffer>
#include <QImage>
#include <QScopedValueRollback>

const QString TVrLiniarIndicator::DefaultBitmapName = QStringLiteral("TIWLEFT");

TVrLiniarIndicator::TVrLiniarIndicator(QObject* parent) : QObject(parent) { LoadDefaultBitmap(); }

void TVrLiniarIndicator::LoadDefaultBitmap()
{
    bitmap_.LoadFromResourceName(DefaultBitmapName);
    bitmap_.Transparent = true;
    defaultBitmap_ = true;
}

// The owner may correct the value from the change event (a peak marker set
// past the reading is brought back): what is told is the value at the end.
void TVrLiniarIndicator::SetValue(double value)
{
    if (value == value_)
        return;
    const TNotifyOnChange notify(this, &TVrLiniarIndicator::Value, &TVrLiniarIndicator::ValueChanged);
    const QScopedValueRollback setting(settingValue_, true);
    value_ = value;
    Changed();
}

void TVrLiniarIndicator::StoreValue(double value)
{
    if (settingValue_)
        value_ = value;
    else
        SetAndNotify(this, &TVrLiniarIndicator::ValueChanged, value_, value);
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
    const TNotifyOnChange notify(this, &TVrLiniarIndicator::BitmapData, &TVrLiniarIndicator::BitmapChanged);
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
    SetAndNotify(this, &TVrLiniarIndicator::ShapeChanged, shape_, value, [&] { Changed(); });
}

void TVrLiniarIndicator::SetColor(TColor value)
{
    SetAndNotify(this, &TVrLiniarIndicator::ColorChanged, color_, value, [&] { Changed(); });
}

void TVrLiniarIndicator::SetVisible(bool value)
{
    SetAndNotify(this, &TVrLiniarIndicator::VisibleChanged, visible_, value, [&] { Changed(); });
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
