#include "reference/ClassReference.h"

#include "framework/StreamProperties.h"

#include <QMetaMethod>
#include <QMetaProperty>

namespace {

// Records nest a few levels at most (a diagram's settings, a scale's font);
// the bound only guards against a record class that points at itself.
constexpr int kMaxRecordDepth = 3;

bool IsQtClass(const QMetaObject* meta) { return meta->className()[0] == 'Q'; }

} // namespace

QList<TPropertyRow> TClassReference::Properties(const QMetaObject* meta)
{
    QList<TPropertyRow> rows;
    AppendProperties(meta, QString(), 0, rows);
    return rows;
}

void TClassReference::AppendProperties(const QMetaObject* meta, const QString& prefix, int depth,
                                       QList<TPropertyRow>& rows)
{
    for (const QMetaProperty& p : TPublishedProperties::Of(meta)) {
        TPropertyRow row;
        row.Name = QString::fromLatin1(p.name());
        row.Path = prefix + row.Name;
        row.Type = QString::fromLatin1(TPublishedProperties::DeclaredTypeName(p));
        row.Default = TPublishedProperties::DeclaredDefault(meta, p);
        row.Stored = p.isStored();
        row.Owner = meta;
        row.Record = TPublishedProperties::KindOf(p) == TPublishedProperties::Record;
        rows.append(row);
        const QMetaObject* record = row.Record ? TPublishedProperties::PointeeClass(p) : nullptr;
        if (record && depth < kMaxRecordDepth)
            AppendProperties(record, row.Path + QLatin1Char('.'), depth + 1, rows);
    }
}

// A base declares the notify signals of properties that only its subclasses
// publish (DragModeChanged); a parameterless <Name>Changed is never an event.
static bool IsNotifySignal(const QMetaMethod& m)
{
    const QByteArray name = m.name();
    return m.parameterCount() == 0 && name.endsWith("Changed") && !name.startsWith("On") && !name.startsWith("After");
}

QList<TEventRow> TClassReference::Events(const QMetaObject* meta)
{
    QList<TEventRow> rows;
    QStringList seen;
    // A property's notify signal (<Name>Changed) belongs to its row, not to the events.
    QList<int> notifiers;
    for (int p = 0; p < meta->propertyCount(); ++p)
        notifiers.append(meta->property(p).notifySignalIndex());
    for (int i = 0; i < meta->methodCount(); ++i) {
        const QMetaMethod m = meta->method(i);
        if (m.methodType() != QMetaMethod::Signal || IsQtClass(m.enclosingMetaObject()) || notifiers.contains(i))
            continue;
        const QString name = QString::fromLatin1(m.name());
        if (seen.contains(name) || IsNotifySignal(m))
            continue;
        seen.append(name);
        QStringList parameters;
        const QList<QByteArray> types = m.parameterTypes();
        const QList<QByteArray> names = m.parameterNames();
        for (int k = 0; k < types.size(); ++k)
            parameters.append(QString::fromLatin1(types[k] + ' ' + names.value(k)).trimmed());
        rows.append({name, name + QLatin1Char('(') + parameters.join(QStringLiteral(", ")) + QLatin1Char(')'), meta});
    }
    return rows;
}

const QMetaObject* TClassReference::DeclaringClass(const QMetaObject* meta, const QString& name, bool event)
{
    const QByteArray latin = name.toLatin1();
    for (const QMetaObject* m = meta; m && !IsQtClass(m); m = m->superClass()) {
        if (event) {
            for (int i = m->methodOffset(); i < m->methodCount(); ++i)
                if (m->method(i).methodType() == QMetaMethod::Signal && m->method(i).name() == latin)
                    return m;
        } else {
            const int index = m->indexOfProperty(latin.constData());
            if (index >= m->propertyOffset())
                return m;
        }
    }
    return nullptr;
}
