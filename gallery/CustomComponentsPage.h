#pragma once
// The "Custom components" page: the seven-segment display.

#include "gallery/GalleryPage.h"

class TCustomComponentsPage : public TGalleryPage {
    Q_OBJECT

public:
    explicit TCustomComponentsPage(QWidget* parent);
};
