#pragma once
// Writes a component tree as a window description (the classic component-
// stream text form). A property is written when it is stored and differs from
// its declared default (a property without one is always written), in
// published order; records are written as Record.Field, collections with
// items as < item ... end >, references by component name, events by handler name.
// Children are written as nested objects when their class is registered and
// they have a name (unnamed helpers such as a control's own timer are parts
// of their owner, not components of the window).

#include <QHash>
#include <QMetaProperty>
#include <QObject>
#include <QString>

class TStreamWriter {
public:
    static QString Write(const QObject* root);
    // Writes to a file atomically: the old file stays intact if writing fails.
    static void WriteToFile(const QObject* root, const QString& path);

private:
    explicit TStreamWriter(const QObject* root) : root_(root) {}

    void WriteObject(const QObject* object, const QString& indent);
    void WriteProperties(const QObject* object, const QString& prefix, const QString& indent);
    void WriteProperty(const QObject* object, const QMetaProperty& property, const QString& prefix, const QString& indent);
    void WriteRecord(const QObject* record, const QString& name, const QString& indent);
    void WriteReference(const QObject* object, const QMetaProperty& property, const QString& prefix, const QString& indent);
    bool EqualsDefault(const QObject* object, const QMetaProperty& property, const QString& canonical);
    bool ReadBackGives(const QString& path, const QString& canonical);
    static QHash<QString, QString> FreshValues(const QObject* component);
    static void CollectValues(const QObject* object, const QString& prefix, QHash<QString, QString>& values);
    bool IsWithinRoot(const QObject* object) const;
    static bool IsComponent(const QObject* child);

    const QObject* root_;
    const QObject* component_ = nullptr; // the component whose properties are being written
    QString out_;
    QHash<QString, QString> defaults_; // "Class.Property" -> canonical default text
    QHash<QString, QHash<QString, QString>> fresh_; // class -> property path -> text of a new instance
};
