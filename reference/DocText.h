#pragma once
// The hand-written part of a class's reference page, kept in one text file per
// class (docs/components/<Class>.md) beside the code:
//
//   # TGFader
//   What the component is for, one paragraph.
//   ## Pictures
//   - As placed
//   - Vertical, step bars: FaderKind = fkVertical; MarkType = mtStepRamp
//   ## Properties
//   - Value: the position of the head, from Min to Max.
//     A continuation line is indented.
//   ## Events
//   - OnChange: raised after Value changed.
//   ## Example
//   ```cpp
//   auto* fader = new TGFader(form);
//   ```
//   ## QML example
//   ```qml
//   import QtQuick
//   import Quil
//   GFader { max: 99 }
//   ```
//
// An example is the body of a function given `QWidget* form`, the window the
// component is placed on; the docs target compiles every example. A QML
// example is a whole QML file, which the docs target lints against the
// module; the components that have a QML type must give one.
// A picture is a caption and the property assignments (as a window description
// writes them, separated by ";") that put a newly built component into the
// state shown. Base and record classes describe only their own properties and
// events; what a class inherits is described once, in its base's file.

#include <QList>
#include <QString>
#include <QStringList>
#include <utility>

struct TDocPicture {
    QString Caption;
    QStringList Assignments; // "FaderKind = fkVertical"
};

// One described name (property or event) and where its text stands.
struct TDocEntry {
    QString Name;
    QString Text;
    int Line = 0;
};

class TDocText {
public:
    // Throws Exception("<source>(<line>): <what is wrong>") on a malformed file.
    static TDocText Parse(const QString& text, const QString& source);

    QString ClassName;
    QString Source;
    QString Summary;
    QList<TDocPicture> Pictures;
    QList<TDocEntry> Properties;
    QList<TDocEntry> Events;
    QString Example; // the section's text as written (fenced code)
    QString QmlExample; // likewise
    // The code lines of the examples, without the fences.
    QString ExampleCode() const { return FencedCode(Example); }
    QString QmlExampleCode() const { return FencedCode(QmlExample); }

    const TDocEntry* FindProperty(const QString& name) const { return Find(Properties, name); }
    const TDocEntry* FindEvent(const QString& name) const { return Find(Events, name); }

private:
    static QString FencedCode(const QString& section);
    static const TDocEntry* Find(const QList<TDocEntry>& entries, const QString& name);
};
