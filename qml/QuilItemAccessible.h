#pragma once
// QuilItemAccessible: a Quil item told to assistive technology as its
// widget is: Qt Quick's Accessible attached properties of the item take the
// component's role and name (TAccessibleControl), its description what the
// component shows in words or its value, and Accessible's actions (press,
// increase, decrease, toggle) do the component's own. The item's attached
// object is made here, so the item appears in the accessibility tree
// without a line of QML; what QML sets on Accessible itself is left alone
// (the name it gives stays).

#include <QObject>
#include <QString>

class QuilItem;
class TAccessibleControl;

class QuilItemAccessible : public QObject {
    Q_OBJECT

public:
    // Does nothing for a component without an accessible face.
    QuilItemAccessible(QuilItem* item, TAccessibleControl* control);

    // Brings name and description up to date with the component.
    void Update();

private slots:
    void Press();
    void Increase();
    void Decrease();
    void Toggle();

private:
    void Do(const QString& action);
    void Write(const char* property, const QString& value, QString& last);

    TAccessibleControl* control_;
    QObject* attached_ = nullptr;
    QString name_;
    QString description_;
};
