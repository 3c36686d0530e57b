#pragma once
// TBadRow: one fault found in a log file, with where it lies: the file, the
// line (1 is the header row; 0 when the fault is the file's as a whole) and
// the field (1 is the time; 0 when the fault is the row's as a whole).

#include <QString>
#include <cstdint>

struct TBadRow {
    QString File;
    int64_t Line = 0;
    int Column = 0;
    QString What;

    // "house.csv:17: column 3 (temp): 'x1' is not a number", as compilers
    // name places, so editors and terminals can jump to them.
    QString Text() const
    {
        QString place = File;
        if (Line > 0)
            place += QStringLiteral(":%1").arg(Line);
        if (Column > 0)
            return QStringLiteral("%1: column %2: %3").arg(place).arg(Column).arg(What);
        return QStringLiteral("%1: %2").arg(place, What);
    }
};
