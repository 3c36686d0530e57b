#include "can/SdoTransfer.h"

#include "can/CanFrameText.h"
#include "can/SdoCommand.h"
#include "framework/Timer.h"

TSdoTransfer::TSdoTransfer(const CanId::TAddress& node, SendFunction send, QObject* parent)
    : QObject(parent), node_(node), send_(std::move(send)), timer_(new TTimer(this))
{
    timer_->SetEnabled(false);
    timer_->SetInterval(timeoutMs_);
    connect(timer_, &TTimer::OnTimer, this, &TSdoTransfer::TimeOut);
}

// The first segment starts the transfer and the last one ends it, so a
// download that fits one segment is followed by an empty last segment.
TSdoTransfer* TSdoTransfer::Download(const CanId::TAddress& node, const QByteArray& bytes, SendFunction send,
                                     QObject* parent)
{
    auto* transfer = new TSdoTransfer(node, std::move(send), parent);
    if (bytes.isEmpty() || bytes.size() > MaxBytes) {
        transfer->state_ = State::Failed;
        transfer->error_ = QStringLiteral("a download takes 1 to %1 bytes, not %2").arg(MaxBytes).arg(bytes.size());
        return transfer;
    }
    transfer->segments_.push_back({Sdo::DownloadFirst, bytes.left(Sdo::SegmentBytes)});
    for (qsizetype at = Sdo::SegmentBytes; at < bytes.size(); at += Sdo::SegmentBytes)
        transfer->segments_.push_back({Sdo::DownloadMiddle, bytes.mid(at, Sdo::SegmentBytes)});
    if (transfer->segments_.size() == 1)
        transfer->segments_.push_back({Sdo::DownloadLast, {}});
    transfer->segments_.back().Command = Sdo::DownloadLast;
    return transfer;
}

TSdoTransfer* TSdoTransfer::Upload(const CanId::TAddress& node, SendFunction send, QObject* parent)
{
    auto* transfer = new TSdoTransfer(node, std::move(send), parent);
    transfer->upload_ = true;
    return transfer;
}

void TSdoTransfer::SetTimeoutMs(int ms)
{
    timeoutMs_ = ms;
    timer_->SetInterval(ms);
}

void TSdoTransfer::Start()
{
    if (state_ != State::Idle) {
        if (state_ == State::Failed)
            emit Finished(this);
        return;
    }
    state_ = State::Running;
    SendRequest();
}

void TSdoTransfer::SendRequest()
{
    TCanMessage request;
    request.ID = CanId::Compose(node_.Bits(), CanId::SdoRequest, priority_);
    QByteArray payload;
    if (upload_) {
        requestCommand_ = next_ == 0 ? Sdo::UploadStart : Sdo::UploadNext;
        ++next_;
    } else {
        requestCommand_ = segments_[next_].Command;
        payload = segments_[next_++].Bytes;
    }
    request.Length = std::uint8_t(1 + payload.size());
    request.Data[0] = Sdo::CommandByte(toggle_, int(payload.size()), requestCommand_);
    for (qsizetype i = 0; i < payload.size(); ++i)
        request.Data[1 + i] = std::uint8_t(payload[i]);
    timer_->SetEnabled(false);
    timer_->SetEnabled(true);
    if (!send_(request))
        Fail(QStringLiteral("the bus refused the %1").arg(RequestText()));
}

QString TSdoTransfer::RequestText() const
{
    return QStringLiteral("%1 (toggle %2)").arg(Sdo::CommandName(requestCommand_, true)).arg(toggle_ ? 1 : 0);
}

void TSdoTransfer::FrameReceived(const TCanMessage& frame)
{
    if (state_ != State::Running || CanId::Type.Of(frame.ID) != CanId::SdoReply
        || (frame.ID & CanId::AddressMask) != node_.Bits())
        return;
    const std::uint8_t byte = frame.Data[0];
    const int command = Sdo::CommandOf(byte);
    if (command == Sdo::Abort)
        return Fail(QStringLiteral("node %1 aborted the %2: %3")
                        .arg(CanAddressText(node_), RequestText(), Sdo::AbortCauses(requestCommand_)));
    if (Sdo::Toggle(byte) != toggle_)
        return Fail(QStringLiteral("node %1 answered the %2 with toggle %3")
                        .arg(CanAddressText(node_), RequestText())
                        .arg(Sdo::Toggle(byte) ? 1 : 0));
    const bool taken = upload_ ? TakeUploadReply(frame, command) : TakeDownloadReply(command);
    if (!taken && state_ == State::Running)
        Fail(QStringLiteral("node %1 answered the %2 with '%3' (command byte %4)")
                 .arg(CanAddressText(node_), RequestText(), Sdo::CommandName(command, false))
                 .arg(byte, 2, 16, QLatin1Char('0')));
}

bool TSdoTransfer::TakeDownloadReply(int command)
{
    const bool last = next_ == segments_.size();
    if (command != (last ? Sdo::DownloadComplete : Sdo::SegmentAccepted))
        return false;
    toggle_ = !toggle_;
    if (last)
        Succeed();
    else
        SendRequest();
    return true;
}

bool TSdoTransfer::TakeUploadReply(const TCanMessage& reply, int command)
{
    const int count = command == Sdo::UploadMore ? Sdo::SegmentBytes : Sdo::Count(reply.Data[0]);
    if (command != Sdo::UploadMore && command != Sdo::UploadLast)
        return false;
    if (reply.Length < count + 1) {
        Fail(QStringLiteral("node %1 sent an upload segment of length %2 for %3 bytes")
                 .arg(CanAddressText(node_))
                 .arg(reply.Length)
                 .arg(count));
        return false;
    }
    if (data_.size() + count > MaxBytes) {
        Fail(QStringLiteral("node %1 uploads more than %2 bytes").arg(CanAddressText(node_)).arg(MaxBytes));
        return false;
    }
    data_.append(reinterpret_cast<const char*>(reply.Data + 1), count);
    toggle_ = !toggle_;
    if (command == Sdo::UploadLast)
        Succeed();
    else
        SendRequest();
    return true;
}

void TSdoTransfer::TimeOut()
{
    if (state_ == State::Running)
        Fail(QStringLiteral("no reply from node %1 within %2 ms to the %3")
                 .arg(CanAddressText(node_))
                 .arg(timeoutMs_)
                 .arg(RequestText()));
}

void TSdoTransfer::Fail(const QString& text)
{
    timer_->SetEnabled(false);
    state_ = State::Failed;
    error_ = text;
    emit Finished(this);
}

void TSdoTransfer::Succeed()
{
    timer_->SetEnabled(false);
    state_ = State::Done;
    emit Finished(this);
}

QString TSdoTransfer::Outcome(const QString& what) const
{
    if (state_ != State::Done)
        return QStringLiteral("Failed: ") + error_;
    if (data_.isEmpty())
        return what;
    return QStringLiteral("%1: %2 bytes: %3").arg(what).arg(data_.size()).arg(QString::fromLatin1(data_.toHex(' ')));
}
