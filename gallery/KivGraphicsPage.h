#pragma once
// The "KivGraphics" page: the round spin control (the editors show its value
// as the upper and lower halves step it), the fader, the analog meter and the
// feed weigher running its cycle, with check boxes for its faults.

#include "gallery/GalleryPage.h"

class TKivGraphicsPage : public TGalleryPage {
    Q_OBJECT

public:
    explicit TKivGraphicsPage(QWidget* parent);

private:
    void AddSpin();
    void AddFader();
    void AddMeter();
    void AddFeedWeigher();
};
