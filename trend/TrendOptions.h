#pragma once
// TTrendOptions: the command line of quil-trend. Parse answers --help and
// --version itself (the help text is also the manual page) and refuses a
// value it cannot use with an Exception naming the option and the value.

#include "framework/Exception.h"
#include "trend/CsvOptions.h"

#include <QSize>
#include <QStringList>

class QCoreApplication;

struct TTrendOptions {
    QStringList Files;
    TCsvOptions Csv;
    bool Follow = false;
    QString Export; // a PNG to write once every file is loaded, then quit
    QSize Size{1000, 560};

    static TTrendOptions Parse(const QCoreApplication& app);
    // Each exported for the open dialog's lists: "auto" gives 0.
    static char SeparatorOf(const QString& name);
    static char DecimalOf(const QString& name);
};
