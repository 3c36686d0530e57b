#include "can/CanCBase.h"

#include "can/SdoCommand.h"
#include "framework/Control.h"
#include "framework/Dialogs.h"
#include "framework/Notify.h"
#include "framework/Timer.h"

namespace {

TComponentState OwnerState(const QObject* owner)
{
    if (auto* control = qobject_cast<const TControl*>(owner))
        return control->ComponentState();
    if (auto* node = qobject_cast<const TCanCBase*>(owner))
        return node->ComponentState();
    return {};
}

} // namespace

TCanCBase::TCanCBase(QObject* owner) : QObject(owner), sdoTimer_(new TTimer(this))
{
    for (int i = 0; i < 200; ++i)
        SdoData[std::size_t(i)] = i + 10;
    sdoTimer_->SetEnabled(false);
    sdoTimer_->SetInterval(100);
    connect(sdoTimer_, &TTimer::OnTimer, this, &TCanCBase::OnTTimeOut);
    state_ = OwnerState(owner) & csDesigning;
}

// A refused value leaves the property and NodeId as they were. Besides the
// upper limits of the protocol, values that do not fit their bit field
// (negative ones, 32 in a 5-bit field) are refused: stored, they would
// change the neighbouring fields of NodeId.
bool TCanCBase::AcceptField(int value, int limit, const CanId::TField& field, const char* name, const char* text) const
{
    if (value > limit) {
        Dialogs::ShowError(QString::fromLatin1(text));
        return false;
    }
    if (value < 0 || value > field.Max()) {
        Dialogs::ShowError(QStringLiteral("%1 = %2 refused: it must lie in 0..%3 to fit its %4-bit address field")
                               .arg(QLatin1String(name))
                               .arg(value)
                               .arg(field.Max())
                               .arg(field.Width));
        return false;
    }
    return true;
}

void TCanCBase::StoreField(int& member, int value, const CanId::TField& field)
{
    member = value;
    nodeId_ = (nodeId_ & ~field.Mask()) | field.Place(value);
}

void TCanCBase::SetCardNr(int value)
{
    const TNotifyOnChange notify(this, &TCanCBase::CardNr, &TCanCBase::CardNrChanged);
    if (value != cardNr_ && AcceptField(value, 31, CanId::CardNr, "CardNr", "Max. 31 Card Numbers "))
        StoreField(cardNr_, value, CanId::CardNr);
}

void TCanCBase::SetCardID(int value)
{
    const TNotifyOnChange notify(this, &TCanCBase::CardID, &TCanCBase::CardIDChanged);
    if (value != cardID_ && AcceptField(value, 126, CanId::CardID, "CardID", "Max. 126 Card IDs"))
        StoreField(cardID_, value, CanId::CardID);
}

void TCanCBase::SetComponentNr(int value)
{
    const TNotifyOnChange notify(this, &TCanCBase::ComponentNr, &TCanCBase::ComponentNrChanged);
    if (value != componentNr_ && AcceptField(value, 32, CanId::ComponentNr, "ComponentNr", "Max. 32 Components"))
        StoreField(componentNr_, value, CanId::ComponentNr);
}

void TCanCBase::SetComponentID(int value)
{
    const TNotifyOnChange notify(this, &TCanCBase::ComponentID, &TCanCBase::ComponentIDChanged);
    if (value != componentID_
        && AcceptField(value, 32, CanId::ComponentID, "ComponentID", "Max. 32 Components ID's "))
        StoreField(componentID_, value, CanId::ComponentID);
}

void TCanCBase::SetPrioriteit(int value)
{
    const TNotifyOnChange notify(this, &TCanCBase::Prioriteit, &TCanCBase::PrioriteitChanged);
    if (value != prioriteit_ && AcceptField(value, 7, CanId::Priority, "Prioriteit", "Max. 7 prioriteits nivo's "))
        prioriteit_ = value;
}

void TCanCBase::SetDesigning(bool value)
{
    if (bool(state_ & csDesigning) == value)
        return;
    state_.setFlag(csDesigning, value);
    DesigningChanged();
}

void TCanCBase::HandleMessage(TCanMessage*) {}

void TCanCBase::SendMessage(TCanMessage*) {}

void TCanCBase::MessageIn(TCanMessage* Message)
{
    if (!Filter(Message->ID))
        return;
    SdoSlave(Message);
    PdoSlave(Message);
}

void TCanCBase::PdoSlave(TCanMessage* Message)
{
    if (CanId::Type.Of(Message->ID) != CanId::Pdo)
        return;
    for (int i = 0; i < 8; ++i)
        PdoData[std::size_t(i)] = Message->Data[i];
    PdoReceived = true;
}

void TCanCBase::SdoReset()
{
    sdoTimer_->SetEnabled(false);
    sdoBusy_ = false;
    sdoIndex_ = 0;
    sdoToggle_ = false;
}

void TCanCBase::SdoSlave(TCanMessage* Message)
{
    if (CanId::Type.Of(Message->ID) != CanId::SdoRequest)
        return;
    const std::uint8_t commandByte = Message->Data[0];
    const bool toggle = Sdo::Toggle(commandByte);
    if (toggle != sdoToggle_) {
        SdoReset();
        SdoError = Sdo::ToggleMismatch;
        return;
    }
    sdoToggle_ = !sdoToggle_;
    sdoTimer_->SetEnabled(false);
    const int count = Sdo::Count(commandByte);
    const int command = Sdo::CommandOf(commandByte);

    // The reply carries the request's toggle; the handlers add the rest.
    TCanMessage reply;
    reply.Length = 1;
    reply.Data[0] = Sdo::CommandByte(toggle, 0, 0);
    reply.ID = CanId::Compose(nodeId_, CanId::SdoReply, prioriteit_);
    if (command <= Sdo::DownloadLast)
        Download(*Message, count, command, reply);
    else if (command == Sdo::UploadStart || command == Sdo::UploadNext)
        Upload(command, reply);
    else
        Abort(Sdo::ReplyAsRequest, reply);
    emit MessageOut(&reply);
}

// A segment whose frame holds fewer bytes than its count claims is refused
// whole: storing it would fill the missing bytes with whatever the frame held.
void TCanCBase::Download(const TCanMessage& request, int count, int command, TCanMessage& reply)
{
    if (command == Sdo::DownloadSingle) {
        if (sdoBusy_)
            return Abort(Sdo::SingleWhileBusy, reply);
        if (!CarriesCount(request, count))
            return Abort(Sdo::ShortSegment, reply);
        for (int k = 1; k <= count; ++k)
            SdoData[std::size_t(k + 2)] = request.Data[k];
        SdoReset();
        SdoReceived = true;
        reply.Data[0] |= Sdo::DownloadComplete;
        return;
    }
    const bool starts = command == Sdo::DownloadFirst;
    if (starts == sdoBusy_) {
        static constexpr Sdo::Error outOfTurn[] = {Sdo::FirstWhileBusy, Sdo::MiddleWhenIdle, Sdo::LastWhenIdle};
        return Abort(outOfTurn[command - Sdo::DownloadFirst], reply);
    }
    if (!CarriesCount(request, count))
        return Abort(Sdo::ShortSegment, reply);
    if (!Append(request, count))
        return Abort(Sdo::DownloadOverflow, reply);
    if (command == Sdo::DownloadLast) {
        SdoReset();
        SdoReceived = true;
        reply.Data[0] |= Sdo::DownloadComplete;
        return;
    }
    sdoBusy_ = true;
    reply.Data[0] |= Sdo::SegmentAccepted;
    sdoTimer_->SetEnabled(true);
}

// A segment that would run past the buffer is refused whole.
bool TCanCBase::Append(const TCanMessage& request, int count)
{
    if (sdoIndex_ + count > SdoDataSize)
        return false;
    for (int k = 1; k <= count; ++k)
        SdoData[std::size_t(sdoIndex_++)] = request.Data[k];
    return true;
}

void TCanCBase::Upload(int command, TCanMessage& reply)
{
    const bool starts = command == Sdo::UploadStart;
    if (starts == sdoBusy_)
        return Abort(starts ? Sdo::UploadStartWhileBusy : Sdo::UploadNextWhenIdle, reply);
    if (SdoLength > SdoDataSize)
        return Abort(Sdo::UploadLength, reply);
    if (starts) {
        sdoBusy_ = true;
        sdoIndex_ = 0;
    }
    int placed = 0;
    while (sdoIndex_ < SdoLength && placed < Sdo::SegmentBytes)
        reply.Data[1 + placed++] = std::uint8_t(SdoData[std::size_t(sdoIndex_++)]);
    reply.Length = std::uint8_t(placed + 1);
    if (placed == Sdo::SegmentBytes && sdoIndex_ < SdoLength) {
        reply.Data[0] |= Sdo::CommandByte(false, Sdo::SegmentBytes, Sdo::UploadMore);
        sdoTimer_->SetEnabled(true);
        return;
    }
    reply.Data[0] |= Sdo::CommandByte(false, placed, Sdo::UploadLast);
    if (starts)
        SdoReceived = true;
    SdoReset();
}

void TCanCBase::Abort(int code, TCanMessage& reply)
{
    SdoReset();
    SdoError = code;
    reply.Length = 1;
    reply.Data[0] |= Sdo::Abort;
}

void TCanCBase::OnTTimeOut(QObject*)
{
    sdoTimer_->SetEnabled(false);
    SdoReset();
    emit OnTimeOut(this);
}
