#include "graph/PolygonClip.h"

#include <functional>

namespace {

// Keeps the part of the polygon on the inner side of one edge of the rectangle.
std::vector<QPointF> ClipEdge(const std::vector<QPointF>& in, const std::function<bool(const QPointF&)>& inside,
                              const std::function<QPointF(const QPointF&, const QPointF&)>& cut)
{
    std::vector<QPointF> out;
    out.reserve(in.size() + 4);
    for (size_t i = 0; i < in.size(); ++i) {
        const QPointF& a = in[i];
        const QPointF& b = in[(i + 1) % in.size()];
        const bool ia = inside(a), ib = inside(b);
        if (ia)
            out.push_back(a);
        if (ia != ib)
            out.push_back(cut(a, b));
    }
    return out;
}

QPointF AtX(const QPointF& a, const QPointF& b, double x)
{
    return QPointF(x, a.y() + (b.y() - a.y()) * (x - a.x()) / (b.x() - a.x()));
}

QPointF AtY(const QPointF& a, const QPointF& b, double y)
{
    return QPointF(a.x() + (b.x() - a.x()) * (y - a.y()) / (b.y() - a.y()), y);
}

} // namespace

std::vector<QPointF> ClipPolygon(const std::vector<QPointF>& polygon, const QRectF& r)
{
    std::vector<QPointF> p = polygon;
    const double l = r.left(), t = r.top(), rt = r.right(), b = r.bottom();
    p = ClipEdge(p, [&](const QPointF& q) { return q.x() >= l; }, [&](const QPointF& a, const QPointF& c) { return AtX(a, c, l); });
    p = ClipEdge(p, [&](const QPointF& q) { return q.x() <= rt; }, [&](const QPointF& a, const QPointF& c) { return AtX(a, c, rt); });
    p = ClipEdge(p, [&](const QPointF& q) { return q.y() >= t; }, [&](const QPointF& a, const QPointF& c) { return AtY(a, c, t); });
    p = ClipEdge(p, [&](const QPointF& q) { return q.y() <= b; }, [&](const QPointF& a, const QPointF& c) { return AtY(a, c, b); });
    return p;
}
