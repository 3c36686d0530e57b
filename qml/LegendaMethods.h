#pragma once
// A legend (Legenda) in QML lists the series of the trend graph item it is
// given: `graph: houseGraph`. The generated Legenda type takes this member
// as its own (QML_EXTENDED).

#include <QObject>
#include <QPointer>

class QuilItem;

class QuilLegendaMethods : public QObject {
    Q_OBJECT
    // A KivGraph item, or null.
    Q_PROPERTY(QObject* graph READ GraphItem WRITE SetGraphItem NOTIFY graphChanged)

public:
    // parent: the Legenda item the member extends.
    explicit QuilLegendaMethods(QObject* parent);

    QObject* GraphItem() const;
    void SetGraphItem(QObject* item);

signals:
    void graphChanged();

private:
    QPointer<QuilItem> graph_;
};
