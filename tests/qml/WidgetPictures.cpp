#include "WidgetPictures.h"

#include "diagram/CurveDiagram.h"
#include "diagram/CurveStruct.h"
#include "framework/Control.h"
#include "graph/KivGraph.h"
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

// The data a graph's host gave it, which no property holds: the series, the
// limits, the axis type, the title and the view.
void CopyGraph(const TKivGraph& from, TKivGraph& to)
{
    const auto copy = [](const TSeries& s, TSeries* link) {
        auto* c = new TSeries;
        c->Visible = s.Visible;
        c->Name = s.Name;
        c->Color = s.Color;
        c->Points = s.Points;
        c->MinY = s.MinY;
        c->MaxY = s.MaxY;
        c->Tenths = s.Tenths;
        c->LinkedSerie = link;
        return c;
    };
    for (const auto& s : from.Series())
        to.AddSerie(copy(*s, nullptr));
    for (const auto& f : from.FillSeries()) {
        TSeries* link = nullptr;
        for (size_t i = 0; i < from.Series().size(); ++i)
            if (from.Series()[i].get() == f->LinkedSerie)
                link = to.Series()[i].get();
        to.AddFillSerie(copy(*f, link));
    }
    to.Title = from.Title;
    to.XAxisType = from.XAxisType;
    to.LimitXMin = from.LimitXMin;
    to.LimitXMax = from.LimitXMax;
    to.LimitLeftMin = from.LimitLeftMin;
    to.LimitLeftMax = from.LimitLeftMax;
    to.LimitRightMin = from.LimitRightMin;
    to.LimitRightMax = from.LimitRightMax;
    to.DrawGraphic();
    to.SetVisLeftRect(from.VisLeftRect());
    to.SetVisRightRect(from.VisRightRect());
}

// The curve's record and the day counter, which no property holds.
void CopyCurve(const TCurveDiagram& from, TCurveDiagram& to)
{
    to.Curve() = from.Curve();
    to.EmptyPointInfoList();
    to.CreateDiagramPoints(to.Curve());
    to.FillPointInfoList();
}

void CopyHostData(const TControl& from, TControl& to)
{
    if (auto* graph = qobject_cast<const TKivGraph*>(&from))
        CopyGraph(*graph, static_cast<TKivGraph&>(to));
    if (auto* curve = qobject_cast<const TCurveDiagram*>(&from))
        CopyCurve(*curve, static_cast<TCurveDiagram&>(to));
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

QVariant TWidgetPictures::componentProperty(QObject* item, const QString& name) const
{
    auto* quil = qobject_cast<QuilItem*>(item);
    return quil ? quil->Component()->property(name.toLatin1().constData()) : QVariant();
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
    // Twice: a value copied before its range (Position before MaxPosition)
    // is held to the old range the first time.
    CopyProperties(shown, *widget, true);
    CopyProperties(shown, *widget, true);
    widget->SetBounds(0, 0, shown.width(), shown.height());
    CopyHostData(shown, *widget);
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
