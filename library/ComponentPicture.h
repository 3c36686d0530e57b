#pragma once
// Pictures of components as a newly placed instance draws itself: for palette
// icons (the Qt Designer plugin) and the programs' desktop icons.

#include "framework/ComponentRegistry.h"

#include <QImage>
#include <QSize>

class TComponentPicture {
public:
    // The size a newly built instance of the class gives itself; empty for a
    // class that is not a widget.
    static QSize DefaultSize(const TComponentClass& cls);
    // A newly built instance drawn at its own size (a null image for a class
    // that is not a widget).
    static QImage Draw(const TComponentClass& cls);
    // The same picture scaled into a square of the given side, centred on a
    // transparent background, aspect ratio kept.
    static QImage Icon(const TComponentClass& cls, int side);
    // Any picture fitted into such a square.
    static QImage FitSquare(const QImage& picture, int side);
};
