#pragma once
// Writes the C++ declaration of the QML type for one component class from its
// meta-object: the published properties (READ/WRITE/NOTIFY, in QML's
// lower-camel spelling) and the On... events as signals. Members the QML
// layer cannot carry yet (object-valued properties, events with arguments of
// other types) are listed in a comment instead.

#include <QMetaObject>
#include <QString>
#include <QStringList>

class TQmlTypeWriter {
public:
    // The QML spelling of a published name: "DigitNum" -> "digitNum". A name
    // that would read as a signal handler ("OnColor") keeps its second
    // letter low as well: "oncolor".
    static QString QmlName(const QString& name);
    // The QML type name of a component class: "TLCD99" -> "LCD99".
    static QString TypeName(const QMetaObject& meta);
    // The declaration of the type. withMethods: the type is extended by the
    // class Quil<TypeName>Methods (QML_EXTENDED), whose header is included first.
    static QString Declaration(const QMetaObject& meta, bool withMethods);

private:
    static QString Properties(const QMetaObject& meta, QString& members, QString& signalList, QStringList& skipped);
    static QString Events(const QMetaObject& meta, QString& signalList, QStringList& skipped);
};
