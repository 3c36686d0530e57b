#pragma once
// The diagrams of the "Saxel Componenten" page: the ventilation diagram with
// the demo's setpoints; its points are dragged with the mouse or moved with
// the keys, and the editors follow.

#include "gallery/GalleryPage.h"

class TSaxelPage : public TGalleryPage {
    Q_OBJECT

public:
    explicit TSaxelPage(QWidget* parent);
};
