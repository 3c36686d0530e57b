#include "graph/ZoomThread.h"

#include "graph/KivGraph.h"

TZoomThread::TZoomThread(TKivGraph* graph, const TRect2D& fromLeft, const TRect2D& fromRight, const TRect2D& toLeft,
                         const TRect2D& toRight, int zoomTime, int renderTime)
    : TThread(false), graph_(graph), fromLeft_(fromLeft), fromRight_(fromRight), toLeft_(toLeft), toRight_(toRight),
      zoomTime_(zoomTime), elapsed_(renderTime)
{
}

TZoomThread::~TZoomThread()
{
    // Execute uses this object's members: the worker must be gone before they are.
    Terminate();
    WaitFor();
}

TRect2D TZoomThread::Step(const TRect2D& from, const TRect2D& to, int zoomTime, int elapsed)
{
    const auto at = [&](double a, double b) { return a + (b - a) / zoomTime * elapsed; };
    return TRect2D{at(from.XMin, to.XMin), at(from.YMin, to.YMin), at(from.XMax, to.XMax), at(from.YMax, to.YMax)};
}

void TZoomThread::Execute()
{
    bool last = false;
    while (!last && !Terminated()) {
        const uint32_t start = GetTickCount();
        if (elapsed_ >= zoomTime_) {
            elapsed_ = zoomTime_;
            last = true;
        }
        ShowStep(Step(fromLeft_, toLeft_, zoomTime_, elapsed_), Step(fromRight_, toRight_, zoomTime_, elapsed_));
        if (GetTickCount() == start)
            Sleep(1); // a step within one tick would show the same frame again
        elapsed_ += int(GetTickCount() - start);
    }
    if (!Terminated())
        Finish();
}

void TZoomThread::ShowStep(const TRect2D& left, const TRect2D& right)
{
    Synchronize([&] {
        if (Terminated())
            return;
        graph_->SetVisLeftRect(left);
        if (graph_->RightAxis)
            graph_->SetVisRightRect(right);
        graph_->NeedsRender = true;
        graph_->DrawGraph();
    });
}

// Decided on the user-interface thread, where the graph's destructor runs
// too: either the graph lets go of this thread here and it frees itself, or
// the graph terminated it first and frees it.
void TZoomThread::Finish()
{
    Synchronize([this] {
        if (Terminated())
            return;
        graph_->ZoomThreadDone(this);
        FreeOnTerminate = true;
    });
}
