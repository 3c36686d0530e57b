#pragma once
// QuilCanNode: what the QML types of the CAN input objects (AnaInObj,
// DigInObj) share: the library object they stand for, its address on the
// network (the published properties, spelled as QML spells them) and its
// converted value, notified after the poll that changed it. The object is the
// type's own until a CanHost takes it onto its bus.

#include <QObject>
#include <QPointer>
#include <QtQml/qqmlregistration.h>

class TCanInputObj;

class QuilCanNode : public QObject {
    Q_OBJECT
    QML_ANONYMOUS
    Q_PROPERTY(int cardNr READ CardNr WRITE SetCardNr NOTIFY cardNrChanged)
    Q_PROPERTY(int cardID READ CardID WRITE SetCardID NOTIFY cardIDChanged)
    Q_PROPERTY(int componentNr READ ComponentNr WRITE SetComponentNr NOTIFY componentNrChanged)
    Q_PROPERTY(int componentID READ ComponentID WRITE SetComponentID NOTIFY componentIDChanged)
    Q_PROPERTY(int prioriteit READ Prioriteit WRITE SetPrioriteit NOTIFY prioriteitChanged)
    // The reading converted by the node's function, as its PDOs carry it.
    Q_PROPERTY(int value READ Value NOTIFY valueChanged)

public:
    ~QuilCanNode() override;

    // The library object; null once the host that took it is gone.
    TCanInputObj* Node() const;

    int CardNr() const;
    void SetCardNr(int value);
    int CardID() const;
    void SetCardID(int value);
    int ComponentNr() const;
    void SetComponentNr(int value);
    int ComponentID() const;
    void SetComponentID(int value);
    int Prioriteit() const;
    void SetPrioriteit(int value);
    int Value() const { return value_; }

signals:
    void cardNrChanged();
    void cardIDChanged();
    void componentNrChanged();
    void componentIDChanged();
    void prioriteitChanged();
    void valueChanged();
    // The network master configured another function.
    void componentFunctionChanged();

protected:
    // Takes the object over.
    QuilCanNode(TCanInputObj* node, QObject* parent);

private:
    void AfterPoll();

    QPointer<TCanInputObj> node_;
    int value_ = 0;
};
