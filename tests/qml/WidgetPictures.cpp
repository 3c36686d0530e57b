#include "WidgetPictures.h"

#include "framework/Control.h"
#include "library/RegisterLibrary.h"
#include "qml/QuilItem.h"
#include "widgets/GFader.h"

#include <QMetaProperty>
#include <QQuickItemGrabResult>
#include <memory>

namespace {

// Copies the stored, writable properties, one level into part objects (an
// indicator, a scale) as the window-description writer would store them.
void CopyProperties(const QObject& from, QObject& to, bool parts)
{
    const QMetaObject* meta = from.metaObject();
    for (int i = 0; i < meta->propertyCount(); ++i) {
        const QMetaProperty p = meta->property(i);
        if (p.metaType().flags().testFlag(QMetaType::PointerToQObject)) {
            QObject* source = p.read(&from).value<QObject*>();
            QObject* target = p.read(&to).value<QObject*>();
            if (parts && source && target)
                CopyProperties(*source, *target, false);
        } else if (p.isWritable() && p.isStored() && QByteArray(p.name()) != "objectName") {
            p.write(&to, p.read(&from));
        }
    }
}

QString Hex(QRgb c) { return QStringLiteral("#%1").arg(c, 8, 16, QLatin1Char('0')); }

} // namespace

QStringList TWidgetPictures::typeNames() const
{
    QStringList names;
    for (const TComponentClass& cls : VisualLibraryComponents()) {
        QString name = cls.ClassName.mid(1);
        name[0] = name[0].toUpper();
        names << name;
    }
    return names;
}

QPoint TWidgetPictures::faderHead(QObject* item) const
{
    auto* quil = qobject_cast<QuilItem*>(item);
    auto* fader = quil ? qobject_cast<TGFader*>(quil->Component()) : nullptr;
    return fader ? QPoint(fader->GetHeadX() + 4, fader->GetHeadY() + 5) : QPoint();
}

QString TWidgetPictures::differenceFromWidget(QObject* grab, QObject* item) const
{
    auto* quil = qobject_cast<QuilItem*>(item);
    if (!quil)
        return QStringLiteral("not a Quil item");
    const TControl& shown = *quil->Component();
    const auto cls = FindComponentClass(QString::fromLatin1(shown.metaObject()->className()));
    std::unique_ptr<TControl> widget(qobject_cast<TControl*>(cls->Create(nullptr)));
    CopyProperties(shown, *widget, true);
    widget->SetBounds(0, 0, shown.width(), shown.height());
    const QImage expected = widget->PaintToImage().convertToFormat(QImage::Format_ARGB32);
    auto* result = qobject_cast<QQuickItemGrabResult*>(grab);
    if (!result)
        return QStringLiteral("not a grab result");
    const QImage actual = result->image().convertToFormat(QImage::Format_ARGB32);
    if (actual.isNull())
        return QStringLiteral("no image");
    if (actual.size() != expected.size())
        return QStringLiteral("size %1x%2, widget %3x%4")
            .arg(actual.width()).arg(actual.height()).arg(expected.width()).arg(expected.height());
    for (int y = 0; y < actual.height(); ++y)
        for (int x = 0; x < actual.width(); ++x)
            if (actual.pixel(x, y) != expected.pixel(x, y))
                return QStringLiteral("pixel (%1,%2): item %3, widget %4")
                    .arg(x).arg(y).arg(Hex(actual.pixel(x, y)), Hex(expected.pixel(x, y)));
    return {};
}
