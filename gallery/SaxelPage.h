#pragma once
// The "Saxel Componenten" page: the ventilation and curve diagrams (points
// dragged with the mouse or moved with the keys, the editors follow), the
// trend graph of a day with its legend (drag a band to zoom, right-click to
// zoom out, Shift-drag to pan), the spin button, the auto-repeat button and
// the diagram button; below the day, a live graph of eight sensors. One
// column: the sections are wide.

#include "gallery/GalleryPage.h"

class QLabel;

class TSaxelPage : public TGalleryPage {
    Q_OBJECT

public:
    explicit TSaxelPage(QWidget* parent);

private:
    void AddVentDiagram();
    void AddCurveDiagram();
    void AddTrendGraph();
    void AddLiveTrendGraph();
    void AddSpinButton();
    void AddTimerSpeedButton();
    void AddDiagramButton();
};
