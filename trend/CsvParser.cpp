#include "trend/CsvParser.h"

#include <fast_float/fast_float.h>

#include <algorithm>
#include <cmath>

namespace {

QString Quoted(std::string_view field)
{
    constexpr size_t shown = 40; // a runaway field (a missing separator) is cut
    QString text = QString::fromUtf8(field.data(), qsizetype(std::min(field.size(), shown)));
    return QStringLiteral("'%1%2'").arg(text, field.size() > shown ? QStringLiteral("...") : QString());
}

QString SeparatorName(char c)
{
    switch (c) {
    case '\t': return QStringLiteral("tab");
    case ' ': return QStringLiteral("space");
    default: return QStringLiteral("'%1'").arg(QLatin1Char(c));
    }
}

} // namespace

TCsvParser::TCsvParser(QString file, TCsvOptions options) : file_(std::move(file)), options_(options)
{
    separator_ = options.Separator;
    decimal_ = options.Decimal;
}

TBadRow TCsvParser::Fault(int64_t line, int column, const QString& what) const { return {file_, line, column, what}; }

std::string_view TCsvParser::Trimmed(std::string_view field) const
{
    const auto blank = [this](char c) { return c == '\r' || (c == ' ' && separator_ != ' ') || (c == '\t' && separator_ != '\t'); };
    while (!field.empty() && blank(field.front()))
        field.remove_prefix(1);
    while (!field.empty() && blank(field.back()))
        field.remove_suffix(1);
    if (field.size() >= 2 && field.front() == '"' && field.back() == '"')
        field = field.substr(1, field.size() - 2);
    return field;
}

bool TCsvParser::ReadHeader(std::string_view header, TBadRow& fault)
{
    if (!header.empty() && header.back() == '\r')
        header.remove_suffix(1);
    if (header.empty()) {
        fault = Fault(1, 0, QStringLiteral("no header row: the file is empty or starts with an empty line"));
        return false;
    }
    if (!separator_) {
        for (char c : {';', '\t', ','})
            if (header.find(c) != std::string_view::npos) {
                separator_ = c;
                break;
            }
        if (!separator_)
            separator_ = decimal_ == ',' ? ';' : ',';
    }
    if (decimal_ && decimal_ == separator_) {
        fault = Fault(1, 0, QStringLiteral("the decimal sign and the separator are both %1").arg(SeparatorName(separator_)));
        return false;
    }
    if (separator_ == ',' && !decimal_)
        decimal_ = '.';
    columns_.clear();
    size_t start = 0;
    for (int column = 1;; ++column) {
        const size_t end = std::min(header.find(separator_, start), header.size());
        if (column > 1) {
            QString name = QString::fromUtf8(Trimmed(header.substr(start, end - start))).trimmed();
            columns_ << (name.isEmpty() ? QStringLiteral("column %1").arg(column) : name);
        }
        if (end == header.size())
            break;
        start = end + 1;
    }
    if (columns_.isEmpty()) {
        fault = Fault(1, 0, QStringLiteral("the header row names no value column after the time (separator %1)")
                                .arg(SeparatorName(separator_)));
        return false;
    }
    return true;
}

bool TCsvParser::ParseTime(std::string_view field, int64_t line, double& time, TBadRow& fault)
{
    const char* b = field.data();
    const char* e = b + field.size();
    if (!style_) {
        style_ = TTimeParser::Detect(b, e);
        if (!style_) {
            fault = Fault(line, 1, QStringLiteral("%1 is not a time (an ISO 8601 date-time or Unix seconds)").arg(Quoted(field)));
            return false;
        }
    }
    if (!TTimeParser::Parse(*style_, b, e, time)) {
        fault = Fault(line, 1, QStringLiteral("%1 is not a time in the file's style (%2)")
                                   .arg(Quoted(field), *style_ == TTimeParser::tsIso ? QStringLiteral("ISO 8601 date-time")
                                                                                     : QStringLiteral("Unix seconds")));
        return false;
    }
    if (lastLine_ > 0 && time < lastTime_) {
        fault = Fault(line, 1, QStringLiteral("time %1 is earlier than the time of line %2").arg(Quoted(field)).arg(lastLine_));
        return false;
    }
    return true;
}

bool TCsvParser::ParseValue(std::string_view field, int column, int64_t line, double& value, TBadRow& fault)
{
    const char* b = field.data();
    const char* e = b + field.size();
    if (!decimal_) {
        // The first value that shows a decimal sign tells which one the file uses.
        if (field.find(',') != std::string_view::npos)
            decimal_ = ',';
        else if (field.find('.') != std::string_view::npos)
            decimal_ = '.';
    }
    const fast_float::parse_options options(fast_float::chars_format::general, decimal_ ? decimal_ : '.');
    const auto result = b == e ? fast_float::from_chars_result{b, std::errc::invalid_argument}
                               : fast_float::from_chars_advanced(b, e, value, options);
    if (result.ec != std::errc() || result.ptr != e || !std::isfinite(value)) {
        const QString& name = columns_[column - 2];
        fault = Fault(line, column, field.empty() ? QStringLiteral("%1: empty field, a number is expected").arg(name)
                                                  : QStringLiteral("%1: %2 is not a number").arg(name, Quoted(field)));
        return false;
    }
    return true;
}

bool TCsvParser::ParseRow(std::string_view row, int64_t line, double& time, double* values, TBadRow& fault)
{
    const int expected = int(columns_.size()) + 1;
    int fields = 0;
    size_t start = 0;
    double t = 0;
    for (;;) {
        const size_t found = row.find(separator_, start);
        const size_t end = found == std::string_view::npos ? row.size() : found;
        ++fields;
        if (fields <= expected) {
            const std::string_view field = Trimmed(row.substr(start, end - start));
            if (fields == 1 ? !ParseTime(field, line, t, fault) : !ParseValue(field, fields, line, values[fields - 2], fault))
                return false;
        }
        if (found == std::string_view::npos)
            break;
        start = end + 1;
    }
    if (fields != expected) {
        fault = Fault(line, 0, QStringLiteral("%1 field%2 where the header row names %3")
                                   .arg(fields).arg(fields == 1 ? "" : "s").arg(expected));
        return false;
    }
    time = lastTime_ = t;
    lastLine_ = line;
    return true;
}
