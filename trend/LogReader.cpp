#include "trend/LogReader.h"

#include "graph/Series.h"

#include <QFile>
#include <QFileInfo>
#include <cmath>
#include <cstring>
#include <limits>

namespace {

constexpr int64_t kChunk = 4 << 20;    // bytes read at a time
constexpr int64_t kHeaderLimit = 1 << 20; // a header row longer than this is no header
constexpr size_t kBlock = 1 << 10;     // points handed to a series at a time (while still in cache)

} // namespace

// The points of the rows read, per column, handed to the series a block at a
// time (the series' own index then follows at constant cost per point).
class TLogReader::Blocks {
public:
    explicit Blocks(const std::vector<TSeries*>& targets) : targets_(targets), points_(targets.size())
    {
        for (auto& p : points_)
            p.reserve(kBlock);
    }
    ~Blocks() { Flush(); }
    void Add(double x, const double* values)
    {
        for (size_t k = 0; k < points_.size(); ++k)
            points_[k].push_back({x, values[k]});
        if (points_.empty() || points_[0].size() < kBlock)
            return;
        Flush();
    }
    void Flush()
    {
        // Times were checked to ascend row by row, so no series refuses a block.
        for (size_t k = 0; k < points_.size(); ++k) {
            targets_[k]->Append(points_[k].data(), points_[k].size());
            points_[k].clear();
        }
    }

private:
    const std::vector<TSeries*>& targets_;
    std::vector<std::vector<TPoint2D>> points_;
};

TLogReader::TLogReader(QString path, TCsvOptions options)
    : path_(std::move(path)), name_(QFileInfo(path_).fileName()), options_(options),
      parser_(std::make_unique<TCsvParser>(path_, options))
{
}

TLogReader::~TLogReader() = default;

bool TLogReader::Open()
{
    QFile file(path_);
    if (!file.open(QIODevice::ReadOnly)) {
        fault_ = {path_, 0, 0, QStringLiteral("cannot open the file: %1").arg(file.errorString())};
        return false;
    }
    if (file.size() == 0) {
        fault_ = {path_, 1, 0, QStringLiteral("the file is empty: a header row is expected")};
        return false;
    }
    const QByteArray start = file.read(kHeaderLimit);
    if (start.isEmpty()) {
        fault_ = {path_, 1, 0, QStringLiteral("cannot read the file: %1").arg(file.errorString())};
        return false;
    }
    const qsizetype end = start.indexOf('\n');
    if (end < 0 && start.size() == kHeaderLimit) {
        fault_ = {path_, 1, 0, QStringLiteral("the header row is longer than %1 bytes: not a log file").arg(kHeaderLimit)};
        return false;
    }
    header_.assign(start.constData(), size_t(end < 0 ? start.size() : end));
    if (!parser_->ReadHeader(header_, fault_))
        return false;
    offset_ = end < 0 ? start.size() : end + 1;
    line_ = 1;
    const size_t columns = size_t(Columns().size());
    values_.assign(columns, 0);
    low_.assign(columns, std::numeric_limits<double>::infinity());
    high_.assign(columns, -std::numeric_limits<double>::infinity());
    return true;
}

std::vector<std::unique_ptr<TSeries>> TLogReader::MakeSeries() const
{
    std::vector<std::unique_ptr<TSeries>> series;
    for (const QString& column : Columns()) {
        series.push_back(std::make_unique<TSeries>());
        series.back()->Name = column;
    }
    return series;
}

void TLogReader::SetOrigin(double seconds)
{
    origin_ = seconds;
    hasOrigin_ = true;
}

bool TLogReader::CheckSameFile(QFile& file)
{
    if (file.size() < offset_) {
        fault_ = {path_, line_, 0, QStringLiteral("the file became shorter than the %1 bytes already read: "
                                                  "it was truncated or replaced").arg(offset_)};
        return false;
    }
    const QByteArray start = file.read(qint64(header_.size()));
    if (std::string_view(start.constData(), size_t(start.size())) != header_) {
        fault_ = {path_, 1, 0, QStringLiteral("the header row changed: the file was replaced")};
        return false;
    }
    return true;
}

bool TLogReader::ReadLine(std::string_view line, Blocks& blocks)
{
    ++line_;
    if (line.empty() || line == "\r")
        return true; // an empty line holds no row
    double time = 0;
    TBadRow fault;
    if (!parser_->ParseRow(line, line_, time, values_.data(), fault)) {
        if (options_.BadRows == TBadRowPolicy::Skip) {
            skipped_.push_back(std::move(fault));
            return true;
        }
        fault_ = std::move(fault);
        return false;
    }
    if (!hasOrigin_)
        SetOrigin(std::floor(time / 86400) * 86400);
    for (size_t k = 0; k < values_.size(); ++k) {
        low_[k] = std::min(low_[k], values_[k]);
        high_[k] = std::max(high_[k], values_[k]);
    }
    blocks.Add((time - origin_) / 60, values_.data());
    ++rows_;
    return true;
}

bool TLogReader::ReadRows(const std::vector<TSeries*>& targets, bool wholeFile, const Progress& progress)
{
    fault_ = {};
    QFile file(path_);
    if (!file.open(QIODevice::ReadOnly)) {
        fault_ = {path_, 0, 0, QStringLiteral("cannot open the file: %1").arg(file.errorString())};
        return false;
    }
    if (!CheckSameFile(file) || !file.seek(offset_))
        return false;
    const int64_t size = file.size();
    Blocks blocks(targets);
    std::string buffer;
    size_t kept = 0; // an unfinished line at the buffer's start
    for (;;) {
        buffer.resize(kept + size_t(kChunk));
        const qint64 n = file.read(buffer.data() + kept, kChunk);
        if (n < 0) {
            fault_ = {path_, line_ + 1, 0, QStringLiteral("cannot read the file: %1").arg(file.errorString())};
            return false;
        }
        const size_t filled = kept + size_t(n);
        size_t start = 0;
        while (const void* found = std::memchr(buffer.data() + start, '\n', filled - start)) {
            const size_t end = size_t(static_cast<const char*>(found) - buffer.data());
            if (!ReadLine({buffer.data() + start, end - start}, blocks))
                return false;
            start = end + 1;
        }
        offset_ += int64_t(start);
        kept = filled - start;
        if (n == 0) {
            if (wholeFile && kept > 0) {
                if (!ReadLine({buffer.data() + start, kept}, blocks))
                    return false;
                offset_ += int64_t(kept);
            }
            return true;
        }
        std::memmove(buffer.data(), buffer.data() + start, kept);
        if (progress && !progress(offset_, size)) {
            fault_ = {path_, 0, 0, QStringLiteral("loading was cancelled")};
            return false;
        }
    }
}
