#pragma once
// TVrLiniarIndicator: one value marker of the thermometer (set point, peaks,
// value), drawn as a line, a small triangle or a bitmap. Every accepted change
// raises OnChange; the owning thermometer answers it with PeakChanged.

#include "framework/Bitmap.h"
#include "framework/Color.h"

#include <QByteArray>
#include <QObject>

class TVrLiniarIndicator : public QObject {
    Q_OBJECT
    Q_PROPERTY(double Value READ Value WRITE SetValue NOTIFY ValueChanged)
    Q_CLASSINFO("default:Value", "0")
    // The picture as PNG bytes; empty while it is the built-in marker picture.
    Q_PROPERTY(QByteArray Bitmap READ BitmapData WRITE SetBitmapData NOTIFY BitmapChanged)
    Q_CLASSINFO("default:Bitmap", "{}")
    Q_PROPERTY(TvrIndicatorShape Shape READ Shape WRITE SetShape NOTIFY ShapeChanged)
    Q_CLASSINFO("default:Shape", "voBitmap")
    Q_PROPERTY(TColor Color READ Color WRITE SetColor NOTIFY ColorChanged)
    Q_CLASSINFO("default:Color", "clBlue")
    Q_PROPERTY(bool Visible READ Visible WRITE SetVisible NOTIFY VisibleChanged)
    Q_CLASSINFO("default:Visible", "True")

public:
    enum TvrIndicatorShape { voLine, voBitmap, voTriangle };
    Q_ENUM(TvrIndicatorShape)

    // Name of the built-in 6 x 9 marker picture.
    static const QString DefaultBitmapName;

    explicit TVrLiniarIndicator(QObject* parent = nullptr);

    double Value() const { return value_; }
    void SetValue(double value);
    // Stores the value without raising OnChange (the peaks following the value).
    void StoreValue(double value);

    const TBitmap& Bitmap() const { return bitmap_; }
    // Copies the picture; an empty one brings back the built-in picture.
    void SetBitmap(const TBitmap& value);
    QByteArray BitmapData() const;
    // Bytes that are not a picture raise an Exception and keep the current one.
    void SetBitmapData(const QByteArray& data);

    TvrIndicatorShape Shape() const { return shape_; }
    void SetShape(TvrIndicatorShape value);
    TColor Color() const { return color_; }
    void SetColor(TColor value);
    bool Visible() const { return visible_; }
    void SetVisible(bool value);

    // Copies every property of another marker, with one notification.
    void Assign(const TVrLiniarIndicator& other);

signals:
    // Property notifications (see framework/Notify.h).
    void ValueChanged();
    void BitmapChanged();
    void ShapeChanged();
    void ColorChanged();
    void VisibleChanged();
    void OnChange(QObject* Sender);

private:
    void LoadDefaultBitmap();
    void Changed() { emit OnChange(this); }

    double value_ = 0;
    bool settingValue_ = false;
    TBitmap bitmap_;
    bool defaultBitmap_ = true;
    TvrIndicatorShape shape_ = voBitmap;
    TColor color_ = clBlue;
    bool visible_ = true;
};
