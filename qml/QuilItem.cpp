#include "qml/QuilItem.h"

#include "framework/AccessibleControl.h"
#include "framework/Color.h"
#include "framework/ComponentRegistry.h"
#include "framework/Control.h"
#include "library/RegisterLibrary.h"
#include "qml/QuilAccessibleApplication.h"
#include "qml/QuilItemAccessible.h"

#include <QCoreApplication>
#include <QMetaEnum>
#include <QMetaProperty>
#include <QQuickWindow>
#include <QSGImageNode>
#include <QWheelEvent>
#include <QQmlInfo>
#include <QSet>

namespace {

QSet<const QObject*>& ShownComponents()
{
    static QSet<const QObject*> components;
    return components;
}

} // namespace

QuilItem::QuilItem(const QString& className, QQuickItem* parent) : QQuickItem(parent)
{
    RegisterLibraryComponents();
    const auto cls = FindComponentClass(className);
    if (cls)
        component_ = qobject_cast<TControl*>(cls->Create(nullptr));
    if (!component_)
        qFatal("Quil: %s is not a registered visual component", qPrintable(className));
    // The widget stays a window of its own that is never mapped: Qt then
    // still sends it the paint events that tell when its picture changed.
    component_->setAttribute(Qt::WA_DontShowOnScreen);
    ShownComponents().insert(component_);
    QuilAccessibleApplication::Install();
    Watch(component_);
    setImplicitSize(component_->width(), component_->height());
    setAcceptedMouseButtons(Qt::LeftButton | Qt::RightButton | Qt::MiddleButton);
    setAcceptHoverEvents(true);
    setFlag(ItemHasContents);
    if (component_->focusPolicy() != Qt::NoFocus)
        setActiveFocusOnTab(true);
    component_->show();
}

QuilItem::~QuilItem()
{
    // The widgets must not report to an item that is half destroyed.
    const QList<QWidget*> parts = component_->findChildren<QWidget*>();
    for (QWidget* part : parts)
        part->removeEventFilter(this);
    component_->removeEventFilter(this);
    ShownComponents().remove(component_);
    delete component_;
}

bool QuilItem::IsShownComponent(const QObject* object) { return ShownComponents().contains(object); }

QString QuilItem::ComponentClass() const { return QString::fromLatin1(component_->metaObject()->className()); }

void QuilItem::Attach()
{
    const QMetaObject* mine = metaObject();
    const QMetaObject* theirs = component_->metaObject();
    for (int i = QuilItem::staticMetaObject.propertyCount(); i < mine->propertyCount(); ++i) {
        const QMetaProperty p = mine->property(i);
        const QMetaProperty source = theirs->property(theirs->indexOfProperty(p.name()));
        if (source.hasNotifySignal())
            QObject::connect(component_, source.notifySignal(), this, p.notifySignal());
        else
            watched_.append({i, p.read(this)});
    }
}

QVariant QuilItem::Read(const char* name) const
{
    const QVariant v = component_->property(name);
    // Enumerations reach QML as their numbers.
    if (v.metaType().flags().testFlag(QMetaType::IsEnumeration))
        return v.toInt();
    return v;
}

QString QuilItem::ReadEnum(const char* name) const
{
    const QMetaProperty p = component_->metaObject()->property(component_->metaObject()->indexOfProperty(name));
    return QString::fromLatin1(p.enumerator().valueToKey(p.read(component_).toInt()));
}

void QuilItem::WriteEnum(const char* name, const char* qmlName, const QString& key)
{
    const QMetaProperty p = component_->metaObject()->property(component_->metaObject()->indexOfProperty(name));
    const QMetaEnum e = p.enumerator();
    bool known = false;
    const int value = e.keyToValue(key.toLatin1().constData(), &known);
    if (!known) {
        QStringList keys;
        for (int i = 0; i < e.keyCount(); ++i)
            keys << QString::fromLatin1(e.key(i));
        qmlWarning(this) << QStringLiteral("%1: '%2' is not one of %3; the value stays '%4'")
                                .arg(QString::fromLatin1(qmlName), key, keys.join(QStringLiteral(", ")), ReadEnum(name));
        return;
    }
    Write(name, value);
}

QColor QuilItem::ReadColor(const char* name) const
{
    return ColorToQColor(component_->property(name).toInt());
}

void QuilItem::WriteColor(const char* name, const char* qmlName, const QColor& color)
{
    if (!color.isValid()) {
        qmlWarning(this) << QStringLiteral("%1: not a colour; the value stays %2")
                                .arg(QString::fromLatin1(qmlName), ReadColor(name).name());
        return;
    }
    Write(name, QColorToColor(color));
}

void QuilItem::Write(const char* name, const QVariant& value)
{
    component_->setProperty(name, value);
    NotifyChangedProperties();
}

void QuilItem::NotifyChangedProperties()
{
    for (Watched& w : watched_) {
        const QMetaProperty p = metaObject()->property(w.property);
        QVariant now = p.read(this);
        if (now == w.last)
            continue;
        w.last = std::move(now);
        p.notifySignal().invoke(this);
    }
}

// The component and the widgets it is made of (a spin button's two halves)
// all tell of changes to the picture by their paint events.
void QuilItem::Watch(QWidget* widget)
{
    widget->installEventFilter(this);
    for (QWidget* child : widget->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        Watch(child);
}

bool QuilItem::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::ChildAdded)
        if (auto* child = qobject_cast<QWidget*>(static_cast<QChildEvent*>(event)->child()))
            Watch(child);
    if (event->type() != QEvent::Paint || rendering_ || !watched->isWidgetType())
        return QQuickItem::eventFilter(watched, event);
    // Taken before the next frame, once however often the component asked.
    polish();
    return true;
}

void QuilItem::updatePolish() { TakePicture(); }

// Made once the item is in its QML context, whose Accessible it fills in.
void QuilItem::componentComplete()
{
    QQuickItem::componentComplete();
    accessible_ = new QuilItemAccessible(this, dynamic_cast<TAccessibleControl*>(component_));
}

QStringList QuilItem::accessibleActions() const
{
    const auto* control = dynamic_cast<const TAccessibleControl*>(component_);
    return control ? control->AccessibleActions() : QStringList();
}

void QuilItem::doAccessibleAction(const QString& name)
{
    auto* control = dynamic_cast<TAccessibleControl*>(component_);
    if (!control || !control->AccessibleActions().contains(name)) {
        qmlWarning(this) << QStringLiteral("%1 has no accessible action \"%2\" (it has: %3)")
                                .arg(ComponentClass(), name, accessibleActions().join(QStringLiteral(", ")));
        return;
    }
    control->DoAccessibleAction(name);
    NotifyChangedProperties();
}

// Shows the component as its own paint event draws it, so whatever the
// widget would put on screen (animation frames included) is what the item shows.
void QuilItem::TakePicture()
{
    if (component_->width() <= 0 || component_->height() <= 0)
        return;
    // A transparent component (an LED without its own background) draws only
    // its shape: the rest shows what lies behind the item. An opaque one's
    // picture has no alpha, so it is copied, not blended, onto the screen.
    const bool opaque = component_->testAttribute(Qt::WA_OpaquePaintEvent);
    const int next = 1 - shown_;
    QImage& picture = pictures_[next];
    rendering_ = true;
    if (!ShareScreenPicture(picture, opaque))
        RenderPicture(picture, opaque);
    rendering_ = false;
    shown_ = next;
    newPicture_ = true;
    ++pictureCount_;
    update();
    NotifyChangedProperties();
    if (accessible_)
        accessible_->Update();
}

// An opaque component without children whose screen picture is its own
// off-screen bitmap is shown as it is, its pixels shared: no copy of the
// frame. The picture before last is let go first, so a component that draws
// into its free buffer (the trend graph) finds it unshared.
bool QuilItem::ShareScreenPicture(QImage& picture, bool opaque)
{
    if (!opaque || component_->findChild<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
        return false;
    picture = QImage();
    const QImage* shown = component_->ScreenPicture();
    if (!shown || shown->format() != QImage::Format_RGB32 || shown->size() != component_->size())
        return false;
    picture = *shown;
    return true;
}

void QuilItem::RenderPicture(QImage& picture, bool opaque)
{
    const QImage::Format format = opaque ? QImage::Format_RGB32 : QImage::Format_ARGB32_Premultiplied;
    if (picture.size() != component_->size() || picture.format() != format || !picture.isDetached())
        picture = QImage(component_->size(), format);
    if (!opaque)
        picture.fill(Qt::transparent);
    component_->render(&picture, QPoint(), QRegion(), QWidget::DrawChildren);
}

// The texture takes the picture as it is (same format, its pixels shared):
// an opaque one is drawn without blending, a transparent one blended as
// premultiplied ARGB, both unscaled.
QSGNode* QuilItem::updatePaintNode(QSGNode* node, UpdatePaintNodeData*)
{
    const QImage& picture = pictures_[shown_];
    if (picture.isNull()) {
        delete node;
        return nullptr;
    }
    auto* image = static_cast<QSGImageNode*>(node);
    if (!image) {
        image = window()->createImageNode();
        image->setOwnsTexture(true);
        image->setFiltering(QSGTexture::Nearest);
        newPicture_ = true;
    }
    if (newPicture_) {
        const auto options =
            picture.hasAlphaChannel() ? QQuickWindow::TextureHasAlphaChannel : QQuickWindow::CreateTextureOptions();
        // Not every scene graph's node lets go of its old texture when given a
        // new one: the old one goes here.
        QSGTexture* old = image->texture();
        image->setOwnsTexture(false);
        image->setTexture(window()->createTextureFromImage(picture, options));
        image->setOwnsTexture(true);
        delete old;
        newPicture_ = false;
    }
    const QRectF whole(QPointF(0, 0), picture.size());
    image->setRect(whole);
    image->setSourceRect(whole);
    return image;
}

void QuilItem::geometryChange(const QRectF& newGeometry, const QRectF& oldGeometry)
{
    QQuickItem::geometryChange(newGeometry, oldGeometry);
    if (newGeometry.size() != oldGeometry.size())
        component_->SetBounds(0, 0, int(newGeometry.width()), int(newGeometry.height()));
}

void QuilItem::itemChange(ItemChange change, const ItemChangeData& value)
{
    QQuickItem::itemChange(change, value);
    if (change == ItemEnabledHasChanged)
        component_->SetEnabled(isEnabled());
}

void QuilItem::Deliver(QEvent* event)
{
    QCoreApplication::sendEvent(component_, event);
    NotifyChangedProperties();
}

void QuilItem::ForwardMouse(QMouseEvent* event)
{
    QMouseEvent copy(event->type(), event->position(), event->scenePosition(), event->globalPosition(),
                     event->button(), event->buttons(), event->modifiers(), event->pointingDevice());
    Deliver(&copy);
    event->accept();
}

void QuilItem::mousePressEvent(QMouseEvent* event)
{
    if (activeFocusOnTab())
        forceActiveFocus(Qt::MouseFocusReason);
    ForwardMouse(event);
}
void QuilItem::mouseMoveEvent(QMouseEvent* event) { ForwardMouse(event); }
void QuilItem::mouseReleaseEvent(QMouseEvent* event) { ForwardMouse(event); }
void QuilItem::mouseDoubleClickEvent(QMouseEvent* event) { ForwardMouse(event); }

void QuilItem::wheelEvent(QWheelEvent* event)
{
    QWheelEvent copy(event->position(), event->globalPosition(), event->pixelDelta(), event->angleDelta(),
                     event->buttons(), event->modifiers(), event->phase(), event->inverted());
    Deliver(&copy);
    event->setAccepted(copy.isAccepted());
}

// A widget the mouse enters gets the move that brought it there as well:
// what lies under the mouse (a diagram's point) is known before a press.
void QuilItem::hoverEnterEvent(QHoverEvent* event)
{
    QEnterEvent enter(event->position(), event->scenePosition(), event->globalPosition());
    Deliver(&enter);
    hoverMoveEvent(event);
}

// A move over the item without a pressed button is a widget's plain mouse move.
void QuilItem::hoverMoveEvent(QHoverEvent* event)
{
    QMouseEvent move(QEvent::MouseMove, event->position(), event->scenePosition(), event->globalPosition(),
                     Qt::NoButton, Qt::NoButton, event->modifiers());
    Deliver(&move);
}

void QuilItem::hoverLeaveEvent(QHoverEvent*)
{
    QEvent leave(QEvent::Leave);
    Deliver(&leave);
}

// A key the component leaves alone goes on to the item's parents, as it
// would to a widget's.
void QuilItem::ForwardKey(QKeyEvent* event)
{
    QKeyEvent copy(event->type(), event->key(), event->modifiers(), event->nativeScanCode(),
                   event->nativeVirtualKey(), event->nativeModifiers(), event->text(), event->isAutoRepeat(),
                   event->count());
    Deliver(&copy);
    event->setAccepted(copy.isAccepted());
}

void QuilItem::keyPressEvent(QKeyEvent* event) { ForwardKey(event); }
void QuilItem::keyReleaseEvent(QKeyEvent* event) { ForwardKey(event); }

void QuilItem::focusInEvent(QFocusEvent* event)
{
    QQuickItem::focusInEvent(event);
    QFocusEvent in(QEvent::FocusIn, event->reason());
    Deliver(&in);
}

void QuilItem::focusOutEvent(QFocusEvent* event)
{
    QQuickItem::focusOutEvent(event);
    QFocusEvent out(QEvent::FocusOut, event->reason());
    Deliver(&out);
}
