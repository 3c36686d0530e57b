#include "framework/StreamEvents.h"

#include "framework/StreamError.h"
#include "framework/StreamProperties.h"

#include <algorithm>

namespace {

// fw::TMouseButton and TMouseButton name the same type; compare without namespaces.
QByteArray Unqualified(QByteArray typeName)
{
    const qsizetype at = typeName.lastIndexOf("::");
    return at < 0 ? typeName : typeName.mid(at + 2);
}

bool SameParameterType(const QMetaMethod& a, const QMetaMethod& b, int i)
{
    const QMetaType ta = a.parameterMetaType(i);
    const QMetaType tb = b.parameterMetaType(i);
    if (ta.isValid() && tb.isValid())
        return ta == tb;
    return Unqualified(a.parameterTypeName(i)) == Unqualified(b.parameterTypeName(i));
}

} // namespace

TStreamEvents::TStreamEvents(QObject* component) : QObject(component) {}

TStreamEvents* TStreamEvents::Of(const QObject* component, bool create)
{
    auto* existing = component->findChild<TStreamEvents*>(QString(), Qt::FindDirectChildrenOnly);
    if (existing || !create)
        return existing;
    return new TStreamEvents(const_cast<QObject*>(component));
}

bool TStreamEvents::Compatible(const QMetaMethod& event, const QMetaMethod& handler)
{
    if (handler.parameterCount() > event.parameterCount())
        return false;
    for (int i = 0; i < handler.parameterCount(); ++i)
        if (!SameParameterType(event, handler, i))
            return false;
    return true;
}

std::optional<QMetaMethod> TStreamEvents::FindHandler(const QMetaObject* root, const QString& handler,
                                                      const QMetaMethod& event, QString& error)
{
    bool named = false;
    for (int i = 0; i < root->methodCount(); ++i) {
        const QMetaMethod m = root->method(i);
        if (m.methodType() != QMetaMethod::Slot && m.methodType() != QMetaMethod::Method)
            continue;
        if (QLatin1String(m.name()).compare(handler, Qt::CaseInsensitive) != 0)
            continue;
        named = true;
        if (Compatible(event, m))
            return m;
    }
    if (named)
        error = QStringLiteral("handler %1 does not fit event '%2(%3)'")
                    .arg(TStreamError::Quote(handler), QLatin1String(event.name()),
                         QString::fromLatin1(event.parameterTypes().join(", ")));
    else
        error = QStringLiteral("unknown handler %1 for event '%2' (no such slot in %3)")
                    .arg(TStreamError::Quote(handler), QLatin1String(event.name()), QLatin1String(root->className()));
    return std::nullopt;
}

bool TStreamEvents::Bind(QObject* component, const QString& event, QObject* root, const QString& handler, QString& error)
{
    const auto signal = TPublishedProperties::FindEvent(component->metaObject(), event);
    if (!signal) {
        error = QStringLiteral("unknown event %1 of %2").arg(TStreamError::Quote(event), QLatin1String(component->metaObject()->className()));
        return false;
    }
    const auto slot = FindHandler(root->metaObject(), handler, *signal, error);
    if (!slot)
        return false;
    Bind(component, *signal, root, *slot);
    return true;
}

void TStreamEvents::Bind(QObject* component, const QMetaMethod& event, QObject* root, const QMetaMethod& handler)
{
    TStreamEvents* events = Of(component, true);
    auto& entries = events->entries_;
    const auto old = std::find_if(entries.begin(), entries.end(), [&](const Entry& e) { return e.EventIndex == event.methodIndex(); });
    if (old != entries.end()) {
        QObject::disconnect(old->Connection);
        entries.erase(old);
    }
    // The types were checked above by name and meta-type; Qt's own check
    // compares spelled type names only and would refuse TMouseButton for
    // fw::TMouseButton.
    const QMetaObject::Connection c =
        QMetaObject::connect(component, event.methodIndex(), root, handler.methodIndex(), Qt::DirectConnection);
    entries.append({event.methodIndex(), QString::fromLatin1(handler.name()), c});
}

QList<TStreamEvents::Binding> TStreamEvents::Bindings(const QObject* component)
{
    QList<Binding> result;
    const TStreamEvents* events = Of(component, false);
    if (!events)
        return result;
    QList<Entry> live;
    for (const Entry& e : events->entries_)
        if (e.Connection)
            live.append(e);
    std::sort(live.begin(), live.end(), [](const Entry& a, const Entry& b) { return a.EventIndex < b.EventIndex; });
    for (const Entry& e : live)
        result.append({QString::fromLatin1(component->metaObject()->method(e.EventIndex).name()), e.Handler});
    return result;
}
