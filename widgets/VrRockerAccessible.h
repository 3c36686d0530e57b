#pragma once
// What a screen reader learns about a TVrRocker: a button with a name and
// its position ("Upper half down", "Lower half down", "Released") as value.

#include <QAccessibleWidget>

class TVrRocker;

class TVrRockerAccessible : public QAccessibleWidget {
public:
    explicit TVrRockerAccessible(TVrRocker* rocker);

    // Registers the interface factory with Qt once per program.
    static void Install();
    // Tells assistive technology that the rocker changed position.
    static void StateChanged(TVrRocker* rocker);

    QString text(QAccessible::Text t) const override;

private:
    TVrRocker* Rocker() const;
};
