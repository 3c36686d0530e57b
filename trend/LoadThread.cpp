#include "trend/LoadThread.h"

#include "graph/Series.h"

TLoadThread::TLoadThread(const QString& path, TCsvOptions options, bool follow)
    : TThread(false), reader_(std::make_unique<TLogReader>(path, options)), follow_(follow)
{
}

TLoadThread::~TLoadThread()
{
    Terminate();
    WaitFor();
}

void TLoadThread::Execute()
{
    if (!reader_->Open())
        return;
    series_ = reader_->MakeSeries();
    std::vector<TSeries*> targets;
    for (const auto& s : series_)
        targets.push_back(s.get());
    loaded_ = reader_->ReadRows(targets, !follow_, [this](int64_t done, int64_t total) {
        permille_ = total > 0 ? int(done * 1000 / total) : 0;
        return !Terminated();
    });
    permille_ = 1000;
}
