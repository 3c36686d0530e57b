#pragma once
// The hand-written texts of every class (one TDocText per file of a folder),
// and the check that they match the code: each published property and event
// of a component, and of the records it owns, is described in the file of the
// class that declares it (or of a base of that class), no file describes a
// name its class does not have, and every component says what it is for,
// shows pictures when it is visible, and gives an example (in QML too when
// the QML module offers it).

#include "reference/ClassReference.h"
#include "reference/DocText.h"

#include <QHash>
#include <QMetaObject>
#include <QSet>
#include <QString>
#include <QStringList>

class TDocLibrary {
public:
    // Reads every *.md of the folder; throws Exception naming a malformed file.
    static TDocLibrary Load(const QString& folder);

    const TDocText* Find(const QString& className) const;
    // The description of a row or event, from the declaring class up the chain.
    const TDocEntry* PropertyText(const TPropertyRow& row) const;
    const TDocEntry* EventText(const QMetaObject* component, const TEventRow& event) const;

    // One line per fault, naming the file to edit and what it lacks or has
    // too many. Empty when the texts cover the components.
    QStringList Problems(const QList<const QMetaObject*>& components) const;

private:
    const TDocEntry* Lookup(const QMetaObject* from, const QString& name, bool event) const;
    QString FileFor(const QMetaObject* meta) const;
    void CheckComponent(const QMetaObject* meta, QStringList& problems, QSet<const TDocEntry*>& used) const;
    static bool HasQmlType(const QString& className);
    void CheckStale(const QSet<const TDocEntry*>& used, QStringList& problems) const;

    QString folder_;
    QHash<QString, TDocText> texts_;
};
