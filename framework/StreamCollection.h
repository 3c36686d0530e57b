#pragma once
// A record that holds a list of items, streamed as a collection value:
//   Columns = <
//     item
//       Width = 40
//     end>
// The record implements this beside QObject; the items are QObjects whose
// published properties are streamed like any record's.

#include <QList>
#include <QObject>

class TStreamCollection {
public:
    virtual ~TStreamCollection() = default;
    virtual void ClearItems() = 0;
    // A new item at the end, owned by the collection.
    virtual QObject* AddItem() = 0;
    virtual QList<QObject*> Items() const = 0;
};
