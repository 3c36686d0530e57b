#include "framework/Notify.h"

#include <QMetaProperty>

namespace {

// The notifying properties its own class declares: those of its bases tell
// their changes themselves.
template <class Visit>
void ForEachNotifying(const QObject* object, Visit&& visit)
{
    const QMetaObject* meta = object->metaObject();
    for (int i = meta->propertyOffset(); i < meta->propertyCount(); ++i) {
        const QMetaProperty p = meta->property(i);
        if (p.hasNotifySignal())
            visit(p);
    }
}

} // namespace

void TNotifiedValues::Track(const QObject* object)
{
    values_.clear();
    ForEachNotifying(object, [&](const QMetaProperty& p) { values_.append(p.read(object)); });
}

void TNotifiedValues::Notify(QObject* object)
{
    qsizetype n = 0;
    ForEachNotifying(object, [&](const QMetaProperty& p) {
        QVariant now = p.read(object);
        if (n < values_.size() && now != values_[n]) {
            values_[n] = std::move(now);
            p.notifySignal().invoke(object, Qt::DirectConnection);
        }
        ++n;
    });
}
