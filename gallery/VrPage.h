#pragma once
// The page of the Vr instrument family: thermometer, blink LED, rocker switch
// and the shaped window (on a borderless window of its own, cut to the shape
// of the demo's front panel and dragged by its face).

#include "gallery/GalleryPage.h"

class TVrPage : public TGalleryPage {
    Q_OBJECT

public:
    explicit TVrPage(QWidget* parent);

private:
    void AddThermoMeter();
    void AddBlinkLed();
    void AddRocker();
    void AddFormShape();
};
