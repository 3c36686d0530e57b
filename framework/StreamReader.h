#pragma once
// Reads window descriptions (the classic component-stream text form) into
// components through Qt's meta-object system and the component registry.
//
// The whole text is parsed and checked first (classes, properties, value
// kinds, events and handlers), so most faults are found before a single
// component exists. Components are then created hidden, in file order, each
// in its loading state while its properties are set in file order; component
// references are resolved at the end and every component's EndLoading /
// Loaded runs once the whole description is read. A property absent from the
// description keeps the value its constructor gave it.
//
// Any fault throws EReadError naming the source, the line and the offending
// word, after deleting every component created so far. The reader only
// touches the components it creates, the root it was asked to read into, and
// the records those own; handlers are slots of the root.

#include <QList>
#include <QMetaProperty>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <optional>

struct TStreamObject;
struct TStreamAssignment;
struct TStreamValue;

class TStreamReader {
public:
    // Creates the component tree of the description; its top object gets
    // parent (a top-level window stays hidden until shown).
    static QObject* Read(const QString& text, const QString& source, QObject* parent = nullptr);
    // The same from a file or a Qt resource path (":/forms/MainForm.dfm").
    static QObject* ReadResource(const QString& path, QObject* parent = nullptr);

    // Reads the description's own properties and children into an existing
    // root, whose class must be the described class or derive from it.
    static void ReadInto(QObject* root, const QString& text, const QString& source);
    static void ReadResourceInto(QObject* root, const QString& path);

private:
    explicit TStreamReader(QString source) : source_(std::move(source)) {}

    struct Target {
        QObject* Object = nullptr;
        const QMetaObject* Meta = nullptr;
        std::optional<QMetaProperty> Property; // empty: the last name is not a property
        QString LastName;
    };
    struct Fixup {
        QPointer<QObject> Object;
        QMetaProperty Property;
        QString Name;
        int Line;
    };
    struct Loading {
        QPointer<QObject> Object;
        int Line;
    };

    QObject* Run(const TStreamObject& tree, QObject* existingRoot, QObject* parent);
    void CheckRootClass(const TStreamObject& tree, const QObject* root) const;
    const QMetaObject* RegisteredClass(const TStreamObject& object) const;
    void CollectExistingNames(const QObject* root);
    void Check(const TStreamObject& object, const QMetaObject* meta, const QMetaObject* parentMeta);
    void CheckName(const TStreamObject& object);
    void CheckAssignment(const TStreamAssignment& a, const QMetaObject* meta);
    void CheckEvent(const TStreamAssignment& a, const QMetaObject* meta, const QString& name);

    QObject* Create(const TStreamObject& object, QObject* parent);
    void Load(QObject* object, const TStreamObject& description);
    void Apply(QObject* object, const TStreamAssignment& a, bool allowEvents);
    void ApplyEvent(QObject* object, const TStreamAssignment& a);
    void ApplyCollection(const Target& t, const TStreamAssignment& a);
    void Write(QObject* object, const QMetaProperty& property, const QVariant& value, int line);
    Target Resolve(QObject* object, const QMetaObject* meta, const QString& name, int line) const;
    void ResolveFixups();
    QObject* FindComponent(const QString& name) const;
    void FinishLoading();
    void Cleanup() noexcept;
    [[noreturn]] void Fail(int line, const QString& message) const;

    QString source_;
    QObject* root_ = nullptr;
    const QMetaObject* rootMeta_ = nullptr;
    QList<QPointer<QObject>> created_;
    QList<Loading> loading_;
    QList<Fixup> fixups_;
    QStringList names_;
};
