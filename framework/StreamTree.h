#pragma once
// The parsed form of a window description, before any component exists:
// objects with their assignments and children, and the values as written.
// Plain data; the parser fills it, the reader turns it into components.

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <vector>

struct TStreamAssignment;

// An item of a collection value: < item Prop = value ... end ... >
struct TStreamItem {
    int Line = 0;
    std::vector<TStreamAssignment> Assignments;
};

struct TStreamValue {
    enum Kind { Integer, Float, String, Identifier, Set, List, Binary, Collection };
    Kind ValueKind = Integer;
    int Line = 0;
    qint64 IntegerValue = 0;
    double FloatValue = 0;
    QString Text;                  // string, identifier, or the number as written
    QStringList Names;             // the identifiers of a set
    std::vector<TStreamValue> Items; // list elements
    QByteArray Bytes;              // binary data
    std::vector<TStreamItem> CollectionItems;

    // What the value looks like, for error messages.
    QString Word() const;
    QString KindName() const;
};

struct TStreamAssignment {
    QString Name; // possibly dotted: Font.Name, Setpoints.MinAlarm
    TStreamValue Value;
    int Line = 0;
};

struct TStreamObject {
    QString Name;      // may be empty: object TClass
    QString ClassName;
    int Line = 0;
    std::vector<TStreamAssignment> Assignments;
    std::vector<TStreamObject> Children;
};
