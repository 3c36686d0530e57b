#pragma once
// TCsvParser: the rows of one log file: a header row naming the time column
// and one column per series, then one row per sample. What the options leave
// open is found from the file: the separator from the header row (';', tab,
// ',' in that order of preference, since a header holds no numbers), the
// decimal sign from the first value that has one (a point where ',' is the
// separator), the time style from the first row. Times must not go back.
// Every refusal names the line and, where one field is at fault, its column.

#include "trend/BadRow.h"
#include "trend/CsvOptions.h"
#include "trend/TimeParser.h"

#include <QStringList>
#include <cstdint>
#include <optional>
#include <string_view>

class TCsvParser {
public:
    TCsvParser(QString file, TCsvOptions options);

    // Reads the header row (line 1); false and the fault when it cannot be used.
    bool ReadHeader(std::string_view header, TBadRow& fault);
    // The names of the value columns, in file order.
    const QStringList& Columns() const { return columns_; }
    char Separator() const { return separator_; }
    // The decimal sign, 0 while no value has shown one.
    char Decimal() const { return decimal_; }

    // Parses one data row (without its line end) into its time in Unix
    // seconds and Columns().size() values. A refused row changes nothing,
    // so the next row is compared with the last one accepted.
    bool ParseRow(std::string_view row, int64_t line, double& time, double* values, TBadRow& fault);

private:
    TBadRow Fault(int64_t line, int column, const QString& what) const;
    bool ParseTime(std::string_view field, int64_t line, double& time, TBadRow& fault);
    bool ParseValue(std::string_view field, int column, int64_t line, double& value, TBadRow& fault);
    std::string_view Trimmed(std::string_view field) const;

    QString file_;
    TCsvOptions options_;
    char separator_ = 0;
    char decimal_ = 0;
    QStringList columns_;
    std::optional<TTimeParser::TStyle> style_;
    double lastTime_ = 0;
    int64_t lastLine_ = 0; // 0: no row accepted yet
};
