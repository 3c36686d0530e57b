#include "framework/Bitmap.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QPainter>

TBitmap::TBitmap() : canvas_(std::make_unique<TCanvas>(&image_)) {}

TBitmap::TBitmap(int width, int height) : TBitmap() { SetSize(width, height); }

void TBitmap::SetSize(int width, int height)
{
    width = std::max(width, 0);
    height = std::max(height, 0);
    if (width == Width() && height == Height() && !image_.isNull())
        return;
    QImage next(width, height, QImage::Format_RGB32);
    next.fill(Qt::white);
    if (!image_.isNull() && width > 0 && height > 0) {
        QPainter p(&next);
        p.drawImage(0, 0, image_);
    }
    image_ = next;
}

TColor TBitmap::TransparentColor() const
{
    if (transparentMode_ == tmFixed)
        return transparentColor_;
    if (Empty())
        return clDefault;
    return PixelToColor(image_.pixel(0, image_.height() - 1));
}

void TBitmap::SetTransparentColor(TColor color)
{
    transparentColor_ = color;
    transparentMode_ = tmFixed;
}

QString TBitmap::ResourcePath(const QString& name)
{
    // Built once: upper-cased base name -> resource path.
    static const QHash<QString, QString> index = [] {
        QHash<QString, QString> map;
        const QDir dir(QStringLiteral(":/bitmaps"));
        for (const QString& file : dir.entryList(QDir::Files))
            map.insert(QFileInfo(file).completeBaseName().toUpper(), dir.filePath(file));
        return map;
    }();
    return index.value(name.toUpper());
}

bool TBitmap::LoadFromResourceName(const QString& name)
{
    const QString path = ResourcePath(name);
    if (path.isEmpty()) {
        image_ = QImage();
        return false;
    }
    return LoadFromFile(path);
}

bool TBitmap::LoadFromFile(const QString& path)
{
    QImage loaded(path);
    if (loaded.isNull()) {
        image_ = QImage();
        return false;
    }
    image_ = loaded.convertToFormat(QImage::Format_RGB32);
    return true;
}

void TBitmap::Assign(const TBitmap& other)
{
    if (&other == this)
        return;
    image_ = other.image_.copy();
    PixelFormat = other.PixelFormat;
    Transparent = other.Transparent;
    transparentMode_ = other.transparentMode_;
    transparentColor_ = other.transparentColor_;
}

void TBitmap::Assign(const QImage& image) { image_ = image.convertToFormat(QImage::Format_RGB32); }

bool TBitmap::SaveToFile(const QString& path) const { return image_.save(path); }
