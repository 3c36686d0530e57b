#pragma once
// QuilAccessibleApplication: the application as assistive technology sees it
// once Quil items are in it. Each item's component is a top-level window of
// its own that is never mapped (so Qt keeps telling of its paints); the
// application's accessible children are its top-level windows, so every
// component, on a page in view or not, would be listed beside the Qt Quick
// window that shows it. This interface lists the other windows only: a
// component is told through its item, and only where the item is.

#include <QAccessibleObject>

class QuilAccessibleApplication : public QAccessibleApplication {
public:
    // Makes this the application's interface from now on; once is enough.
    // Called before assistive technology first asks for the application
    // (the first item is made before the event loop runs).
    static void Install();

    int childCount() const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* child(int index) const override;

private:
    QList<QAccessibleInterface*> Shown() const;
};
