#pragma once
// Errors of the window-description reader. Every message names the file (or
// resource), the line and the offending word, so a broken description can be
// fixed without a debugger: ":/forms/MainForm.dfm(12): unknown property 'Colr'".

#include "framework/Exception.h"

#include <QString>

class TStreamError {
public:
    [[noreturn]] static void Throw(const QString& source, int line, const QString& message);
    // Text of a word as the messages quote it: 'word', shortened when long.
    static QString Quote(const QString& word);
};
