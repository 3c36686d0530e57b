#include "trend/FileFollower.h"

#include "trend/LogReader.h"

TFileFollower::TFileFollower(std::unique_ptr<TLogReader> reader, std::vector<TSeries*> series, QObject* parent)
    : QObject(parent), reader_(std::move(reader)), series_(std::move(series))
{
    timer_.setInterval(IntervalMs);
    connect(&timer_, &QTimer::timeout, this, &TFileFollower::Poll);
    timer_.start();
}

TFileFollower::~TFileFollower() = default;

void TFileFollower::Poll()
{
    const int64_t before = reader_->RowsRead();
    const bool going = reader_->ReadRows(series_, false);
    if (reader_->RowsRead() != before)
        emit Appended(this);
    if (!reader_->Skipped().empty()) {
        emit Skipped(reader_->Skipped());
        reader_->ClearSkipped();
    }
    if (!going) {
        timer_.stop();
        emit Stopped(reader_->Fault());
    }
}
