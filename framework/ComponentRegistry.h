#pragma once
// The component registry: every component class is recorded with its factory,
// its palette page and its palette bitmap name. The window-description reader
// creates classes by name through it; design tools list pages and classes.

#include <QList>
#include <QMetaObject>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <functional>
#include <optional>
#include <type_traits>

// The palette pages the component library uses.
namespace PalettePage {
inline const QString Saxel = QStringLiteral("Saxel Componenten");
inline const QString KivGraphics = QStringLiteral("KivGraphics");
inline const QString Can = QStringLiteral("Can");
inline const QString Custom = QStringLiteral("Custom components");
// The Vr instrument family (thermometer, LED, rocker, shaped window).
inline const QString Vr = QStringLiteral("Vr");
inline const QString Standard = QStringLiteral("Standard");
} // namespace PalettePage

struct TComponentClass {
    QString ClassName;
    QString PaletteBitmap;
    QString Page; // filled in by RegisterComponents
    // Creates an instance owned by parent. A widget class placed under a
    // parent that is not a widget gets no parent (the caller decides).
    std::function<QObject*(QObject* parent)> Create;
    const QMetaObject* Meta = nullptr;

    template <class T>
    static TComponentClass Of(const QString& paletteBitmap = {});
};

template <class T>
TComponentClass TComponentClass::Of(const QString& paletteBitmap)
{
    static_assert(std::is_base_of_v<QObject, T>, "components are QObjects");
    TComponentClass c;
    c.ClassName = QString::fromLatin1(T::staticMetaObject.className());
    c.PaletteBitmap = paletteBitmap;
    c.Meta = &T::staticMetaObject;
    c.Create = [](QObject* parent) -> QObject* {
        if constexpr (std::is_base_of_v<QWidget, T>)
            return new T(qobject_cast<QWidget*>(parent));
        else
            return new T(parent);
    };
    return c;
}

// Records the classes on a palette page; an empty page registers classes
// that descriptions may use but the palette does not show (forms). Registering a class name again
// replaces the earlier entry (the page may change), so registration functions
// can safely run more than once.
void RegisterComponents(const QString& page, const QList<TComponentClass>& classes);

// The class registered under this name, ignoring case; empty when unknown.
std::optional<TComponentClass> FindComponentClass(const QString& className);

// Pages in the order they were first used.
QStringList ComponentPages();
// Classes of one page in registration order (page name compared ignoring case).
QList<TComponentClass> ComponentClassesOfPage(const QString& page);
// Every registered class, in registration order.
QList<TComponentClass> RegisteredComponentClasses();
