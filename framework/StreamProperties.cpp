#include "framework/StreamProperties.h"

#include "framework/ComponentRegistry.h"

#include <QHash>
#include <QMetaClassInfo>
#include <QWidget>
#include <QStringList>

namespace {

// Qt's meta-object data as moc lays it out (revision 10 and later): the header
// ints, then five ints per property (name, type, flags, notify, revision).
// The declared type name is only kept there for types moc does not know,
// which is exactly the case for aliases such as TColor.
constexpr int kRevisionIndex = 0;
constexpr int kPropertyDataIndex = 7;
constexpr int kPropertyStride = 5;
constexpr uint kIsUnresolvedType = 0x80000000u;

QByteArray StringFromMetaData(const QMetaObject* meta, uint index)
{
    const uint* offsetAndLength = meta->d.stringdata + 2 * index;
    return QByteArray(reinterpret_cast<const char*>(meta->d.stringdata) + offsetAndLength[0],
                      qsizetype(offsetAndLength[1]));
}

} // namespace

const QMetaObject* TPublishedProperties::QtBase(const QMetaObject* meta)
{
    // The first class up the chain that belongs to Qt ends the published part.
    for (const QMetaObject* m = meta; m; m = m->superClass())
        if (m->className()[0] == 'Q')
            return m;
    return nullptr;
}

QList<QMetaProperty> TPublishedProperties::Of(const QMetaObject* meta)
{
    // Meta-objects never change; each class is worked out once per thread.
    thread_local QHash<const QMetaObject*, QList<QMetaProperty>> cache;
    auto cached = cache.constFind(meta);
    if (cached != cache.constEnd())
        return *cached;
    QList<QMetaProperty> result;
    QStringList seen;
    const QMetaObject* base = QtBase(meta);
    for (int i = base ? base->propertyCount() : 0; i < meta->propertyCount(); ++i) {
        const QString name = QString::fromLatin1(meta->property(i).name());
        if (seen.contains(name))
            continue;
        seen.append(name);
        result.append(meta->property(meta->indexOfProperty(meta->property(i).name())));
    }
    cache.insert(meta, result);
    return result;
}

std::optional<QMetaProperty> TPublishedProperties::Find(const QMetaObject* meta, const QString& name)
{
    const QList<QMetaProperty> all = Of(meta);
    for (const QMetaProperty& p : all)
        if (QLatin1String(p.name()) == name)
            return p;
    for (const QMetaProperty& p : all)
        if (name.compare(QLatin1String(p.name()), Qt::CaseInsensitive) == 0)
            return p;
    return std::nullopt;
}

std::optional<QMetaMethod> TPublishedProperties::FindEvent(const QMetaObject* meta, const QString& name)
{
    std::optional<QMetaMethod> caseless;
    const QMetaObject* base = QtBase(meta);
    for (int i = base ? base->methodCount() : 0; i < meta->methodCount(); ++i) {
        const QMetaMethod m = meta->method(i);
        if (m.methodType() != QMetaMethod::Signal)
            continue;
        const QString methodName = QString::fromLatin1(m.name());
        if (methodName == name)
            return m;
        if (!caseless && methodName.compare(name, Qt::CaseInsensitive) == 0)
            caseless = m;
    }
    return caseless;
}

QByteArray TPublishedProperties::DeclaredTypeName(const QMetaProperty& property)
{
    const QMetaObject* meta = property.enclosingMetaObject();
    const uint* data = meta->d.data;
    if (int(data[kRevisionIndex]) < 10)
        return property.typeName();
    const int local = property.propertyIndex() - meta->propertyOffset();
    const uint typeInfo = data[data[kPropertyDataIndex] + uint(kPropertyStride * local) + 1];
    if (typeInfo & kIsUnresolvedType)
        return StringFromMetaData(meta, typeInfo & ~kIsUnresolvedType);
    return property.typeName();
}

const QMetaObject* TPublishedProperties::PointeeClass(const QMetaProperty& property)
{
    if (!(property.metaType().flags() & QMetaType::PointerToQObject))
        return nullptr;
    return property.metaType().metaObject();
}

// A writable pointer to a component (a control, or a registered class) names
// another component; a writable pointer to anything else is an owned
// sub-object whose setter copies (a palette, a marker), streamed as a record.
static bool IsComponentClass(const QMetaObject* meta)
{
    return meta->inherits(&QWidget::staticMetaObject) || FindComponentClass(QLatin1String(meta->className()));
}

TPublishedProperties::Kind TPublishedProperties::KindOf(const QMetaProperty& property)
{
    if (property.isFlagType())
        return Set;
    if (property.isEnumType())
        return Enumeration;
    if (const QMetaObject* pointee = PointeeClass(property))
        return property.isWritable() && IsComponentClass(pointee) ? Reference : Record;
    if (DeclaredTypeName(property) == "TColor")
        return Color;
    switch (property.metaType().id()) {
    case QMetaType::Bool: return Boolean;
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Char:
    case QMetaType::SChar:
    case QMetaType::UChar:
    case QMetaType::Long:
    case QMetaType::ULong:
    case QMetaType::LongLong:
    case QMetaType::ULongLong: return Integer;
    case QMetaType::Double:
    case QMetaType::Float: return Float;
    case QMetaType::QString: return String;
    case QMetaType::QByteArray: return Binary;
    case QMetaType::QStringList: return StringList;
    default: return Unsupported;
    }
}

std::optional<QString> TPublishedProperties::ClassInfo(const QMetaObject* meta, const QByteArray& key)
{
    const int at = meta->indexOfClassInfo(key.constData());
    if (at < 0)
        return std::nullopt;
    return QString::fromUtf8(meta->classInfo(at).value());
}

std::optional<QString> TPublishedProperties::DeclaredDefault(const QMetaObject* meta, const QMetaProperty& property)
{
    return ClassInfo(meta, QByteArray("default:") + property.name());
}

bool TPublishedProperties::IsShared(const QMetaObject* meta, const QMetaProperty& property)
{
    return ClassInfo(meta, QByteArray("shared:") + property.name()).has_value();
}

bool TPublishedProperties::IsStored(const QObject* object, const QMetaProperty& property)
{
    if (!property.isStored())
        return false;
    const auto method = ClassInfo(object->metaObject(), QByteArray("stored:") + property.name());
    if (!method)
        return true;
    bool stored = true;
    QMetaObject::invokeMethod(const_cast<QObject*>(object), method->toLatin1().constData(), Qt::DirectConnection,
                              Q_RETURN_ARG(bool, stored));
    return stored;
}

bool TPublishedProperties::IsCountedBinary(const QMetaObject* meta, const QMetaProperty& property)
{
    const auto kind = ClassInfo(meta, QByteArray("binary:") + property.name());
    return kind && kind->compare(QLatin1String("counted"), Qt::CaseInsensitive) == 0;
}
