#include "gallery/CanMasterPanel.h"

#include "can/CanBus.h"
#include "can/CanCBase.h"
#include "can/CanFrameText.h"
#include "can/CanHost.h"
#include "can/SdoBytes.h"
#include "can/SdoTransfer.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// A configuration for an analog input: scaling 10..210 to 0..100 %, events
// on a change of 5 and every 100 polls (entries 2.. hold the words, low byte first).
const char* const kAnalogConfiguration =
    "00 00 00 00 03 00 0a 00 d2 00 00 00 64 00 0c 00 c8 00 00 00 05 00 64 00 00 00";

} // namespace

TCanMasterPanel::TCanMasterPanel(TCanBus* bus, TCanHost* host, QWidget* parent)
    : QWidget(parent), bus_(bus), host_(host), node_(new QComboBox(this)),
      bytes_(new QLineEdit(QString::fromLatin1(kAnalogConfiguration), this)),
      download_(new QPushButton(QStringLiteral("Download"), this)),
      upload_(new QPushButton(QStringLiteral("Upload"), this)), result_(new QLabel(this)),
      monitor_(new QListWidget(this))
{
    for (TCanCBase* node : host->Nodes())
        node_->addItem(QString::fromLatin1(node->metaObject()->className()));
    bytes_->setMinimumWidth(430);
    result_->setWordWrap(true);
    result_->setMinimumWidth(430);
    // Room for an upload's two lines, so the monitor does not move.
    result_->setFixedHeight(2 * result_->fontMetrics().lineSpacing() + 2);
    monitor_->setFixedSize(560, 180);
    monitor_->setFont(QFont(QStringLiteral("monospace"), 8));

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Node"), node_);
    form->addRow(QStringLiteral("Bytes"), bytes_);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(download_);
    buttons->addWidget(upload_);
    buttons->addStretch();
    form->addRow(buttons);
    form->addRow(result_);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(form);
    layout->addWidget(new QLabel(QStringLiteral("Frames on the wire (>> sent by the master):"), this));
    layout->addWidget(monitor_);

    connect(download_, &QPushButton::clicked, this, &TCanMasterPanel::Download);
    connect(upload_, &QPushButton::clicked, this, &TCanMasterPanel::Upload);
    connect(bus_, &TCanBus::FrameReceived, this, [this](const TCanMessage& frame) { Log(frame, false); });
}

QString TCanMasterPanel::Result() const { return result_->text(); }

void TCanMasterPanel::Log(const TCanMessage& frame, bool ours)
{
    monitor_->addItem((ours ? QStringLiteral(">> ") : QStringLiteral("   ")) + DescribeCanFrame(frame));
    while (monitor_->count() > kMonitorLines)
        delete monitor_->takeItem(0);
    monitor_->scrollToBottom();
}

void TCanMasterPanel::Download()
{
    QString error;
    const QByteArray bytes = ParseSdoBytes(bytes_->text(), error);
    if (!error.isEmpty()) {
        result_->setText(QStringLiteral("Download refused: ") + error);
        return;
    }
    const TCanCBase* node = host_->Nodes()[size_t(node_->currentIndex())];
    const auto address = CanId::TAddress::Of(node->NodeId());
    Start(TSdoTransfer::Download(address, bytes, Sender(), this),
          QStringLiteral("Downloaded %1 bytes to %2").arg(bytes.size()).arg(CanAddressText(address)));
}

void TCanMasterPanel::Upload()
{
    const TCanCBase* node = host_->Nodes()[size_t(node_->currentIndex())];
    const auto address = CanId::TAddress::Of(node->NodeId());
    Start(TSdoTransfer::Upload(address, Sender(), this), QStringLiteral("Uploaded from %1").arg(CanAddressText(address)));
}

TSdoTransfer::SendFunction TCanMasterPanel::Sender()
{
    return [this](const TCanMessage& m) {
        Log(m, true);
        return bus_->Write(m);
    };
}

void TCanMasterPanel::Start(TSdoTransfer* transfer, const QString& what)
{
    transfer_ = transfer;
    SetButtonsEnabled(false);
    result_->setText(what + QStringLiteral(" ..."));
    connect(bus_, &TCanBus::FrameReceived, transfer, &TSdoTransfer::FrameReceived);
    connect(transfer, &TSdoTransfer::Finished, this, [this, what] { Finish(what); });
    transfer->Start();
}

void TCanMasterPanel::Finish(const QString& what)
{
    TSdoTransfer* transfer = transfer_;
    if (!transfer)
        return;
    result_->setText(transfer->Outcome(what));
    transfer_ = nullptr;
    // Finished is raised from inside the transfer's own calls.
    transfer->deleteLater();
    SetButtonsEnabled(true);
}

void TCanMasterPanel::SetButtonsEnabled(bool on)
{
    download_->setEnabled(on);
    upload_->setEnabled(on);
}
