#include "reference/DocLibrary.h"

#include "framework/Exception.h"
#include "framework/StreamProperties.h"
#include "library/RegisterLibrary.h"

#include <QDir>
#include <QFile>
#include <QWidget>

TDocLibrary TDocLibrary::Load(const QString& folder)
{
    TDocLibrary library;
    library.folder_ = folder;
    const QDir dir(folder);
    for (const QString& name : dir.entryList({QStringLiteral("*.md")}, QDir::Files, QDir::Name)) {
        QFile file(dir.filePath(name));
        if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
            throw Exception(QStringLiteral("cannot read %1").arg(file.fileName()));
        TDocText text = TDocText::Parse(QString::fromUtf8(file.readAll()), file.fileName());
        if (text.ClassName + QStringLiteral(".md") != name)
            throw Exception(QStringLiteral("%1(1): describes %2; the file must be named %2.md")
                                .arg(file.fileName(), text.ClassName));
        library.texts_.insert(text.ClassName, text);
    }
    return library;
}

const TDocText* TDocLibrary::Find(const QString& className) const
{
    const auto it = texts_.constFind(className);
    return it == texts_.constEnd() ? nullptr : &*it;
}

const TDocEntry* TDocLibrary::Lookup(const QMetaObject* from, const QString& name, bool event) const
{
    for (const QMetaObject* m = TClassReference::DeclaringClass(from, name, event); m; m = m->superClass())
        if (const TDocText* text = Find(QString::fromLatin1(m->className())))
            if (const TDocEntry* entry = event ? text->FindEvent(name) : text->FindProperty(name))
                return entry;
    return nullptr;
}

const TDocEntry* TDocLibrary::PropertyText(const TPropertyRow& row) const { return Lookup(row.Owner, row.Name, false); }

const TDocEntry* TDocLibrary::EventText(const QMetaObject* component, const TEventRow& event) const
{
    return Lookup(component, event.Name, true);
}

QString TDocLibrary::FileFor(const QMetaObject* meta) const
{
    return QDir(folder_).filePath(QString::fromLatin1(meta->className()) + QStringLiteral(".md"));
}

QStringList TDocLibrary::Problems(const QList<const QMetaObject*>& components) const
{
    QStringList problems;
    QSet<const TDocEntry*> used; // every entry some component's page takes
    for (const QMetaObject* meta : components)
        CheckComponent(meta, problems, used);
    CheckStale(used, problems);
    problems.removeDuplicates();
    return problems;
}

void TDocLibrary::CheckComponent(const QMetaObject* meta, QStringList& problems, QSet<const TDocEntry*>& used) const
{
    const QString name = QString::fromLatin1(meta->className());
    const TDocText* own = Find(name);
    if (!own) {
        problems.append(QStringLiteral("%1: missing; %2 needs a page text").arg(FileFor(meta), name));
    } else {
        if (own->Summary.isEmpty())
            problems.append(QStringLiteral("%1: %2 lacks the paragraph saying what it is for").arg(own->Source, name));
        if (own->Example.isEmpty())
            problems.append(QStringLiteral("%1: %2 lacks an example").arg(own->Source, name));
        if (own->Pictures.isEmpty() && meta->inherits(&QWidget::staticMetaObject))
            problems.append(QStringLiteral("%1: %2 is visible but lists no pictures").arg(own->Source, name));
        if (own->QmlExample.isEmpty() && HasQmlType(name))
            problems.append(QStringLiteral("%1: %2 is a QML type but lacks a QML example").arg(own->Source, name));
        if (!own->QmlExample.isEmpty() && !HasQmlType(name))
            problems.append(QStringLiteral("%1: %2 has no QML type; remove its QML example").arg(own->Source, name));
    }
    const auto take = [&](const TDocEntry* entry, const QMetaObject* declaring, const QString& what, const QString& n) {
        if (entry) {
            used.insert(entry);
            return;
        }
        problems.append(QStringLiteral("%1: %2 '%3' of %4 has no description")
                            .arg(FileFor(declaring), what, n, QString::fromLatin1(declaring->className())));
    };
    for (const TPropertyRow& row : TClassReference::Properties(meta))
        take(PropertyText(row), TClassReference::DeclaringClass(row.Owner, row.Name, false), QStringLiteral("property"),
             row.Name);
    for (const TEventRow& event : TClassReference::Events(meta))
        take(EventText(meta, event), TClassReference::DeclaringClass(meta, event.Name, true), QStringLiteral("event"),
             event.Name);
}

bool TDocLibrary::HasQmlType(const QString& className)
{
    for (const TComponentClass& cls : VisualLibraryComponents())
        if (cls.ClassName == className)
            return true;
    return false;
}

void TDocLibrary::CheckStale(const QSet<const TDocEntry*>& used, QStringList& problems) const
{
    for (const TDocText& text : texts_) {
        for (const QList<TDocEntry>* entries : {&text.Properties, &text.Events})
            for (const TDocEntry& entry : *entries) {
                if (!used.contains(&entry))
                    problems.append(QStringLiteral("%1(%2): '%3' is described but no component of the library has it "
                                                   "from %4; remove the entry")
                                        .arg(text.Source)
                                        .arg(entry.Line)
                                        .arg(entry.Name, text.ClassName));
            }
    }
}
