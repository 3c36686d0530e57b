#include "qml/QuilAccessibleApplication.h"

#include "qml/QuilItem.h"

#include <QCoreApplication>

namespace {

QAccessibleInterface* Factory(const QString& key, QObject* object)
{
    if (object == QCoreApplication::instance() && key == QLatin1String("QApplication"))
        return new QuilAccessibleApplication;
    return nullptr;
}

} // namespace

void QuilAccessibleApplication::Install()
{
    static const bool installed = [] {
        QAccessible::installFactory(&Factory);
        return true;
    }();
    Q_UNUSED(installed);
}

// The top-level windows as the application lists them, less the components
// that items show.
QList<QAccessibleInterface*> QuilAccessibleApplication::Shown() const
{
    QList<QAccessibleInterface*> shown;
    const int count = QAccessibleApplication::childCount();
    for (int i = 0; i < count; ++i) {
        QAccessibleInterface* window = QAccessibleApplication::child(i);
        if (window && !QuilItem::IsShownComponent(window->object()))
            shown.append(window);
    }
    return shown;
}

int QuilAccessibleApplication::childCount() const { return int(Shown().size()); }

int QuilAccessibleApplication::indexOfChild(const QAccessibleInterface* child) const
{
    return int(Shown().indexOf(const_cast<QAccessibleInterface*>(child)));
}

QAccessibleInterface* QuilAccessibleApplication::child(int index) const { return Shown().value(index); }
