#pragma once
// TSdoTransfer: the network master's side of one segmented download or upload,
// one object per transfer, kept apart from any bus: it builds each request,
// hands it to a send function, reads the replies it is given and waits at
// most TimeoutMs for each. Finished is raised once, on success or failure.

#include "can/CanIdentifier.h"
#include "can/CanMessage.h"

#include <QByteArray>
#include <QObject>
#include <QString>
#include <functional>
#include <vector>

class TTimer;

class TSdoTransfer : public QObject {
    Q_OBJECT

public:
    using SendFunction = std::function<bool(const TCanMessage&)>;
    enum class State { Idle, Running, Done, Failed };
    static constexpr int DefaultTimeoutMs = 100;
    static constexpr int MaxBytes = 256;

    // A download of 1 to MaxBytes bytes into the node's buffer from entry 0.
    static TSdoTransfer* Download(const CanId::TAddress& node, const QByteArray& bytes, SendFunction send,
                                  QObject* parent = nullptr);
    static TSdoTransfer* Upload(const CanId::TAddress& node, SendFunction send, QObject* parent = nullptr);

    void SetTimeoutMs(int ms);
    void SetPriority(int priority) { priority_ = priority; }
    // Sends the first request.
    void Start();
    // Any received frame; replies of other nodes and other frames are ignored.
    void FrameReceived(const TCanMessage& frame);
    // The reply time-out (run by the timer).
    void TimeOut();

    State CurrentState() const { return state_; }
    QString ErrorString() const { return error_; }
    // What an upload returned.
    QByteArray Data() const { return data_; }
    // How the transfer ended, as a person reads it: "Failed: " and why,
    // `what` alone, or `what` with the bytes an upload returned.
    QString Outcome(const QString& what) const;
    TTimer* Timer() const { return timer_; }

signals:
    void Finished(QObject* Sender);

private:
    struct TSegment {
        int Command;
        QByteArray Bytes;
    };
    TSdoTransfer(const CanId::TAddress& node, SendFunction send, QObject* parent);
    void SendRequest();
    bool TakeDownloadReply(int command);
    bool TakeUploadReply(const TCanMessage& reply, int command);
    void Fail(const QString& text);
    void Succeed();
    QString RequestText() const;

    CanId::TAddress node_;
    SendFunction send_;
    TTimer* timer_;
    bool upload_ = false;
    std::vector<TSegment> segments_; // download requests, in order
    std::size_t next_ = 0;
    bool toggle_ = false;
    int requestCommand_ = 0;
    int priority_ = 5;
    int timeoutMs_ = DefaultTimeoutMs;
    State state_ = State::Idle;
    QString error_;
    QByteArray data_;
};
