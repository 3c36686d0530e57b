#pragma once
// The network master's side of the "Can" page, on its own attachment to the
// simulated wire: a monitor listing every frame on the wire (one line of
// DescribeCanFrame each; the master's own requests marked), and a small
// master that downloads a configuration to a chosen node and uploads the
// node's buffer back.

#include "can/SdoTransfer.h"

#include <QPointer>
#include <QWidget>

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class TCanBus;
class TCanCBase;
class TCanHost;
struct TCanMessage;

class TCanMasterPanel : public QWidget {
    Q_OBJECT

public:
    static constexpr int kMonitorLines = 500;

    // The master writes and reads on bus; the nodes to address are the host's.
    TCanMasterPanel(TCanBus* bus, TCanHost* host, QWidget* parent = nullptr);

    QLineEdit* BytesEdit() const { return bytes_; }
    QComboBox* NodeChoice() const { return node_; }
    QListWidget* Monitor() const { return monitor_; }
    QString Result() const;
    // The buttons' work: starts a transfer with the chosen node.
    void Download();
    void Upload();
    bool Busy() const { return !transfer_.isNull(); }

private:
    void Log(const TCanMessage& frame, bool ours);
    TSdoTransfer::SendFunction Sender();
    void Start(TSdoTransfer* transfer, const QString& what);
    void Finish(const QString& what);
    void SetButtonsEnabled(bool on);

    TCanBus* bus_;
    TCanHost* host_;
    QComboBox* node_;
    QLineEdit* bytes_;
    QPushButton* download_;
    QPushButton* upload_;
    QLabel* result_;
    QListWidget* monitor_;
    QPointer<TSdoTransfer> transfer_;
};
