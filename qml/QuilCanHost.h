#pragma once
// CanHost in QML: a bus and the CAN objects on it (its children in QML).
// The bus is a simulated wire (bus: CanHost.Simulated, on the network given
// or on one of its own) or a Qt CAN bus device (bus: CanHost.QtCanBus with a
// plugin and an interface: "virtualcan"/"can0", "socketcan"/"vcan0"). The
// bus is opened once the QML object is complete; a device that cannot be
// opened is reported in errorString and as a warning, and the host has no bus.
//
//   CanHost {
//       AnaInObj { id: sensor; componentFunction: 1; inputValue: 215 }
//   }

#include "qml/QuilCanNetwork.h"
#include "qml/QuilCanNode.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QQmlListProperty>
#include <QQmlParserStatus>
#include <QtQml/qqmlregistration.h>

class TCanHost;
struct TCanMessage;

class QuilCanHost : public QObject, public QQmlParserStatus {
    Q_OBJECT
    Q_INTERFACES(QQmlParserStatus)
    QML_NAMED_ELEMENT(CanHost)
    Q_CLASSINFO("DefaultProperty", "nodes")
    Q_PROPERTY(BusKind bus READ Bus WRITE SetBus NOTIFY busChanged)
    Q_PROPERTY(QuilCanNetwork* network READ Network WRITE SetNetwork NOTIFY networkChanged)
    Q_PROPERTY(QString plugin READ Plugin WRITE SetPlugin NOTIFY busChanged)
    Q_PROPERTY(QString interfaceName READ InterfaceName WRITE SetInterfaceName NOTIFY busChanged)
    Q_PROPERTY(QQmlListProperty<QuilCanNode> nodes READ Nodes)
    // The input objects' PDOs carry the typed PDO identifier.
    Q_PROPERTY(bool pdoTypeFlag READ PdoTypeFlag WRITE SetPdoTypeFlag NOTIFY pdoTypeFlagChanged)
    // The bus is open and frames can be written.
    Q_PROPERTY(bool connected READ Connected NOTIFY connectedChanged)
    Q_PROPERTY(QString errorString READ ErrorString NOTIFY errorStringChanged)

public:
    enum BusKind { Simulated, QtCanBus };
    Q_ENUM(BusKind)

    explicit QuilCanHost(QObject* parent = nullptr);
    ~QuilCanHost() override;

    BusKind Bus() const { return bus_; }
    void SetBus(BusKind value);
    QuilCanNetwork* Network() const { return network_; }
    void SetNetwork(QuilCanNetwork* value);
    QString Plugin() const { return plugin_; }
    void SetPlugin(const QString& value);
    QString InterfaceName() const { return interfaceName_; }
    void SetInterfaceName(const QString& value);
    QQmlListProperty<QuilCanNode> Nodes();
    bool PdoTypeFlag() const { return pdoTypeFlag_; }
    void SetPdoTypeFlag(bool value);
    bool Connected() const;
    QString ErrorString() const { return errorString_; }
    TCanHost* Host() const { return host_; }

    // Writes one extended frame (up to eight bytes) to the bus; false, with
    // errorString, when it cannot.
    Q_INVOKABLE bool send(double identifier, const QList<int>& data);

    void classBegin() override {}
    void componentComplete() override;

signals:
    void busChanged();
    void networkChanged();
    void pdoTypeFlagChanged();
    void connectedChanged();
    void errorStringChanged();
    // A frame another attachment put on the bus.
    void frameReceived(double identifier, const QList<int>& data);

private:
    static void AppendNode(QQmlListProperty<QuilCanNode>* list, QuilCanNode* node);
    static qsizetype NodeCount(QQmlListProperty<QuilCanNode>* list);
    static QuilCanNode* NodeAt(QQmlListProperty<QuilCanNode>* list, qsizetype index);
    void Open();
    void Close();
    void Take(QuilCanNode* node);
    void Report(const QString& error);
    void Received(const TCanMessage& frame);

    BusKind bus_ = Simulated;
    QPointer<QuilCanNetwork> network_;
    QString plugin_;
    QString interfaceName_;
    QList<QuilCanNode*> nodes_;
    bool pdoTypeFlag_ = true;
    bool complete_ = false;
    TCanHost* host_ = nullptr;
    QString errorString_;
};
