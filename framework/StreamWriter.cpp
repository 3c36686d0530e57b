#include "framework/StreamWriter.h"

#include "framework/ComponentRegistry.h"
#include "framework/Exception.h"
#include "framework/RegisterStandard.h"
#include "framework/StreamCollection.h"
#include "framework/StreamConvert.h"
#include "framework/StreamEvents.h"
#include "framework/StreamParser.h"
#include "framework/StreamProperties.h"

#include <QSaveFile>
#include <memory>

namespace {
using Kind = TPublishedProperties::Kind;
const QString kStep = QStringLiteral("  ");
} // namespace

QString TStreamWriter::Write(const QObject* root)
{
    // Standard controls are components whether or not a description was read before.
    RegisterStandardComponents();
    TStreamWriter writer(root);
    writer.WriteObject(root, QString());
    return writer.out_;
}

void TStreamWriter::WriteToFile(const QObject* root, const QString& path)
{
    const QByteArray text = Write(root).toUtf8();
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size() || !file.commit())
        throw Exception(QStringLiteral("Cannot write window description '%1'").arg(path));
}

bool TStreamWriter::IsComponent(const QObject* child)
{
    return !child->objectName().isEmpty() && FindComponentClass(QLatin1String(child->metaObject()->className()));
}

void TStreamWriter::WriteObject(const QObject* object, const QString& indent)
{
    const QString className = QLatin1String(object->metaObject()->className());
    out_ += indent + QStringLiteral("object ") +
            (object->objectName().isEmpty() ? className : object->objectName() + QStringLiteral(": ") + className) +
            QLatin1Char('\n');
    const QObject* outer = component_;
    component_ = object;
    WriteProperties(object, QString(), indent + kStep);
    component_ = outer;
    for (const TStreamEvents::Binding& b : TStreamEvents::Bindings(object))
        out_ += indent + kStep + b.Event + QStringLiteral(" = ") + b.Handler + QLatin1Char('\n');
    for (const QObject* child : object->children())
        if (IsComponent(child))
            WriteObject(child, indent + kStep);
    out_ += indent + QStringLiteral("end\n");
}

void TStreamWriter::WriteProperties(const QObject* object, const QString& prefix, const QString& indent)
{
    for (const QMetaProperty& p : TPublishedProperties::Of(object->metaObject()))
        if (TPublishedProperties::IsStored(object, p))
            WriteProperty(object, p, prefix, indent);
}

void TStreamWriter::WriteProperty(const QObject* object, const QMetaProperty& p, const QString& prefix, const QString& indent)
{
    const QString name = prefix + QLatin1String(p.name());
    switch (TPublishedProperties::KindOf(p)) {
    case Kind::Record: {
        const QObject* record = p.read(object).value<QObject*>();
        // Only owned sub-objects are records; anything else is not ours to write.
        if (record && record->parent() == object)
            WriteRecord(record, name, indent);
        return;
    }
    case Kind::Reference: WriteReference(object, p, prefix, indent); return;
    case Kind::Unsupported: return;
    default: break;
    }
    if (!p.isWritable())
        return;
    const TStreamValue value = TStreamConvert::FromVariant(p, p.read(object));
    const QString canonical = TStreamConvert::Format(value, QString());
    if (EqualsDefault(object, p, canonical) && !TPublishedProperties::IsShared(object->metaObject(), p) &&
        ReadBackGives(name, canonical))
        return;
    out_ += indent + name + QStringLiteral(" = ") + TStreamConvert::Format(value, indent) + QLatin1Char('\n');
}

void TStreamWriter::WriteRecord(const QObject* record, const QString& name, const QString& indent)
{
    const auto* collection = dynamic_cast<const TStreamCollection*>(record);
    if (!collection) {
        WriteProperties(record, name + QLatin1Char('.'), indent);
        return;
    }
    // An empty collection is a collection's default.
    if (collection->Items().isEmpty())
        return;
    out_ += indent + name + QStringLiteral(" = <");
    // Items are built by the collection, not by the component's constructor.
    const QObject* owner = component_;
    component_ = nullptr;
    for (const QObject* item : collection->Items()) {
        out_ += QLatin1Char('\n') + indent + kStep + QStringLiteral("item\n");
        WriteProperties(item, QString(), indent + kStep + kStep);
        out_ += indent + kStep + QStringLiteral("end");
    }
    component_ = owner;
    out_ += QStringLiteral(">\n");
}

void TStreamWriter::WriteReference(const QObject* object, const QMetaProperty& p, const QString& prefix, const QString& indent)
{
    const QObject* target = p.read(object).value<QObject*>();
    // A link to something outside the written tree could not be restored.
    if (!target || target->objectName().isEmpty() || !IsWithinRoot(target))
        return;
    out_ += indent + prefix + QLatin1String(p.name()) + QStringLiteral(" = ") + target->objectName() + QLatin1Char('\n');
}

bool TStreamWriter::IsWithinRoot(const QObject* object) const
{
    for (const QObject* o = object; o; o = o->parent())
        if (o == root_)
            return true;
    return false;
}

// A property left out keeps the value a new instance is built with. A value
// equal to its declared default is therefore left out only when a new
// instance has that value too; otherwise leaving it out would lose it. A
// value taken from shared state is always written: the new instance built
// here sees the live objects' state, not what a later read will find.
bool TStreamWriter::ReadBackGives(const QString& path, const QString& canonical)
{
    if (!component_ || component_ == root_)
        return true; // the root is read into an existing object, not built anew
    const QString cls = QLatin1String(component_->metaObject()->className());
    auto values = fresh_.constFind(cls);
    if (values == fresh_.constEnd())
        values = fresh_.insert(cls, FreshValues(component_));
    const auto value = values->constFind(path);
    return value == values->constEnd() || *value == canonical;
}

QHash<QString, QString> TStreamWriter::FreshValues(const QObject* component)
{
    QHash<QString, QString> values;
    const std::optional<TComponentClass> c = FindComponentClass(QLatin1String(component->metaObject()->className()));
    if (!c)
        return values;
    try {
        std::unique_ptr<QObject> fresh(c->Create(nullptr));
        if (fresh)
            CollectValues(fresh.get(), QString(), values);
    } catch (const std::exception&) {
        // A class that cannot be built on its own is written by its declared defaults alone.
    }
    return values;
}

void TStreamWriter::CollectValues(const QObject* object, const QString& prefix, QHash<QString, QString>& values)
{
    for (const QMetaProperty& p : TPublishedProperties::Of(object->metaObject())) {
        const QString name = prefix + QLatin1String(p.name());
        const TPublishedProperties::Kind kind = TPublishedProperties::KindOf(p);
        if (kind == Kind::Record) {
            const QObject* record = p.read(object).value<QObject*>();
            if (record && record->parent() == object && !dynamic_cast<const TStreamCollection*>(record))
                CollectValues(record, name + QLatin1Char('.'), values);
        } else if (kind != Kind::Reference && kind != Kind::Unsupported && p.isWritable()) {
            values.insert(name, TStreamConvert::Format(TStreamConvert::FromVariant(p, p.read(object)), QString()));
        }
    }
}

bool TStreamWriter::EqualsDefault(const QObject* object, const QMetaProperty& p, const QString& canonical)
{
    const QMetaObject* meta = object->metaObject();
    const QString key = QLatin1String(meta->className()) + QLatin1Char('.') + QLatin1String(p.name());
    auto cached = defaults_.constFind(key);
    if (cached == defaults_.constEnd()) {
        const auto declared = TPublishedProperties::DeclaredDefault(meta, p);
        QString text;
        if (declared) {
            QString error;
            try {
                const auto v = TStreamConvert::ToVariant(p, TStreamParser::ParseValue(*declared, key), error);
                if (!v)
                    throw Exception(error);
                text = TStreamConvert::Format(TStreamConvert::FromVariant(p, *v), QString());
            } catch (const Exception& e) {
                throw Exception(QStringLiteral("Invalid declared default of %1: %2").arg(key, e.Message));
            }
        }
        cached = defaults_.insert(key, text);
    }
    return !cached->isNull() && *cached == canonical;
}
