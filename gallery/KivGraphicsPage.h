#pragma once
// The "KivGraphics" page: the round spin control; the editors show its value
// as the upper and lower halves step it.

#include "gallery/GalleryPage.h"

class TKivGraphicsPage : public TGalleryPage {
    Q_OBJECT

public:
    explicit TKivGraphicsPage(QWidget* parent);
};
