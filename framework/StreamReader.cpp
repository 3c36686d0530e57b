#include "framework/StreamReader.h"

#include "framework/ComponentRegistry.h"
#include "framework/Control.h"
#include "framework/RegisterStandard.h"
#include "framework/StreamCollection.h"
#include "framework/StreamConvert.h"
#include "framework/StreamError.h"
#include "framework/StreamEvents.h"
#include "framework/StreamParser.h"
#include "framework/StreamProperties.h"
#include "framework/Streamable.h"

#include <QFile>
#include <QWidget>

namespace {

using Kind = TPublishedProperties::Kind;

void BeginLoadingOf(QObject* o)
{
    if (auto* c = qobject_cast<TControl*>(o))
        c->BeginLoading();
    else if (auto* s = dynamic_cast<TStreamable*>(o))
        s->BeginLoading();
}

void EndLoadingOf(QObject* o)
{
    if (auto* c = qobject_cast<TControl*>(o))
        c->EndLoading();
    else if (auto* s = dynamic_cast<TStreamable*>(o))
        s->EndLoading();
}

QString MessageOf(const std::exception& e)
{
    if (const auto* fw = dynamic_cast<const Exception*>(&e))
        return fw->Message;
    return QString::fromUtf8(e.what());
}

QString TextOf(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw EReadError(QStringLiteral("Cannot open window description '%1'").arg(path));
    return QString::fromUtf8(file.readAll());
}

bool IsWidgetClass(const QMetaObject* meta) { return meta->inherits(&QWidget::staticMetaObject); }

} // namespace

QObject* TStreamReader::Read(const QString& text, const QString& source, QObject* parent)
{
    const TStreamObject tree = TStreamParser::Parse(text, source);
    TStreamReader reader(source);
    return reader.Run(tree, nullptr, parent);
}

QObject* TStreamReader::ReadResource(const QString& path, QObject* parent) { return Read(TextOf(path), path, parent); }

void TStreamReader::ReadInto(QObject* root, const QString& text, const QString& source)
{
    const TStreamObject tree = TStreamParser::Parse(text, source);
    TStreamReader reader(source);
    reader.Run(tree, root, nullptr);
}

void TStreamReader::ReadResourceInto(QObject* root, const QString& path) { ReadInto(root, TextOf(path), path); }

void TStreamReader::Fail(int line, const QString& message) const { TStreamError::Throw(source_, line, message); }

QObject* TStreamReader::Run(const TStreamObject& tree, QObject* existingRoot, QObject* parent)
{
    RegisterStandardComponents();
    if (existingRoot) {
        CheckRootClass(tree, existingRoot);
        rootMeta_ = existingRoot->metaObject();
        CollectExistingNames(existingRoot);
    } else {
        rootMeta_ = RegisteredClass(tree);
    }
    Check(tree, rootMeta_, existingRoot ? nullptr : (parent ? parent->metaObject() : nullptr));
    try {
        if (existingRoot) {
            root_ = existingRoot;
            if (!tree.Name.isEmpty())
                root_->setObjectName(tree.Name);
            loading_.append({root_, tree.Line});
            BeginLoadingOf(root_);
            Load(root_, tree);
        } else {
            root_ = Create(tree, parent);
        }
        ResolveFixups();
        FinishLoading();
    } catch (...) {
        Cleanup();
        throw;
    }
    return root_;
}

void TStreamReader::CheckRootClass(const TStreamObject& tree, const QObject* root) const
{
    for (const QMetaObject* m = root->metaObject(); m; m = m->superClass())
        if (tree.ClassName.compare(QLatin1String(m->className()), Qt::CaseInsensitive) == 0)
            return;
    Fail(tree.Line, QStringLiteral("a description of class %1 cannot be read into a %2")
                        .arg(TStreamError::Quote(tree.ClassName), QLatin1String(root->metaObject()->className())));
}

const QMetaObject* TStreamReader::RegisteredClass(const TStreamObject& object) const
{
    const auto c = FindComponentClass(object.ClassName);
    if (!c)
        Fail(object.Line, QStringLiteral("unknown class %1").arg(TStreamError::Quote(object.ClassName)));
    return c->Meta;
}

void TStreamReader::CollectExistingNames(const QObject* root)
{
    for (const QObject* o : root->findChildren<QObject*>())
        if (!o->objectName().isEmpty())
            names_.append(o->objectName());
}

// Everything that can be known without creating a component.
void TStreamReader::Check(const TStreamObject& object, const QMetaObject* meta, const QMetaObject* parentMeta)
{
    CheckName(object);
    if (parentMeta && IsWidgetClass(meta) && !IsWidgetClass(parentMeta))
        Fail(object.Line, QStringLiteral("control %1 cannot be placed on a %2, which is not a control")
                              .arg(TStreamError::Quote(object.Name.isEmpty() ? object.ClassName : object.Name),
                                   QLatin1String(parentMeta->className())));
    for (const TStreamAssignment& a : object.Assignments)
        CheckAssignment(a, meta);
    for (const TStreamObject& child : object.Children)
        Check(child, RegisteredClass(child), meta);
}

void TStreamReader::CheckName(const TStreamObject& object)
{
    if (object.Name.isEmpty())
        return;
    if (object.Name.contains(QLatin1Char('.')))
        Fail(object.Line, QStringLiteral("invalid component name %1").arg(TStreamError::Quote(object.Name)));
    if (names_.contains(object.Name, Qt::CaseInsensitive))
        Fail(object.Line, QStringLiteral("a component named %1 already exists").arg(TStreamError::Quote(object.Name)));
    names_.append(object.Name);
}

void TStreamReader::CheckAssignment(const TStreamAssignment& a, const QMetaObject* meta)
{
    const Target t = Resolve(nullptr, meta, a.Name, a.Line);
    if (!t.Property) {
        CheckEvent(a, t.Meta, t.LastName);
        return;
    }
    const QMetaProperty& p = *t.Property;
    switch (TPublishedProperties::KindOf(p)) {
    case Kind::Reference:
        if (a.Value.ValueKind != TStreamValue::Identifier)
            Fail(a.Line, QStringLiteral("property '%1' expects a component name, not %2 %3")
                             .arg(a.Name, a.Value.KindName(), TStreamError::Quote(a.Value.Word())));
        return;
    case Kind::Record:
        // Only collections take a value as a whole; whether this record is
        // one shows when it exists.
        if (a.Value.ValueKind != TStreamValue::Collection)
            Fail(a.Line, QStringLiteral("property %1 is a record: set its fields, as in '%2.Name = ...'")
                             .arg(TStreamError::Quote(a.Name), a.Name));
        return;
    default: break;
    }
    if (!p.isWritable())
        Fail(a.Line, QStringLiteral("property %1 is read-only").arg(TStreamError::Quote(a.Name)));
    QString error;
    if (!TStreamConvert::ToVariant(p, a.Value, error))
        Fail(a.Value.Line, error);
}

void TStreamReader::CheckEvent(const TStreamAssignment& a, const QMetaObject* meta, const QString& name)
{
    const auto event = a.Name.contains(QLatin1Char('.')) ? std::nullopt : TPublishedProperties::FindEvent(meta, name);
    if (!event)
        Fail(a.Line, QStringLiteral("unknown property %1 of %2").arg(TStreamError::Quote(a.Name), QLatin1String(meta->className())));
    if (a.Value.ValueKind != TStreamValue::Identifier)
        Fail(a.Line, QStringLiteral("event '%1' expects a handler name, not %2 %3")
                         .arg(a.Name, a.Value.KindName(), TStreamError::Quote(a.Value.Word())));
    QString error;
    if (!TStreamEvents::FindHandler(rootMeta_, a.Value.Text, *event, error))
        Fail(a.Line, error);
}

// Record.Field paths lead only into sub-objects the component owns, so a
// description cannot reach another component through a property.
TStreamReader::Target TStreamReader::Resolve(QObject* object, const QMetaObject* meta, const QString& name, int line) const
{
    const QStringList parts = name.split(QLatin1Char('.'));
    for (qsizetype i = 0; i < parts.size(); ++i) {
        if (parts[i].isEmpty())
            Fail(line, QStringLiteral("invalid property name %1").arg(TStreamError::Quote(name)));
        const auto p = TPublishedProperties::Find(meta, parts[i]);
        if (i == parts.size() - 1)
            return {object, meta, p, parts[i]};
        if (!p || TPublishedProperties::KindOf(*p) != Kind::Record || !TPublishedProperties::PointeeClass(*p))
            Fail(line, QStringLiteral("unknown property %1 of %2: %3 is not a record")
                           .arg(TStreamError::Quote(name), QLatin1String(meta->className()), TStreamError::Quote(parts[i])));
        if (!object) {
            meta = TPublishedProperties::PointeeClass(*p);
            continue;
        }
        QObject* record = p->read(object).value<QObject*>();
        if (!record || record->parent() != object)
            Fail(line, QStringLiteral("record %1 of %2 cannot be written").arg(TStreamError::Quote(parts[i]), object->objectName()));
        object = record;
        meta = record->metaObject();
    }
    Fail(line, QStringLiteral("invalid property name %1").arg(TStreamError::Quote(name)));
}

QObject* TStreamReader::Create(const TStreamObject& object, QObject* parent)
{
    const auto c = FindComponentClass(object.ClassName);
    QObject* o = nullptr;
    try {
        o = c->Create(parent);
    } catch (const std::exception& e) {
        Fail(object.Line, QStringLiteral("%1 could not be created: %2").arg(TStreamError::Quote(object.ClassName), MessageOf(e)));
    }
    created_.append(o);
    if (!root_)
        root_ = o; // handlers of the components below are the root's slots
    if (parent && o->isWidgetType() && static_cast<QWidget*>(o)->isWindow())
        Fail(object.Line, QStringLiteral("window %1 cannot be placed inside another component")
                              .arg(TStreamError::Quote(object.Name.isEmpty() ? object.ClassName : object.Name)));
    o->setObjectName(object.Name);
    loading_.append({o, object.Line});
    BeginLoadingOf(o);
    Load(o, object);
    return o;
}

void TStreamReader::Load(QObject* object, const TStreamObject& description)
{
    for (const TStreamAssignment& a : description.Assignments)
        Apply(object, a, true);
    for (const TStreamObject& child : description.Children)
        Create(child, object);
}

void TStreamReader::Apply(QObject* object, const TStreamAssignment& a, bool allowEvents)
{
    const Target t = Resolve(object, object->metaObject(), a.Name, a.Line);
    if (!t.Property) {
        if (!allowEvents)
            Fail(a.Line, QStringLiteral("unknown property %1 of %2").arg(TStreamError::Quote(a.Name), QLatin1String(t.Meta->className())));
        ApplyEvent(object, a);
        return;
    }
    const QMetaProperty& p = *t.Property;
    switch (TPublishedProperties::KindOf(p)) {
    case Kind::Reference:
        if (a.Value.ValueKind != TStreamValue::Identifier)
            Fail(a.Line, QStringLiteral("property '%1' expects a component name").arg(a.Name));
        if (a.Value.Text.compare(QLatin1String("nil"), Qt::CaseInsensitive) == 0) {
            QObject* none = nullptr;
            Write(t.Object, p, QVariant(p.metaType(), &none), a.Line);
        } else {
            fixups_.append({t.Object, p, a.Value.Text, a.Line});
        }
        return;
    case Kind::Record: ApplyCollection(t, a); return;
    default: break;
    }
    QString error;
    const auto value = TStreamConvert::ToVariant(p, a.Value, error);
    if (!value)
        Fail(a.Value.Line, error);
    Write(t.Object, p, *value, a.Line);
}

void TStreamReader::ApplyEvent(QObject* object, const TStreamAssignment& a)
{
    const auto event = TPublishedProperties::FindEvent(object->metaObject(), a.Name);
    QString error;
    const auto handler = event ? TStreamEvents::FindHandler(root_->metaObject(), a.Value.Text, *event, error) : std::nullopt;
    if (!event || !handler)
        Fail(a.Line, event ? error : QStringLiteral("unknown property %1").arg(TStreamError::Quote(a.Name)));
    TStreamEvents::Bind(object, *event, root_, *handler);
}

void TStreamReader::ApplyCollection(const Target& t, const TStreamAssignment& a)
{
    QObject* record = t.Property->read(t.Object).value<QObject*>();
    auto* collection = dynamic_cast<TStreamCollection*>(record);
    if (!collection || a.Value.ValueKind != TStreamValue::Collection || record->parent() != t.Object)
        Fail(a.Line, QStringLiteral("property %1 is not a collection").arg(TStreamError::Quote(a.Name)));
    collection->ClearItems();
    for (const TStreamItem& item : a.Value.CollectionItems) {
        QObject* o = collection->AddItem();
        for (const TStreamAssignment& field : item.Assignments)
            Apply(o, field, false);
    }
}

void TStreamReader::Write(QObject* object, const QMetaProperty& property, const QVariant& value, int line)
{
    try {
        if (!property.write(object, value))
            Fail(line, QStringLiteral("property %1 could not be set").arg(TStreamError::Quote(QLatin1String(property.name()))));
    } catch (const EReadError&) {
        throw;
    } catch (const std::exception& e) {
        Fail(line, QStringLiteral("property %1: %2").arg(TStreamError::Quote(QLatin1String(property.name())), MessageOf(e)));
    }
}

QObject* TStreamReader::FindComponent(const QString& name) const
{
    if (root_->objectName().compare(name, Qt::CaseInsensitive) == 0)
        return root_;
    for (QObject* o : root_->findChildren<QObject*>())
        if (o->objectName().compare(name, Qt::CaseInsensitive) == 0)
            return o;
    return nullptr;
}

void TStreamReader::ResolveFixups()
{
    for (const Fixup& f : fixups_) {
        QObject* target = FindComponent(f.Name);
        if (!target)
            Fail(f.Line, QStringLiteral("unknown component %1").arg(TStreamError::Quote(f.Name)));
        const QMetaObject* wanted = TPublishedProperties::PointeeClass(f.Property);
        if (!target->metaObject()->inherits(wanted))
            Fail(f.Line, QStringLiteral("component %1 is not a %2").arg(TStreamError::Quote(f.Name), QLatin1String(wanted->className())));
        if (f.Object)
            Write(f.Object, f.Property, QVariant(f.Property.metaType(), &target), f.Line);
    }
}

void TStreamReader::FinishLoading()
{
    // Taken off the list one by one, so a failure leaves only the rest for Cleanup.
    while (!loading_.isEmpty()) {
        const Loading l = loading_.takeFirst();
        if (!l.Object)
            continue;
        try {
            EndLoadingOf(l.Object);
        } catch (const std::exception& e) {
            Fail(l.Line, QStringLiteral("%1 could not finish loading: %2")
                             .arg(TStreamError::Quote(l.Object->objectName()), MessageOf(e)));
        }
    }
}

void TStreamReader::Cleanup() noexcept
{
    for (qsizetype i = created_.size() - 1; i >= 0; --i)
        delete created_[i].data();
    created_.clear();
    // An existing root must not stay in its loading state.
    for (const Loading& l : loading_) {
        if (!l.Object)
            continue;
        try {
            EndLoadingOf(l.Object);
        } catch (...) {
        }
    }
    loading_.clear();
}
