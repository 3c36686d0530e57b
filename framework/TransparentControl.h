#pragma once
// Base of the graphic controls that draw only part of their area (images,
// labels): what they leave out shows the parent, as a classic graphic control
// painted on its parent's surface. Qt composes the parent beneath them, so
// they copy their picture to the screen without the pixels of a key colour.

#include "framework/Control.h"

class TTransparentControl : public TGraphicControl {
    Q_OBJECT
public:
    explicit TTransparentControl(QWidget* parent = nullptr);

    // The image with the pixels of key made fully transparent.
    static QImage Keyed(const QImage& image, TColor key);

protected:
    // Draws image at the given place on the screen, leaving out key pixels.
    void PaintKeyed(const QImage& image, const QRect& target, TColor key);
    // Draws image on the screen as it is (areas outside it show the parent).
    void PaintPlain(const QImage& image, const QRect& target);
};
