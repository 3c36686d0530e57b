#pragma once
// TCsvOptions: how a log file is read. A zero separator or decimal sign is
// found from the file itself; the bad-row choice says whether a row that
// cannot be read stops the load (nothing of the file is shown) or is skipped
// and listed.

enum class TBadRowPolicy { Stop, Skip };

struct TCsvOptions {
    char Separator = 0; // ',', ';', '\t', ' ' or 0: detect
    char Decimal = 0;   // '.', ',' or 0: detect
    TBadRowPolicy BadRows = TBadRowPolicy::Stop;
};
