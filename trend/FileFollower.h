#pragma once
// TFileFollower: keeps reading a log file a logger appends to, a few times a
// second, into the series the graph shows. Only complete lines count: a
// last line without its line end waits for the rest. A bad row is listed
// (skip mode) or ends the following (stop mode); a file that became shorter
// or was replaced ends it too, and so does a file that is gone.

#include "trend/BadRow.h"

#include <QObject>
#include <QTimer>
#include <memory>
#include <vector>

class TLogReader;
class TSeries;

class TFileFollower : public QObject {
    Q_OBJECT
public:
    static constexpr int IntervalMs = 250;

    TFileFollower(std::unique_ptr<TLogReader> reader, std::vector<TSeries*> series, QObject* parent = nullptr);
    ~TFileFollower() override;

    TLogReader& Reader() { return *reader_; }
    const std::vector<TSeries*>& Series() const { return series_; }
    // Reads what the file gained since the last look.
    void Poll();

signals:
    // Rows were added to Series() (the graph is not told yet).
    void Appended(TFileFollower* follower);
    void Skipped(const std::vector<TBadRow>& rows);
    void Stopped(const TBadRow& fault);

private:
    std::unique_ptr<TLogReader> reader_;
    std::vector<TSeries*> series_;
    QTimer timer_;
};
