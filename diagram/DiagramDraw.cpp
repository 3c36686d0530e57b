#include "diagram/DiagramDraw.h"

#include "framework/SegmentPainter.h"

namespace DiagramDraw {

void CopyToBitmap(TBitmap& target, TCanvas& source, const TRect& area)
{
    target.SetSize(area.Width(), area.Height());
    target.Canvas().CopyRect(TRect(0, 0, area.Width(), area.Height()), source, area);
}

void StrokePath(TCanvas& c, const QVector<QPoint>& path)
{
    if (path.isEmpty())
        return;
    TSegmentPainter segments(c);
    for (qsizetype i = 1; i < path.size(); ++i)
        segments.Add(path[i - 1], path[i]);
    segments.Flush();
    c.PenPos = path.back();
}

} // namespace DiagramDraw
