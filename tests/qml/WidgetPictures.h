#pragma once
// Test helper for the QML tests: the library's own picture of a component in
// the state a Quil item's component is in, drawn by a separate widget, and a
// pixel-for-pixel comparison with what the item shows.

#include <QImage>
#include <QObject>
#include <QPoint>
#include <QStringList>
#include <QVariant>

class TWidgetPictures : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    // QML type names of every visual component the library registers.
    Q_INVOKABLE QStringList typeNames() const;
    // Empty when the image equals the picture a new widget of the item's
    // class draws with the item's property values; otherwise the first difference.
    // grab is the result of the item's grabToImage.
    Q_INVOKABLE QString differenceFromWidget(QObject* grab, QObject* item) const;
    // The value the item's component itself holds for a published property
    // (a colour's library number).
    Q_INVOKABLE QVariant componentProperty(QObject* item, const QString& name) const;
    // A point on the head of a fader item (its top left corner inset a little).
    Q_INVOKABLE QPoint faderHead(QObject* item) const;
};
