#pragma once
// What the meta-object says about a component class, as its reference page
// lists it: the published properties in published order (a record's own
// properties follow it as Record.Property, as a window description writes
// them) with their declared types and streaming defaults, and the events with
// their parameters. Nothing here is written by hand, so a page cannot drift
// from the code.

#include <QList>
#include <QMetaObject>
#include <QString>
#include <QStringList>
#include <optional>

struct TPropertyRow {
    QString Path;                  // "Value", "Font.Name"
    QString Name;                  // the last part of the path
    QString Type;                  // as declared: "TColor", "TFont*"
    std::optional<QString> Default; // the declared streaming default, if any
    bool Stored = true;            // false: never written to a description
    bool Record = false;           // an owned sub-object; its properties follow
    const QMetaObject* Owner = nullptr; // the class (component or record) the property belongs to
};

struct TEventRow {
    QString Name;
    QString Signature;             // "OnChange(QObject* Sender)"
    const QMetaObject* Owner = nullptr;
};

class TClassReference {
public:
    static QList<TPropertyRow> Properties(const QMetaObject* meta);
    static QList<TEventRow> Events(const QMetaObject* meta);
    // The class in meta's chain that declares the property or signal itself
    // (the most derived one for a redeclared property).
    static const QMetaObject* DeclaringClass(const QMetaObject* meta, const QString& name, bool event);

private:
    static void AppendProperties(const QMetaObject* meta, const QString& prefix, int depth, QList<TPropertyRow>& rows);
};
