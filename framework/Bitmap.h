#pragma once
// TBitmap: an off-screen picture with its own canvas. Named pictures compiled
// into the program are found by LoadFromResourceName, ignoring case.

#include "framework/Canvas.h"
#include "framework/Types.h"

#include <QImage>
#include <QString>
#include <memory>


class TBitmap {
public:
    TBitmap();
    TBitmap(int width, int height);
    TBitmap(const TBitmap&) = delete;
    TBitmap& operator=(const TBitmap&) = delete;

    int Width() const { return image_.width(); }
    int Height() const { return image_.height(); }
    void SetWidth(int w) { SetSize(w, Height()); }
    void SetHeight(int h) { SetSize(Width(), h); }
    // Keeps the overlapping part of the picture; new pixels are white.
    void SetSize(int width, int height);
    bool Empty() const { return image_.isNull() || image_.width() == 0 || image_.height() == 0; }

    TCanvas& Canvas() { return *canvas_; }
    const TCanvas& Canvas() const { return *canvas_; }
    QImage& Image() { return image_; }
    const QImage& Image() const { return image_; }

    TPixelFormat PixelFormat = pfDevice;
    // Drawn with its transparent colour left out.
    bool Transparent = false;
    TTransparentMode TransparentMode() const { return transparentMode_; }
    void SetTransparentMode(TTransparentMode mode) { transparentMode_ = mode; }
    // tmAuto: the bottom-left pixel; tmFixed: the colour set here.
    TColor TransparentColor() const;
    void SetTransparentColor(TColor color);

    // Looks the name up among the compiled-in pictures, ignoring case. A
    // missing name leaves an empty bitmap.
    bool LoadFromResourceName(const QString& name);
    bool LoadFromFile(const QString& path);
    void Assign(const TBitmap& other);
    void Assign(const QImage& image);
    bool SaveToFile(const QString& path) const;

    // Resource path (":/bitmaps/NAME.png") for a picture name, or empty.
    static QString ResourcePath(const QString& name);

private:
    QImage image_;
    std::unique_ptr<TCanvas> canvas_;
    TTransparentMode transparentMode_ = tmAuto;
    TColor transparentColor_ = clWhite;
};
