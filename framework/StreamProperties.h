#pragma once
// What the window-description reader and writer know about a published
// property, read from Qt's meta-object system and the class infos beside it:
//   Q_CLASSINFO("default:Speed", "10")        declared streaming default
//   Q_CLASSINFO("stored:Font", "IsFontStored") a Q_INVOKABLE bool deciding storage
//   Q_CLASSINFO("binary:RgnData", "counted")  binary stored as 32-bit LE count + bytes
// Properties of Qt's own base classes (objectName, geometry, ...) are not published.

#include <QByteArray>
#include <QList>
#include <QMetaObject>
#include <QMetaProperty>
#include <QObject>
#include <QString>
#include <optional>

class TPublishedProperties {
public:
    enum Kind {
        Boolean, Integer, Color, Float, String, Enumeration, Set, Binary, StringList,
        Reference, // writable pointer to a component (control or registered class): written by name
        Record,    // pointer to an owned sub-object (read-only, or set by copying): written as Record.Prop
        Unsupported
    };

    // Published properties in published order: base classes first; a property
    // redeclared by a subclass appears once, in the subclass's form.
    static QList<QMetaProperty> Of(const QMetaObject* meta);
    // The published property of this name (exact match first, then ignoring case).
    static std::optional<QMetaProperty> Find(const QMetaObject* meta, const QString& name);
    // The signal of this name (an event), if any.
    static std::optional<QMetaMethod> FindEvent(const QMetaObject* meta, const QString& name);

    static Kind KindOf(const QMetaProperty& property);
    // The type as written in the class declaration ("TColor", not "int").
    static QByteArray DeclaredTypeName(const QMetaProperty& property);
    // The class of the object a Record or Reference property points to.
    static const QMetaObject* PointeeClass(const QMetaProperty& property);

    static std::optional<QString> DeclaredDefault(const QMetaObject* meta, const QMetaProperty& property);
    static bool IsStored(const QObject* object, const QMetaProperty& property);
    static bool IsCountedBinary(const QMetaObject* meta, const QMetaProperty& property);
    // Q_CLASSINFO("shared:Prop", "<where from>"): the constructor takes the value
    // from state shared by live components, so a new instance cannot tell
    // what reading a description without the value would give.
    static bool IsShared(const QMetaObject* meta, const QMetaProperty& property);

private:
    static std::optional<QString> ClassInfo(const QMetaObject* meta, const QByteArray& key);
    // The Qt class the component derives from; its own members are not published.
    static const QMetaObject* QtBase(const QMetaObject* meta);
};
