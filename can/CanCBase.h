#pragma once
// TCanCBase: one addressable node of the CAN network. It keeps only the frames
// addressed to it, serves the segmented configuration protocol (download into
// SdoData, upload from it) and stores incoming PDO data. It never touches a
// bus: the host hands it frames (HandleMessage) and takes its SDO replies from
// MessageOut; PDOs leave through SendMessage of a Transmitter node.

#include "can/CanIdentifier.h"
#include "can/CanMessage.h"
#include "framework/Types.h"

#include <QObject>
#include <array>

class TTimer;

class TCanCBase : public QObject {
    Q_OBJECT
    Q_PROPERTY(int CardNr READ CardNr WRITE SetCardNr NOTIFY CardNrChanged)
    Q_PROPERTY(int CardID READ CardID WRITE SetCardID NOTIFY CardIDChanged)
    Q_PROPERTY(int ComponentNr READ ComponentNr WRITE SetComponentNr NOTIFY ComponentNrChanged)
    Q_PROPERTY(int ComponentID READ ComponentID WRITE SetComponentID NOTIFY ComponentIDChanged)
    Q_PROPERTY(int Prioriteit READ Prioriteit WRITE SetPrioriteit NOTIFY PrioriteitChanged)
    Q_CLASSINFO("default:CardNr", "0")
    Q_CLASSINFO("default:CardID", "0")
    Q_CLASSINFO("default:ComponentNr", "0")
    Q_CLASSINFO("default:ComponentID", "0")
    Q_CLASSINFO("default:Prioriteit", "5")

public:
    static constexpr int SdoDataSize = 256;

    explicit TCanCBase(QObject* owner = nullptr);

    int CardNr() const { return cardNr_; }
    void SetCardNr(int value);
    int CardID() const { return cardID_; }
    void SetCardID(int value);
    int ComponentNr() const { return componentNr_; }
    void SetComponentNr(int value);
    int ComponentID() const { return componentID_; }
    void SetComponentID(int value);
    int Prioriteit() const { return prioriteit_; }
    void SetPrioriteit(int value);

    std::uint32_t NodeId() const { return nodeId_; }
    std::uint32_t FilterMask() const { return CanId::FilterMask; }
    int SdoIndex() const { return sdoIndex_; }
    bool SdoToggle() const { return sdoToggle_; }
    bool SdoBusy() const { return sdoBusy_; }
    TTimer* SdoTimer() const { return sdoTimer_; }

    // The host calls this for every received frame; the base ignores it.
    virtual void HandleMessage(TCanMessage* Message);
    // Puts a frame on the bus; a node class of the host overrides it.
    virtual void SendMessage(TCanMessage* Message);

    bool Filter(std::uint32_t identifier) const { return ((identifier ^ nodeId_) & ~CanId::FilterMask) == 0; }
    void MessageIn(TCanMessage* Message);
    void SdoSlave(TCanMessage* Message);
    void PdoSlave(TCanMessage* Message);
    void SdoReset();

    // Design state: taken from the owner when built, or set by a designer.
    TComponentState ComponentState() const { return state_; }
    void SetDesigning(bool value);

    int SdoError = 0; // why the last request was refused: an Sdo::Error
    bool SdoReceived = false;
    std::array<int, 8> PdoData{};
    bool PdoReceived = false;
    std::array<int, SdoDataSize> SdoData{};
    int SdoLength = 0;
    TCanCBase* Transmitter = nullptr;

public slots:
    void OnTTimeOut(QObject* Sender);

signals:
    // Property notifications (see framework/Notify.h).
    void CardNrChanged();
    void CardIDChanged();
    void ComponentNrChanged();
    void ComponentIDChanged();
    void PrioriteitChanged();
    // One SDO reply. The frame lives only while the signal is emitted: a
    // receiver connects directly (never queued) and copies what it keeps.
    void MessageOut(TCanMessage* Message);
    void OnTimeOut(QObject* Sender);

protected:
    virtual void DesigningChanged() {}

private:
    bool AcceptField(int value, int limit, const CanId::TField& field, const char* name, const char* text) const;
    void StoreField(int& member, int value, const CanId::TField& field);
    void Download(const TCanMessage& request, int count, int command, TCanMessage& reply);
    bool Append(const TCanMessage& request, int count);
    static bool CarriesCount(const TCanMessage& request, int count) { return request.Length >= 1 + count; }
    void Upload(int command, TCanMessage& reply);
    void Abort(int code, TCanMessage& reply);

    int cardNr_ = 0;
    int cardID_ = 0;
    int componentNr_ = 0;
    int componentID_ = 0;
    int prioriteit_ = 5;
    std::uint32_t nodeId_ = 0;
    int sdoIndex_ = 0;
    bool sdoToggle_ = false;
    bool sdoBusy_ = false;
    TTimer* sdoTimer_;
    TComponentState state_;
};
