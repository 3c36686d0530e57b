#pragma once
// TZoomThread: animates a zoom of a TKivGraph. The worker moves both visible
// rectangles from their start towards their target in proportion to the time
// gone by, and hands every step to the user-interface thread, where the graph
// takes the rectangles and renders. The first step already shows where the
// animation would be after one render. Only the synchronized calls touch the
// graph. A thread that runs to its end tells the graph and frees itself; a
// graph destroyed meanwhile terminates it and frees it (the destructor waits
// for the worker, so no step ever reaches a graph that is gone).

#include "framework/Thread.h"
#include "graph/Rect2D.h"

class TKivGraph;

class TZoomThread : public TThread {
public:
    TZoomThread(TKivGraph* graph, const TRect2D& fromLeft, const TRect2D& fromRight, const TRect2D& toLeft,
                const TRect2D& toRight, int zoomTime, int renderTime);
    ~TZoomThread() override;

    // The rectangle `elapsed` ms into an animation of `zoomTime` ms.
    static TRect2D Step(const TRect2D& from, const TRect2D& to, int zoomTime, int elapsed);

protected:
    void Execute() override;

private:
    void ShowStep(const TRect2D& left, const TRect2D& right);
    void Finish();

    TKivGraph* const graph_;
    const TRect2D fromLeft_, fromRight_, toLeft_, toRight_;
    const int zoomTime_;
    int elapsed_;
};
