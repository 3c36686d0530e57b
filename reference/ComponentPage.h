#pragma once
// The reference page of one registered component, as Doxygen markdown: what it
// is for, its pictures, the table of its published properties (type, declared
// default, description), its events with their parameters and an example.
// The tables come from the meta-object (TClassReference), the texts from the
// class's description file (TDocLibrary).

#include "framework/ComponentRegistry.h"
#include "reference/DocLibrary.h"

#include <QString>
#include <QStringList>

class TComponentPage {
public:
    // The page's Doxygen name, also the stem of its HTML file.
    static QString PageName(const QString& className);
    // The file name of picture `index` (from 1) of the class.
    static QString PictureName(const QString& className, int index);
    // Text written where a description is missing, so the page still builds
    // while the check reports the gap.
    static QString MissingText();

    static QString Markdown(const TComponentClass& cls, const TDocLibrary& docs);

private:
    static QString PicturesSection(const TComponentClass& cls, const TDocText* text);
    static QString PropertiesSection(const TComponentClass& cls, const TDocLibrary& docs);
    static QString EventsSection(const TComponentClass& cls, const TDocLibrary& docs);
    static QString Cell(const QString& text);
    static QString Sentence(const QString& text);
    static QString Code(const QString& text);
};
