#pragma once
// CanMaster in QML: the network master's side of configuring a CAN object.
// On the bus of a CanHost of its own (one without objects, so it hears the
// objects' replies) it downloads bytes into an object's buffer and uploads
// the buffer back, one segmented transfer at a time, and spells frames as the
// master's monitor lists them. A transfer that cannot start or fails says why
// in result.
//
//   CanHost { id: masterBus; network: wire }
//   CanMaster { id: master; host: masterBus }
//   ... master.download(sensor, "00 00 00 00 03 00 0a 00")

#include "can/SdoTransfer.h"
#include "qml/QuilCanHost.h"
#include "qml/QuilCanNode.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QtQml/qqmlregistration.h>

class QuilCanMaster : public QObject {
    Q_OBJECT
    QML_NAMED_ELEMENT(CanMaster)
    // The host whose bus the master writes on and listens to.
    Q_PROPERTY(QuilCanHost* host READ Host WRITE SetHost NOTIFY hostChanged)
    // A transfer is running; another is refused until it ends.
    Q_PROPERTY(bool busy READ Busy NOTIFY busyChanged)
    // What the last transfer did (an upload's bytes included), or why it
    // failed or was refused.
    Q_PROPERTY(QString result READ Result NOTIFY resultChanged)

public:
    explicit QuilCanMaster(QObject* parent = nullptr);

    QuilCanHost* Host() const { return host_; }
    void SetHost(QuilCanHost* value);
    bool Busy() const { return !transfer_.isNull(); }
    QString Result() const { return result_; }

    // Hex bytes separated by blanks ("00 0a d2"), 1 to 256 of them, into the
    // object's buffer from its first entry.
    Q_INVOKABLE void download(QuilCanNode* node, const QString& bytes);
    Q_INVOKABLE void upload(QuilCanNode* node);
    // A frame as a line of the monitor: identifier, type, priority, address,
    // bytes and what they mean.
    Q_INVOKABLE QString describe(double identifier, const QList<int>& data) const;

signals:
    void hostChanged();
    void busyChanged();
    void resultChanged();
    // A request the master put on the bus (its host does not hear its own frames).
    void sent(double identifier, const QList<int>& data);

private:
    // The bus and the object's address, or a refusal in result.
    bool Ready(QuilCanNode* node, const QString& what);
    // Writes on the host's bus, telling of each request.
    TSdoTransfer::SendFunction Sender();
    void Start(TSdoTransfer* transfer, const QString& what);
    void Finish(const QString& what);
    void SetResult(const QString& text);

    QPointer<QuilCanHost> host_;
    QPointer<TSdoTransfer> transfer_;
    QString result_;
};
