#pragma once
// TLogReader: reads one log file into trend series, from where its last read
// stopped to the file's present end, so the same reader loads a file whole
// and then follows it while a logger appends. Each good row adds one point
// to every series (X in minutes since Origin, as the graph's minutes axis
// counts them); a bad row adds nothing: in stop mode it ends the read, in
// skip mode it is listed and the read goes on. The file is read in blocks
// (never mapped: a file cut short while being read must not crash us).

#include "trend/BadRow.h"
#include "trend/CsvParser.h"

#include <QString>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class QFile;
class TSeries;

class TLogReader {
public:
    // Told the bytes read so far and the file's size; false cancels the read.
    using Progress = std::function<bool(int64_t done, int64_t total)>;

    TLogReader(QString path, TCsvOptions options);
    ~TLogReader();

    // Reads the header row; false (Fault()) when the file is missing,
    // unreadable, empty or its header cannot be used.
    bool Open();
    const QStringList& Columns() const { return parser_->Columns(); }
    // A new series per column, named by it (the caller owns them).
    std::vector<std::unique_ptr<TSeries>> MakeSeries() const;

    // Reads every complete row the file now holds into targets (one per
    // column, in order). With wholeFile a last line without its line end is
    // read too; otherwise it waits for the rest of its line. False when the
    // read stopped: a bad row in stop mode, a file that became shorter or
    // changed its header row (replaced), an unreadable file, a cancel.
    bool ReadRows(const std::vector<TSeries*>& targets, bool wholeFile, const Progress& progress = {});

    const TBadRow& Fault() const { return fault_; }
    // The rows skipped (skip mode), every one, in file order.
    const std::vector<TBadRow>& Skipped() const { return skipped_; }
    void ClearSkipped() { skipped_.clear(); }
    int64_t RowsRead() const { return rows_; }
    const QString& Path() const { return path_; }
    // The file's name as faults and series name it.
    const QString& FileName() const { return name_; }
    const TCsvParser& Parser() const { return *parser_; }

    // Unix seconds of X = 0: midnight (UTC) of the first row's day unless set.
    bool HasOrigin() const { return hasOrigin_; }
    double Origin() const { return origin_; }
    void SetOrigin(double seconds);
    // The smallest and largest value read per column (none: +inf, -inf).
    double Low(int column) const { return low_[size_t(column)]; }
    double High(int column) const { return high_[size_t(column)]; }

private:
    class Blocks;
    bool ReadLine(std::string_view line, Blocks& blocks);
    bool CheckSameFile(QFile& file);

    QString path_;
    QString name_;
    TCsvOptions options_;
    std::unique_ptr<TCsvParser> parser_;
    std::string header_; // the header row as read, to notice a replaced file
    int64_t offset_ = 0; // bytes read: the next line starts here
    int64_t line_ = 0;   // lines read
    int64_t rows_ = 0;
    bool hasOrigin_ = false;
    double origin_ = 0;
    std::vector<double> low_, high_;
    std::vector<double> values_;
    TBadRow fault_;
    std::vector<TBadRow> skipped_;
};
