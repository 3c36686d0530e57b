#include "can/tool/ToolCommands.h"

#include "can/AnaInObj.h"
#include "can/CanFrameText.h"
#include "can/CanHost.h"
#include "can/DigInObj.h"
#include "can/QtCanBus.h"
#include "can/SdoTransfer.h"
#include "can/tool/SignalSimulator.h"
#include "framework/Exception.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTextStream>
#include <QTimer>
#include <memory>

namespace {

constexpr int ConnectTimeoutMs = 3000;

QTextStream& Out()
{
    static QTextStream out(stdout);
    return out;
}

void Report(const QString& line) { Out() << line << Qt::endl; }

// Opens the bus and waits until frames can be written.
std::unique_ptr<TQtCanBus> OpenBus(const TToolOptions& options)
{
    auto bus = std::make_unique<TQtCanBus>(options.Plugin, options.Interface);
    if (!bus->IsConnected()) {
        QEventLoop loop;
        QObject::connect(bus.get(), &TQtCanBus::Connected, &loop, &QEventLoop::quit);
        QTimer::singleShot(ConnectTimeoutMs, &loop, &QEventLoop::quit);
        loop.exec();
    }
    if (!bus->IsConnected())
        throw Exception(QStringLiteral("CAN plugin '%1', interface '%2': not connected after %3 ms")
                            .arg(options.Plugin, options.Interface)
                            .arg(ConnectTimeoutMs));
    QObject::connect(bus.get(), &TCanBus::ErrorOccurred, [](const QString& text) {
        QTextStream(stderr) << "quil-can: bus error: " << text << Qt::endl;
    });
    return bus;
}

int RunTransfer(TQtCanBus& bus, TSdoTransfer& transfer, const TToolOptions& options)
{
    transfer.SetTimeoutMs(options.TimeoutMs);
    QObject::connect(&bus, &TCanBus::FrameReceived, &transfer, &TSdoTransfer::FrameReceived);
    QObject::connect(&transfer, &TSdoTransfer::Finished, qApp, &QCoreApplication::quit, Qt::QueuedConnection);
    transfer.Start();
    if (transfer.CurrentState() == TSdoTransfer::State::Running)
        QCoreApplication::exec();
    if (transfer.CurrentState() != TSdoTransfer::State::Done) {
        QTextStream(stderr) << "quil-can: " << transfer.ErrorString() << Qt::endl;
        return 1;
    }
    return 0;
}

TSdoTransfer::SendFunction SdoSendFunction(TQtCanBus& bus)
{
    return [&bus](const TCanMessage& m) { return bus.Write(m); };
}

} // namespace

int RunMonitor(const TToolOptions& options)
{
    const auto bus = OpenBus(options);
    Report(QStringLiteral("monitoring %1 %2").arg(options.Plugin, options.Interface));
    QElapsedTimer clock;
    clock.start();
    QObject::connect(bus.get(), &TQtCanBus::BusFrameReceived, [&clock](const QCanBusFrame& frame) {
        Report(QStringLiteral("%1 %2").arg(clock.elapsed() / 1000.0, 9, 'f', 3).arg(DescribeBusFrame(frame)));
    });
    return QCoreApplication::exec();
}

int RunDownload(const TToolOptions& options)
{
    const CanId::TAddress node = ParseNodeAddress(options.Words[0]);
    const QByteArray bytes = ParseDataBytes(options.Words.mid(1));
    if (bytes.size() > TSdoTransfer::MaxBytes)
        throw Exception(QStringLiteral("download: %1 bytes given, the node's buffer holds %2")
                            .arg(bytes.size())
                            .arg(TSdoTransfer::MaxBytes));
    const auto bus = OpenBus(options);
    std::unique_ptr<TSdoTransfer> transfer(TSdoTransfer::Download(node, bytes, SdoSendFunction(*bus)));
    const int code = RunTransfer(*bus, *transfer, options);
    if (code == 0)
        Report(QStringLiteral("downloaded %1 bytes to node %2").arg(bytes.size()).arg(CanAddressText(node)));
    return code;
}

int RunUpload(const TToolOptions& options)
{
    const CanId::TAddress node = ParseNodeAddress(options.Words[0]);
    const auto bus = OpenBus(options);
    std::unique_ptr<TSdoTransfer> transfer(TSdoTransfer::Upload(node, SdoSendFunction(*bus)));
    const int code = RunTransfer(*bus, *transfer, options);
    if (code == 0)
        Report(QStringLiteral("node %1, %2 bytes: %3")
                   .arg(CanAddressText(node))
                   .arg(transfer->Data().size())
                   .arg(QString::fromLatin1(transfer->Data().toHex(' '))));
    return code;
}

int RunNode(const TToolOptions& options)
{
    TCanHost host(OpenBus(options));
    auto* analog = new TAnaInObj;
    auto* digital = new TDigInObj;
    host.AddNode(analog);
    host.AddNode(digital);
    TSignalSimulator signal(analog, digital);
    const auto name = [](TCanCBase* node, const char* kind) {
        return QStringLiteral("%1 input %2").arg(QLatin1String(kind), CanAddressText(CanId::TAddress::Of(node->NodeId())));
    };
    QObject::connect(analog, &TCanInputObj::OnSdoRec, [=] {
        Report(QStringLiteral("%1: configuration received, Function %2").arg(name(analog, "analog")).arg(analog->Function));
    });
    QObject::connect(digital, &TCanInputObj::OnSdoRec, [=] {
        Report(QStringLiteral("%1: configuration received, Function %2").arg(name(digital, "digital")).arg(digital->Function));
    });
    for (TCanCBase* node : host.Nodes())
        QObject::connect(node, &TCanCBase::OnTimeOut, [node] {
            Report(QStringLiteral("node %1: transfer timed out").arg(CanAddressText(CanId::TAddress::Of(node->NodeId()))));
        });
    Report(QStringLiteral("node on %1 %2: %3, %4").arg(options.Plugin, options.Interface, name(analog, "analog"),
                                                      name(digital, "digital")));
    return QCoreApplication::exec();
}
