#pragma once
// QuilItem: the Qt Quick face of one library component. The item owns an
// instance of the component (a widget that is never shown on screen), sizes
// it to the item, forwards input to it as the widget would receive it and
// shows the component's own pixels: whenever the component asks for a paint,
// its picture is rendered off screen and the item repaints, and only then.
// The per-class QML types (generated from the meta-objects into QuilTypes.h)
// add the component's published properties and events.

#include <QImage>
#include <QList>
#include <QStringList>
#include <QQuickPaintedItem>
#include <QVariant>
#include <QtQml/qqmlregistration.h>

class QuilItemAccessible;
class TControl;

class QuilItem : public QQuickPaintedItem {
    Q_OBJECT
    QML_ANONYMOUS
    // The library class behind the item ("TLCD99").
    Q_PROPERTY(QString componentClass READ ComponentClass CONSTANT)

public:
    ~QuilItem() override;

    QString ComponentClass() const;
    TControl* Component() const { return component_; }
    // The component's picture as the item shows it.
    Q_INVOKABLE QImage picture() const { return picture_; }
    // Times the item took a new picture from its component.
    Q_INVOKABLE int pictureCount() const { return pictureCount_; }
    // The component's accessible actions by their names ("Press", "Increase",
    // "Press upper"), and doing one as assistive technology does.
    Q_INVOKABLE QStringList accessibleActions() const;
    Q_INVOKABLE void doAccessibleAction(const QString& name);
    // An accessible action changed the component: its properties notify.
    void AfterAccessibleAction() { NotifyChangedProperties(); }

    void paint(QPainter* painter) override;

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
    void NotifyChangedProperties();

    TControl* component_ = nullptr;
    QuilItemAccessible* accessible_ = nullptr;
    QImage picture_;
    QList<Watched> watched_;
    int pictureCount_ = 0;
    bool rendering_ = false;
};
