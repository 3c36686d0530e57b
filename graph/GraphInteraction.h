#pragma once
// TGraphInteraction: what the mouse does to a trend graph. The left button
// draws a rubber band (in XOR on the control) and zooms into it; the right
// button zooms out by a click and pans by a drag, within the graph's limits.
// A new view is applied at once or handed to a TZoomThread that animates
// it; while that runs, presses are ignored.

#include "framework/Types.h"
#include "graph/Rect2D.h"

#include <QPoint>

class TKivGraph;
class TZoomThread;

class TGraphInteraction {
public:
    // The mouse action under way, as bits: a zoom-out click may be pending
    // while a pan waits for the mouse to move.
    enum TMouseStateBit : int { msNone = 0, msZoomOutClick = 1, msPan = 2, msRubberBand = 4 };

    explicit TGraphInteraction(TKivGraph& graph) : g_(graph) {}
    ~TGraphInteraction();
    TGraphInteraction(const TGraphInteraction&) = delete;
    TGraphInteraction& operator=(const TGraphInteraction&) = delete;

    int MouseState() const { return mouseState_; }
    QPoint PanAnchor() const { return panAnchor_; }
    TZoomThread* ZoomThread() const { return zoomThread_; }
    // The rubber band lies over the picture until it is erased.
    bool BandShown() const { return bandShown_; }

    void Press(TMouseButton Button, int X, int Y);
    void Move(TShiftState Shift, int X, int Y);
    void Release(TMouseButton Button);
    // Draws the rubber band in XOR: drawn twice it is gone.
    void LineRect();
    // A mouse move at a point of the control outside the plot, or any
    // button: the action is cancelled (with its band).
    void CancelMouseAction();
    void HookMouseMove(QPoint local);
    void ZoomThreadDone(TZoomThread* thread);
    // Ends a running zoom animation (the graph's destructor does, first).
    void StopZoomThread();

private:
    void PanTo(int X, int Y);
    void EraseBand();
    void GraphZoom();
    void ZoomOut();
    void ApplyView(const TRect2D& left, const TRect2D& right);

    TKivGraph& g_;
    int mouseState_ = msNone;
    int moveCount_ = 0;
    QPoint panAnchor_;
    QPoint zoomFrom_, zoomTo_;
    bool bandShown_ = false;
    TZoomThread* zoomThread_ = nullptr;
};
