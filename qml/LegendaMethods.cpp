#include "qml/LegendaMethods.h"

#include "graph/KivGraph.h"
#include "graph/Legenda.h"
#include "qml/QmlArguments.h"
#include "qml/QuilItem.h"

QuilLegendaMethods::QuilLegendaMethods(QObject* parent) : QObject(parent) {}

QObject* QuilLegendaMethods::GraphItem() const { return graph_.data(); }

void QuilLegendaMethods::SetGraphItem(QObject* item)
{
    auto* quil = qobject_cast<QuilItem*>(item);
    auto* graph = quil ? qobject_cast<TKivGraph*>(quil->Component()) : nullptr;
    if (item && !graph) {
        ThrowQmlError(parent(), QStringLiteral("Legenda.graph: %1 is no KivGraph").arg(QLatin1String(item->metaObject()->className())));
        return;
    }
    if (quil == graph_)
        return;
    graph_ = quil;
    auto* legend = static_cast<TLegenda*>(static_cast<QuilItem*>(parent())->Component());
    legend->SetKivGraph(graph);
    emit graphChanged();
}
