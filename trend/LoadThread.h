#pragma once
// TLoadThread: loads one log file whole on a worker thread, into series of
// its own that no graph sees yet, so the window stays usable and a load that
// stops or is cancelled leaves nothing behind. The window polls Permille()
// for its progress bar and, once Finished(), takes the reader and the series.

#include "framework/Thread.h"
#include "trend/LogReader.h"

#include <atomic>
#include <memory>
#include <vector>

class TSeries;

class TLoadThread : public TThread {
public:
    TLoadThread(const QString& path, TCsvOptions options, bool follow);
    ~TLoadThread() override;

    int Permille() const { return permille_; }
    bool Follow() const { return follow_; }
    // After Finished(): whether the file was read whole (else Reader().Fault()).
    bool Loaded() const { return loaded_; }
    TLogReader& Reader() { return *reader_; }
    std::unique_ptr<TLogReader> TakeReader() { return std::move(reader_); }
    std::vector<std::unique_ptr<TSeries>> TakeSeries() { return std::move(series_); }

protected:
    void Execute() override;

private:
    std::unique_ptr<TLogReader> reader_;
    std::vector<std::unique_ptr<TSeries>> series_;
    bool follow_;
    bool loaded_ = false;
    std::atomic<int> permille_{0};
};
