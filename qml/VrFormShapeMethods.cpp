#include "qml/VrFormShapeMethods.h"

#include "framework/Bitmap.h"
#include "qml/QmlArguments.h"
#include "qml/QuilItem.h"
#include "widgets/VrFormShape.h"

QuilVrFormShapeMethods::QuilVrFormShapeMethods(QObject* parent) : QObject(parent) {}

void QuilVrFormShapeMethods::loadMask(const QString& resourceName)
{
    TBitmap face;
    if (!face.LoadFromResourceName(resourceName)) {
        ThrowQmlError(parent(), QStringLiteral("VrFormShape.loadMask: no bitmap resource named \"%1\"").arg(resourceName));
        return;
    }
    auto* item = static_cast<QuilItem*>(parent());
    static_cast<TVrFormShape*>(item->Component())->SetMask(face);
    item->setSize(QSizeF(face.Width(), face.Height()));
}
