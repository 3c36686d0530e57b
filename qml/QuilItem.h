#pragma once
// QuilItem: the Qt Quick face of one library component. The item owns an
// instance of the component (a widget that is never shown on screen), sizes
// it to the item, forwards input to it as the widget would receive it and
// shows the component's own pixels: whenever the component asks for a paint,
// its picture is rendered off screen and the item repaints, and only then.
// The picture is rendered straight into the image the scene graph takes as
// the item's texture, in the texture's own format, so a frame copies the
// component's pixels once (onto the screen) and converts none.
// The per-class QML types (generated from the meta-objects into QuilTypes.h)
// add the component's published properties and events.

#include <QColor>
#include <QImage>
#include <QList>
#include <QStringList>
#include <QQuickItem>
#include <QVariant>
#include <QtQml/qqmlregistration.h>

class QuilItemAccessible;
class TControl;

class QuilItem : public QQuickItem {
    Q_OBJECT
    QML_ANONYMOUS
    // The library class behind the item ("TLCD99").
    Q_PROPERTY(QString componentClass READ ComponentClass CONSTANT)

public:
    ~QuilItem() override;

    QString ComponentClass() const;
    // The object is the component of an item (its never-mapped window is
    // none of the application's windows to assistive technology).
    static bool IsShownComponent(const QObject* object);
    TControl* Component() const { return component_; }
    // The component's picture as the item shows it.
    Q_INVOKABLE QImage picture() const { return pictures_[shown_]; }
    // Times the item took a new picture from its component.
    Q_INVOKABLE int pictureCount() const { return pictureCount_; }
    // The component's accessible actions by their names ("Press", "Increase",
    // "Press upper"), and doing one as assistive technology does.
    Q_INVOKABLE QStringList accessibleActions() const;
    Q_INVOKABLE void doAccessibleAction(const QString& name);
    // An accessible action changed the component: its properties notify.
    void AfterAccessibleAction() { NotifyChangedProperties(); }

protected:
    // Creates the registered class of that name.
    QuilItem(const QString& className, QQuickItem* parent);
    // Joins the item's properties to the component's: its NOTIFY signals when it
    // has them, otherwise a comparison after every change the item can see.
    // Called by each type's constructor, once its meta-object is complete.
    void Attach();

    QVariant Read(const char* name) const;
    void Write(const char* name, const QVariant& value);
    // An enumeration is spelt in QML as in a window description: "fkVertical".
    // A name the enumeration lacks is reported and changes nothing.
    QString ReadEnum(const char* name) const;
    void WriteEnum(const char* name, const char* qmlName, const QString& key);
    // A colour is a QML color. A library colour reads as the RGB the widget
    // paints it in (clBtnFace as the window face's); a QML color writes its
    // RGB, its alpha dropped (the library's colours have none). An invalid
    // colour is reported and changes nothing.
    QColor ReadColor(const char* name) const;
    void WriteColor(const char* name, const char* qmlName, const QColor& color);

    // A component event argument as QML receives it.
    template <class T>
    static auto QmlValue(const T& v)
    {
        if constexpr (std::is_enum_v<T>)
            return int(v);
        else if constexpr (requires { v.toInt(); } && !std::is_same_v<T, QString>)
            return int(v.toInt());
        else if constexpr (std::is_integral_v<T>)
            return int(v);
        else
            return v;
    }

    bool eventFilter(QObject* watched, QEvent* event) override;
    void updatePolish() override;
    QSGNode* updatePaintNode(QSGNode* node, UpdatePaintNodeData*) override;
    void componentComplete() override;
    void itemChange(ItemChange change, const ItemChangeData& value) override;
    void geometryChange(const QRectF& newGeometry, const QRectF& oldGeometry) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void hoverEnterEvent(QHoverEvent* event) override;
    void hoverMoveEvent(QHoverEvent* event) override;
    void hoverLeaveEvent(QHoverEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    struct Watched {
        int property; // index in the item's meta-object
        QVariant last;
    };
    void Watch(QWidget* widget);
    void Deliver(QEvent* event);
    void ForwardMouse(QMouseEvent* event);
    void ForwardKey(QKeyEvent* event);
    void TakePicture();
    bool ShareScreenPicture(QImage& picture, bool opaque);
    void RenderPicture(QImage& picture, bool opaque);
    void NotifyChangedProperties();

    TControl* component_ = nullptr;
    QuilItemAccessible* accessible_ = nullptr;
    // Two pictures in turn: the scene graph's texture may share the one shown
    // until the next frame's node replaces it, so the next is drawn into the
    // other, which nothing shares by then (no copy on write), or is the
    // component's own bitmap, shared (ShareScreenPicture).
    QImage pictures_[2];
    int shown_ = 0;
    bool newPicture_ = false;
    QList<Watched> watched_;
    int pictureCount_ = 0;
    bool rendering_ = false;
};
