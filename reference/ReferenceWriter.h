#pragma once
// Writes the component reference into a folder Doxygen reads: pages/ holds
// the overview, one page per palette page and one per registered component;
// pictures/ the components drawn in the states their texts list;
// component-pages.tsv names each component's HTML page after its palette
// page's, one pair a line, for the browser test; examples.cpp holds every
// example as a function, for the compiler; qml/<Type>Example.qml each QML
// example, for qmllint.

#include "framework/ComponentRegistry.h"
#include "reference/DocLibrary.h"

#include <QDir>
#include <QString>
#include <QStringList>

class TReferenceWriter {
public:
    explicit TReferenceWriter(const TDocLibrary& docs) : docs_(docs) {}

    // The palette pages shown, in registration order, and their page names.
    static QStringList PalettePages();
    static QString PalettePageName(const QString& page);

    // Writes everything; returns the faults found (unwritable files, pictures
    // whose state does not fit their class), each a line naming its source.
    QStringList Write(const QDir& out) const;

private:
    QStringList WritePictures(const TComponentClass& cls, const QDir& pictures) const;
    QString PaletteMarkdown(const QString& page) const;
    QString OverviewMarkdown() const;
    QString FirstSentence(const QString& className) const;
    QString ExamplesSource() const;
    QStringList WriteQmlExamples(const QDir& out) const;

    const TDocLibrary& docs_;
};
