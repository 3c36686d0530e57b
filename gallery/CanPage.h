#pragma once
// The "Can" page: the CAN objects as nodes of a host on a simulated wire.
// Sliders and a check box feed the input objects' readings; the master panel
// on a second attachment to the wire shows every frame and downloads a
// configuration to a node and uploads it back. The page opens with the
// analog input configured by the master.

#include "gallery/GalleryPage.h"

class TAnaInObj;
class TCanHost;
class TCanMasterPanel;
class TDigInObj;
class TSimulatedCanNetwork;

class TCanPage : public TGalleryPage {
    Q_OBJECT

public:
    explicit TCanPage(QWidget* parent);

    TCanHost* Host() const { return host_; }
    TCanMasterPanel* Master() const { return master_; }
    TSimulatedCanNetwork* Network() const { return network_; }

private:
    QWidget* AnalogPanel(TAnaInObj* node);
    QWidget* DigitalPanel(TDigInObj* node);

    TSimulatedCanNetwork* network_;
    TCanHost* host_;
    TCanMasterPanel* master_ = nullptr;
};
