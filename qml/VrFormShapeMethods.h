#pragma once
// What a QML host calls on a shaped-window picture (VrFormShape): it gives
// the shape its picture by the name of a bitmap resource ("FRONTPANEL"),
// whose pixels in the mask colour are cut away. The item takes the
// picture's size. The generated VrFormShape type takes this member as its
// own (QML_EXTENDED).

#include <QObject>
#include <QString>

class QuilVrFormShapeMethods : public QObject {
    Q_OBJECT

public:
    // parent: the VrFormShape item the member extends.
    explicit QuilVrFormShapeMethods(QObject* parent);

    // A name no resource has is a JavaScript error, and the mask stays.
    Q_INVOKABLE void loadMask(const QString& resourceName);
};
